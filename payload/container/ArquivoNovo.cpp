#include "payload/container/ArquivoNovo.h"

#include "fileops/ErrosArquivo.h"
#include "fileops/VerificacoesWin32.h"
#include "ui/Owned.h"

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
    try {
        arquivo_.emplace(novo_, GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS);
    } catch (...) {
        DeleteFileW(novo_.c_str());
        throw;
    }
}

TArquivoNovo::~TArquivoNovo() {
    if (novo_.empty())
        return;
    arquivo_.reset();
    DeleteFileW(novo_.c_str());
}

std::size_t TArquivoNovo::Ler(void* destino, std::size_t n) {
    return arquivo_->Ler(destino, n);
}

std::size_t TArquivoNovo::Gravar(const void* origem, std::size_t n) {
    if (arquivo_->Gravar(origem, n) != n)
        GerarErroWindows(erro_windows::kDiscoCheio);
    return n;
}

std::int64_t TArquivoNovo::Posicionar(std::int64_t deslocamento, TOrigemFluxo origem) {
    return arquivo_->Posicionar(deslocamento, origem);
}

std::int64_t TArquivoNovo::Tamanho() {
    return arquivo_->Tamanho();
}

void TArquivoNovo::Concluir() {
    arquivo_->Fechar();
    arquivo_.reset();
    VerificarResultado(MoveFileExW(novo_.c_str(), destino_.c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
    novo_.clear();
}

} // namespace kt
