// The extraction of an embedded container: the copy engine's step for an "rcdata" file row, run
// on the main thread.
#pragma once

#include "payload/container/CopiarFluxo.h"

#include <windows.h>

#include <string_view>

namespace kt {

// Extracts the RCDATA resource nomeRecurso of the module (null: the program's own), found by
// name and type whatever its language, into the file destino (names are short strings, cut to
// 255 characters): the container's TamanhoDescompactado bytes are inflated into memory with
// DescompactarFluxo and then saved as the whole file, in place of any existing one.
//
// Answers whether the file was written whole. A failed inflation was reported by
// DescompactarFluxo. A missing resource, or a target that cannot be replaced, created or written
// (a full disk among them), is reported with the standard table naming the target. After any
// failure, or a stop through progress, the target is as it was before the call: a truncated
// file is never installed as if whole.
bool ExtrairRecurso(std::wstring_view nomeRecurso, std::wstring_view destino,
                    TEventoProgresso progresso, HMODULE modulo = nullptr);

} // namespace kt
