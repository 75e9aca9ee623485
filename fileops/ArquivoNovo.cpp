#include "fileops/ArquivoNovo.h"

#include "fileops/ErrosArquivo.h"
#include "fileops/VerificacoesWin32.h"

#include <windows.h>

#include <algorithm>
#include <limits>

namespace kt {

namespace {

// Attributes of an existing file that CREATE_ALWAYS with normal attributes refuses to replace.
constexpr DWORD kAtributosRecusados = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                      FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;

std::wstring PastaDe(const std::wstring& caminho) {
    const std::size_t barra = caminho.find_last_of(L"\\/");
    return barra == std::wstring::npos ? std::wstring(L".") : caminho.substr(0, barra + 1);
}

void VerificarSubstituivel(const std::wstring& destino) {
    const DWORD atributos = GetFileAttributesW(destino.c_str());
    if (atributos == INVALID_FILE_ATTRIBUTES)
        return;
    if (atributos & kAtributosRecusados)
        GerarErroWindows(erro_windows::kAcessoNegado);
    // Held by another program, or not writable: refused before anything is written.
    ui::UniqueFile(
        VerificarHandle(CreateFileW(destino.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
}

} // namespace

TArquivoNovo::TArquivoNovo(const std::wstring& destino) : destino_(destino) {
    VerificarSubstituivel(destino_);
    wchar_t novo[MAX_PATH] = {};
    VerificarHandle(
        static_cast<std::uint32_t>(GetTempFileNameW(PastaDe(destino_).c_str(), L"kt", 0, novo)));
    novo_ = novo;
    arquivo_.Reset(CreateFileW(novo_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!arquivo_) {
        const DWORD erro = GetLastError();
        DeleteFileW(novo_.c_str());
        GerarErroWindows(erro);
    }
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
