#include "payload/CriadosNaCopia.h"

#include <windows.h>

#include <algorithm>

namespace kt {

namespace {

bool EhPasta(const std::wstring& caminho) {
    const DWORD atributos = GetFileAttributesW(caminho.c_str());
    return atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring SemDelimitador(std::wstring caminho) {
    while (caminho.size() > 1 && (caminho.back() == L'\\' || caminho.back() == L'/'))
        caminho.pop_back();
    return caminho;
}

} // namespace

bool TCriadosNaCopia::CriarPasta(const std::wstring& pasta) {
    // The missing folders, from the deepest up to the first one that is there.
    std::vector<std::wstring> faltando;
    for (std::wstring atual = SemDelimitador(pasta); !atual.empty() && !EhPasta(atual);) {
        faltando.push_back(atual);
        const std::size_t barra = atual.find_last_of(L"\\/");
        if (barra == std::wstring::npos)
            break;
        atual = SemDelimitador(atual.substr(0, barra));
    }
    std::reverse(faltando.begin(), faltando.end());
    for (const std::wstring& nova : faltando) {
        if (CreateDirectoryW(nova.c_str(), nullptr))
            criados_.push_back({nova, true});
        else if (!EhPasta(nova))
            return false;
    }
    return true;
}

void TCriadosNaCopia::ArquivoCriado(const std::wstring& arquivo) {
    criados_.push_back({arquivo, false});
}

void TCriadosNaCopia::Desfazer() {
    for (auto criado = criados_.rbegin(); criado != criados_.rend(); ++criado) {
        if (criado->Pasta)
            RemoveDirectoryW(criado->Caminho.c_str());
        else
            DeleteFileW(criado->Caminho.c_str());
    }
    criados_.clear();
}

} // namespace kt
