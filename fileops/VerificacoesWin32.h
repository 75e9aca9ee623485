// The two checks that every Win32 result of a framework operation passes. A failing value raises
// the error of the calling thread's last Windows error code (GerarErroWindows), so that the call
// leaves the operation's guarded block as a typed error.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace kt {

// Returns the value unchanged unless it is 0 or 0xFFFFFFFF. Used on file handles and file sizes.
std::uint32_t VerificarHandle(std::uint32_t valor);
// The same check on a handle: null and INVALID_HANDLE_VALUE fail.
HANDLE VerificarHandle(HANDLE handle);

// Returns the Win32 success flag unchanged unless it is 0. Used on ReadFile, WriteFile and
// CloseHandle.
BOOL VerificarResultado(BOOL resultado);

// Returns the path unchanged unless it is longer than the longest path that an installation makes
// (kMaximoDoCaminho): a longer one fails as an invalid path, never cut, since a cut path names
// another file.
const std::wstring& VerificarCaminho(const std::wstring& caminho);

// Raises the error of the thread's last Windows error code, as the checks do on a failing value.
[[noreturn]] void GerarUltimoErroWindows();

// The code that the thread's last raise of GerarUltimoErroWindows came from, until
// EsquecerUltimoErroGerado. The runtime may overwrite the thread's last error while the error
// travels to its handler (the first exception of a thread sets up the unwinder, which resets
// it), so the handler that reports the code reads it here.
std::optional<std::uint32_t> UltimoErroGerado();
void EsquecerUltimoErroGerado();

} // namespace kt
