// Text in a Windows code page: the ANSI one (cp1252), as the framework's records hold it, or any
// other.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kt {

inline constexpr unsigned kPaginaAnsi = 1252;

// The text in the code page. With exata, nothing when a character has no exact equivalent
// there (its replacement could name something else); without, such a character becomes the code
// page's nearest one or its default.
std::optional<std::string> NaPagina(std::wstring_view texto, unsigned pagina, bool exata);

std::string ParaAnsi(std::wstring_view texto);
std::wstring DeAnsi(std::string_view texto);

// Copies the text into a zero-terminated buffer of `capacidade` bytes, cut to capacidade - 1.
void CopiarAnsi(std::wstring_view texto, char* destino, std::size_t capacidade);

} // namespace kt
