#include "fileops/Texto.h"

#include <cwctype>

namespace kt {

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

} // namespace kt
