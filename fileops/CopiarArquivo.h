// The file copy routine: one file copied to a new path in fixed blocks, with percent progress
// that can cancel, a choice for an existing destination, and every failure reported in the
// Solutions Center by the catch-and-report pattern.
//
// How it works: the copy is written into a new file beside the destination and moved into its
// place only when it is complete, so that a copy that fails or is cancelled leaves the existing
// destination as it was and no partial file behind. Before anything is read, an existing
// destination must be a file that the copy may replace (not read-only, hidden or system, nor held
// by another program), and must not be the source itself under another spelling.
#pragma once

#include "fileops/Progresso.h"

#include <windows.h>

#include <cstdint>
#include <string_view>

namespace kt {

// What to do when the destination exists.
enum TModoCopia : std::int32_t {
    kCopiaSubstitui = 0, // any value but 1 and 2 replaces it
    kCopiaMantem = 1,    // leave it alone: no copy, false, no report
    kCopiaPergunta = 2,  // ask the overwrite confirmation; only its yes copies
};

// The block of every copy, read and written through one buffer owned by the call.
inline constexpr std::uint32_t kBlocoCopia = 10240;

// Copies origem to destino (short strings, cut to 255 characters). Progress, when assigned, gets
// the whole bytes done against the source's size, truncated to a percentage, after every block
// and once more after the empty read that ends the copy (100 for an empty file); setting its flag
// stops the copy. The lock, when given, is held only while the question is on screen. True when
// the copy ran to its end without being cancelled; every failure is reported and gives false.
// Runs on the calling thread; the report and the question are shown on the main thread.
bool CopiarArquivo(std::wstring_view origem, std::wstring_view destino, std::int32_t modo,
                   TEventoProgresso progresso, CRITICAL_SECTION* trava);

} // namespace kt
