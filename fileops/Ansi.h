// Text in the Windows ANSI code page (cp1252), as the framework's records hold it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kt {

inline constexpr unsigned kPaginaAnsi = 1252;

std::string ParaAnsi(std::wstring_view texto);
std::wstring DeAnsi(std::string_view texto);

// Copies the text into a zero-terminated buffer of `capacidade` bytes, cut to capacidade - 1.
void CopiarAnsi(std::wstring_view texto, char* destino, std::size_t capacidade);

} // namespace kt
