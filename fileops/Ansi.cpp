#include "fileops/Ansi.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace kt {

std::optional<std::string> NaPagina(std::wstring_view texto, unsigned pagina, bool exata) {
    if (texto.empty())
        return std::string();
    // UTF-8 holds every character, and takes neither the flag nor the question.
    const bool utf8 = pagina == CP_UTF8;
    const DWORD opcoes = exata && !utf8 ? WC_NO_BEST_FIT_CHARS : 0;
    BOOL substituiu = FALSE;
    BOOL* perguntar = exata && !utf8 ? &substituiu : nullptr;
    const int tamanho =
        WideCharToMultiByte(pagina, opcoes, texto.data(), static_cast<int>(texto.size()), nullptr,
                            0, nullptr, perguntar);
    if (tamanho <= 0 || substituiu)
        return std::nullopt;
    std::string resultado(static_cast<std::size_t>(tamanho), '\0');
    WideCharToMultiByte(pagina, opcoes, texto.data(), static_cast<int>(texto.size()),
                        resultado.data(), tamanho, nullptr, nullptr);
    return resultado;
}

std::string ParaAnsi(std::wstring_view texto) {
    return NaPagina(texto, kPaginaAnsi, false).value_or(std::string());
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
