#include "fileops/Caminhos.h"

namespace kt {

namespace {

bool Letra(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// "\\server\share": a server and a share name, neither of them "?" or "." (a device path).
bool Compartilhamento(std::wstring_view caminho) {
    if (!caminho.starts_with(L"\\\\"))
        return false;
    const std::wstring_view resto = caminho.substr(2);
    const std::size_t barra = resto.find(L'\\');
    if (barra == std::wstring_view::npos || barra == 0)
        return false;
    const std::wstring_view servidor = resto.substr(0, barra);
    const std::wstring_view compartilhado = resto.substr(barra + 1);
    return servidor != L"?" && servidor != L"." && !compartilhado.empty() &&
           compartilhado.front() != L'\\';
}

} // namespace

std::wstring_view PastaDe(std::wstring_view caminho) {
    const std::size_t ultimo = caminho.find_last_of(L"\\:");
    if (ultimo == std::wstring_view::npos)
        return {};
    const bool raiz = caminho[ultimo] == L':' ||
                      (ultimo > 0 && (caminho[ultimo - 1] == L':' || caminho[ultimo - 1] == L'\\'));
    return caminho.substr(0, raiz ? ultimo + 1 : ultimo);
}

std::wstring_view NomeDe(std::wstring_view caminho) {
    return caminho.substr(caminho.find_last_of(L"\\/:") + 1);
}

std::wstring ComDelimitador(const std::wstring& caminho) {
    return caminho.ends_with(L'\\') ? caminho : caminho + L'\\';
}

std::wstring SemDelimitador(std::wstring caminho) {
    while (caminho.size() > 1 && (caminho.back() == L'\\' || caminho.back() == L'/') &&
           !(caminho.size() == 3 && caminho[1] == L':'))
        caminho.pop_back();
    return caminho;
}

bool CaminhoCompleto(std::wstring_view caminho) {
    if (caminho.size() >= 3 && Letra(caminho[0]) && caminho[1] == L':' && caminho[2] == L'\\')
        return true;
    return Compartilhamento(caminho);
}

} // namespace kt
