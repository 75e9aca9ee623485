// Short strings and trimming, as the framework's records and rows use them, and UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kt {

// A short string holds at most 255 characters; longer values are cut, never refused.
inline constexpr std::size_t kTamanhoTextoCurto = 255;

std::wstring Curta(std::wstring_view texto, std::size_t maximo = kTamanhoTextoCurto);

// Removes blanks and control characters (everything up to and including the blank) from both
// ends.
std::wstring Aparar(std::wstring_view texto);

std::wstring Minusculas(std::wstring_view texto);

// The text in UTF-8. A 16-bit wchar_t may hold a character as a surrogate pair; a lone surrogate
// becomes the replacement character.
std::string Utf8(std::wstring_view texto);

} // namespace kt
