#include "instalacao/CriadosNaCopia.h"

#include "fileops/Caminhos.h"
#include "fileops/Remocao.h"

#include <windows.h>

#include <algorithm>

namespace kt {

namespace {

bool EhPasta(const std::wstring& caminho) {
    const DWORD atributos = GetFileAttributesW(caminho.c_str());
    return atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_DIRECTORY);
}

bool CriarUmaPasta(const std::wstring& pasta) {
    // CreateDirectory's own limit, which not every system enforces.
    if (pasta.size() > kMaximoDaPasta) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return false;
    }
    return CreateDirectoryW(pasta.c_str(), nullptr) != FALSE;
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
        if (CriarUmaPasta(nova)) {
            criados_.push_back({nova, true, std::nullopt});
            if (diario_)
                diario_->AnotarPasta(nova);
        } else if (!EhPasta(nova)) {
            return false;
        }
    }
    return true;
}

void TCriadosNaCopia::AbrirDiario(const std::wstring& instalacao) {
    instalacao_ = instalacao;
    diario_.emplace(ComDelimitador(instalacao));
    for (const TCriado& criado : criados_)
        diario_->AnotarPasta(criado.Caminho);
}

void TCriadosNaCopia::ArquivoEscrito(const std::wstring& arquivo, bool novo) {
    if (novo)
        criados_.push_back({arquivo, false, IdentidadeDe(arquivo)});
    if (diario_)
        diario_->AnotarArquivo(arquivo);
}

void TCriadosNaCopia::Desfazer() {
    if (diario_)
        diario_->Desfazer();
    TRemocao remocao(instalacao_);
    for (auto criado = criados_.rbegin(); criado != criados_.rend(); ++criado) {
        if (criado->Pasta)
            remocao.RemoverPasta(criado->Caminho);
        else if (criado->Identidade)
            remocao.RemoverArquivo(criado->Caminho, criado->Identidade);
    }
    criados_.clear();
}

} // namespace kt
