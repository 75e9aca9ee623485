// Reading the registry: a key opened for reading only, never created.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace kt {

// A string value of a key. Nothing when the key does not open; empty when the value is missing or
// is not a string.
std::optional<std::wstring> LerTextoDoRegistro(HKEY raiz, const std::wstring& chave,
                                               const std::wstring& valor);

} // namespace kt
