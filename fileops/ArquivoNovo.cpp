#include "fileops/ArquivoNovo.h"

#include "fileops/ErrosArquivo.h"
#include "fileops/NomeNovo.h"
#include "fileops/VerificacoesWin32.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <limits>

namespace kt {

namespace {

// Attributes of an existing file that CREATE_ALWAYS with normal attributes refuses to replace.
constexpr DWORD kAtributosRecusados = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                      FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;

// The folder of the destination, with its trailing delimiter, where the new file is made.
std::wstring PastaDoNovo(const std::wstring& caminho) {
    const std::size_t barra = caminho.find_last_of(L"\\/");
    return barra == std::wstring::npos ? std::wstring(L".\\") : caminho.substr(0, barra + 1);
}

void VerificarSubstituivel(const std::wstring& destino) {
    const DWORD atributos = GetFileAttributesW(destino.c_str());
    if (atributos == INVALID_FILE_ATTRIBUTES)
        return;
    if (atributos & kAtributosRecusados)
        GerarErroWindows(erro_windows::kAcessoNegado);
    // Held by another program, or not writable: refused before anything is written.
    base::UniqueFile(
        VerificarHandle(CreateFileW(destino.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
}

// Whether the new file could not be made only because its name is taken. A name that a folder
// holds may be answered with "access denied", as a folder that may not be written to is: only the
// name's being there tells the two apart.
bool NomeOcupado(const std::wstring& nome, DWORD erro) {
    if (erro == ERROR_FILE_EXISTS || erro == ERROR_ALREADY_EXISTS ||
        erro == ERROR_SHARING_VIOLATION)
        return true;
    return erro == ERROR_ACCESS_DENIED &&
           GetFileAttributesW(nome.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The first of the 65,535 names that no file has yet, created and opened in one call. What
// GetTempFileName does, without closing the file it made only for it to be opened again: that
// round trip costs a small file as much as its writing.
base::UniqueFile CriarNovo(const std::wstring& pasta, std::wstring& nome) {
    static std::atomic<std::uint32_t> proximo{GetTickCount()};
    for (std::uint32_t tentativa = 0; tentativa < kNomesNovos; ++tentativa) {
        const std::uint32_t numero = proximo++ % kNomesNovos + 1;
        nome = VerificarCaminho(pasta + NomeNovo(numero));
        base::UniqueFile arquivo(CreateFileW(nome.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                             FILE_ATTRIBUTE_NORMAL, nullptr));
        if (arquivo)
            return arquivo;
        const DWORD erro = GetLastError();
        if (!NomeOcupado(nome, erro))
            GerarErroWindows(erro);
    }
    GerarErroWindows(ERROR_FILE_EXISTS);
}

} // namespace

TArquivoNovo::TArquivoNovo(const std::wstring& destino) : destino_(VerificarCaminho(destino)) {
    VerificarSubstituivel(destino_);
    std::wstring novo;
    arquivo_ = CriarNovo(PastaDoNovo(destino_), novo);
    novo_ = std::move(novo);
}

TArquivoNovo::~TArquivoNovo() {
    if (novo_.empty())
        return;
    arquivo_.Reset();
    DeleteFileW(novo_.c_str());
}

void TArquivoNovo::Gravar(const void* dados, std::size_t n) {
    const auto* bytes = static_cast<const char*>(dados);
    while (n > 0) {
        DWORD gravados = 0;
        const auto parte =
            static_cast<DWORD>(std::min<std::size_t>(n, std::numeric_limits<DWORD>::max()));
        VerificarResultado(WriteFile(arquivo_.Get(), bytes, parte, &gravados, nullptr));
        if (gravados == 0)
            GerarErroWindows(erro_windows::kDiscoCheio);
        bytes += gravados;
        n -= gravados;
    }
}

void TArquivoNovo::Concluir() {
    // A close that fails is a write that the system could not finish.
    VerificarResultado(CloseHandle(arquivo_.Release()));
    VerificarResultado(MoveFileExW(novo_.c_str(), destino_.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    novo_.clear();
}

} // namespace kt
