#include "fileops/Remocao.h"

#include "fileops/Caminhos.h"
#include "fileops/NomeNovo.h"
#include "fileops/Texto.h"
#include "base/Owned.h"

#include <windows.h>

#include <utility>

namespace kt {

namespace {

bool PastaDeVerdade(const std::wstring& pasta) {
    const DWORD atributos = GetFileAttributesW(pasta.c_str());
    return atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_DIRECTORY) &&
           !(atributos & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool Existe(const std::wstring& caminho) {
    return GetFileAttributesW(caminho.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void ApagarArquivo(const std::wstring& arquivo) {
    if (DeleteFileW(arquivo.c_str()) || GetLastError() != ERROR_ACCESS_DENIED)
        return;
    const DWORD atributos = GetFileAttributesW(arquivo.c_str());
    if (atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_READONLY) &&
        SetFileAttributesW(arquivo.c_str(), atributos & ~FILE_ATTRIBUTE_READONLY))
        DeleteFileW(arquivo.c_str());
}

} // namespace

TRemocao::TRemocao(std::wstring raiz) : raiz_(SemDelimitador(std::move(raiz))) {}

bool TRemocao::CaminhoSeguro(const std::wstring& caminho) const {
    const std::wstring raiz = Minusculas(raiz_) + L"\\";
    if (!Minusculas(caminho).starts_with(raiz))
        return true;
    for (std::size_t barra = caminho.find(L'\\', raiz.size()); barra != std::wstring::npos;
         barra = caminho.find(L'\\', barra + 1))
        if (!PastaDeVerdade(caminho.substr(0, barra)))
            return false;
    return true;
}

void TRemocao::RemoverArquivo(const std::wstring& arquivo,
                              const std::optional<TIdentidade>& identidade) {
    if (!Existe(arquivo))
        return;
    if (CaminhoSeguro(arquivo) && (!identidade || IdentidadeDe(arquivo) == identidade))
        ApagarArquivo(arquivo);
    if (Existe(arquivo))
        restantes_.push_back(arquivo);
}

void TRemocao::RemoverPasta(const std::wstring& pasta) {
    const std::wstring caminho = SemDelimitador(pasta);
    if (!Existe(caminho))
        return;
    if (CaminhoSeguro(caminho) && PastaDeVerdade(caminho))
        RemoveDirectoryW(caminho.c_str());
    if (Existe(caminho))
        restantes_.push_back(caminho);
}

void TRemocao::VarrerNovos(const std::wstring& pasta) {
    const std::wstring caminho = ComDelimitador(SemDelimitador(pasta));
    if (!CaminhoSeguro(caminho) || !PastaDeVerdade(SemDelimitador(pasta)))
        return;
    WIN32_FIND_DATAW achado{};
    const base::UniqueFind busca(FindFirstFileW((caminho + kPadraoDoNomeNovo).c_str(), &achado));
    if (!busca)
        return;
    do {
        if (!(achado.dwFileAttributes &
              (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
            EhNomeNovo(achado.cFileName))
            RemoverArquivo(caminho + achado.cFileName);
    } while (FindNextFileW(busca.Get(), &achado));
}

} // namespace kt
