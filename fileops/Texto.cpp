#include "fileops/Texto.h"

#include <cwctype>

namespace kt {

namespace {

// One code point of the text, which a 16-bit wchar_t may hold as a surrogate pair; a lone
// surrogate stands for the replacement character.
char32_t PontoDeCodigo(std::wstring_view texto, std::size_t& i) {
    const char32_t c = static_cast<char32_t>(texto[i++]);
    if (c >= 0xD800 && c <= 0xDBFF && i < texto.size()) {
        const char32_t baixo = static_cast<char32_t>(texto[i]);
        if (baixo >= 0xDC00 && baixo <= 0xDFFF) {
            ++i;
            return 0x10000 + ((c - 0xD800) << 10) + (baixo - 0xDC00);
        }
    }
    return (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF ? 0xFFFD : c;
}

} // namespace

std::wstring Curta(std::wstring_view texto, std::size_t maximo) {
    return std::wstring(texto.substr(0, maximo));
}

std::wstring Aparar(std::wstring_view texto) {
    std::size_t inicio = 0;
    std::size_t fim = texto.size();
    while (inicio < fim && texto[inicio] <= L' ')
        ++inicio;
    while (fim > inicio && texto[fim - 1] <= L' ')
        --fim;
    return std::wstring(texto.substr(inicio, fim - inicio));
}

std::wstring Minusculas(std::wstring_view texto) {
    std::wstring resultado(texto);
    for (wchar_t& c : resultado) {
        // The rows' key words are ASCII; Latin-1 capitals (À..Þ but ×) fold by adding 32.
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c + 32);
        else if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
            c = static_cast<wchar_t>(c + 32);
    }
    return resultado;
}

std::string Utf8(std::wstring_view texto) {
    std::string utf8;
    for (std::size_t i = 0; i < texto.size();) {
        const char32_t c = PontoDeCodigo(texto, i);
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (c >> 12));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (c >> 18));
            utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

} // namespace kt
