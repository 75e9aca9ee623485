#include "fileops/Ansi.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace kt {

std::string ParaAnsi(std::wstring_view texto) {
    if (texto.empty())
        return {};
    const int tamanho = WideCharToMultiByte(
        kPaginaAnsi, 0, texto.data(), static_cast<int>(texto.size()), nullptr, 0, nullptr, nullptr);
    std::string resultado(static_cast<std::size_t>(tamanho), '\0');
    WideCharToMultiByte(kPaginaAnsi, 0, texto.data(), static_cast<int>(texto.size()),
                        resultado.data(), tamanho, nullptr, nullptr);
    return resultado;
}

std::wstring DeAnsi(std::string_view texto) {
    if (texto.empty())
        return {};
    const int tamanho = MultiByteToWideChar(kPaginaAnsi, 0, texto.data(),
                                            static_cast<int>(texto.size()), nullptr, 0);
    std::wstring resultado(static_cast<std::size_t>(tamanho), L'\0');
    MultiByteToWideChar(kPaginaAnsi, 0, texto.data(), static_cast<int>(texto.size()),
                        resultado.data(), tamanho);
    return resultado;
}

void CopiarAnsi(std::wstring_view texto, char* destino, std::size_t capacidade) {
    if (capacidade == 0)
        return;
    const std::string ansi = ParaAnsi(texto);
    const std::size_t n = std::min(ansi.size(), capacidade - 1);
    std::memcpy(destino, ansi.data(), n);
    destino[n] = '\0';
}

} // namespace kt
