#include "fileops/Caminhos.h"

namespace kt {

std::wstring_view PastaDe(std::wstring_view caminho) {
    const std::size_t ultimo = caminho.find_last_of(L"\\:");
    if (ultimo == std::wstring_view::npos)
        return {};
    const bool raiz = caminho[ultimo] == L':' ||
                      (ultimo > 0 && (caminho[ultimo - 1] == L':' || caminho[ultimo - 1] == L'\\'));
    return caminho.substr(0, raiz ? ultimo + 1 : ultimo);
}

std::wstring ComDelimitador(const std::wstring& caminho) {
    return caminho.ends_with(L'\\') ? caminho : caminho + L'\\';
}

} // namespace kt
