#include "fileops/DiarioDeInstalacao.h"

#include "fileops/Caminhos.h"
#include "fileops/ErrosArquivo.h"
#include "fileops/Texto.h"
#include "fileops/VerificacoesWin32.h"

#include <windows.h>

#include <string>

namespace kt {

namespace {

// A diary far longer than any installation writes is not one.
constexpr std::int64_t kMaiorDiario = 4 * 1024 * 1024;

// The diary's file, opened without following a link, and refused when it is one or has a second
// name.
base::UniqueFile AbrirDiario(const std::wstring& caminho, DWORD acesso, DWORD disposicao) {
    base::UniqueFile arquivo(VerificarHandle(
        CreateFileW(VerificarCaminho(caminho).c_str(), acesso, FILE_SHARE_READ, nullptr, disposicao,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr)));
    BY_HANDLE_FILE_INFORMATION info{};
    VerificarResultado(GetFileInformationByHandle(arquivo.Get(), &info));
    if ((info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) ||
        info.nNumberOfLinks != 1)
        GerarErroWindows(erro_windows::kAcessoNegado);
    return arquivo;
}

std::int64_t Tamanho(HANDLE arquivo) {
    LARGE_INTEGER tamanho{};
    VerificarResultado(GetFileSizeEx(arquivo, &tamanho));
    return tamanho.QuadPart;
}

std::wstring DeUtf8(const std::string& bytes) {
    if (bytes.empty())
        return {};
    const int tamanho =
        MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring texto(static_cast<std::size_t>(tamanho), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), texto.data(),
                        tamanho);
    return texto;
}

} // namespace

TDiarioDeInstalacao::TDiarioDeInstalacao(const std::wstring& diretorio)
    : caminho_(diretorio + kArquivoDoDiario) {
    criado_ = GetFileAttributesW(caminho_.c_str()) == INVALID_FILE_ATTRIBUTES;
    arquivo_ = AbrirDiario(caminho_, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS);
    tamanhoAntes_ = Tamanho(arquivo_.Get());
    LARGE_INTEGER fim{};
    fim.QuadPart = tamanhoAntes_;
    VerificarResultado(SetFilePointerEx(arquivo_.Get(), fim, nullptr, FILE_BEGIN));
}

void TDiarioDeInstalacao::Anotar(const std::wstring& linha) {
    const std::string bytes = Utf8(linha);
    DWORD gravados = 0;
    VerificarResultado(WriteFile(arquivo_.Get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                 &gravados, nullptr));
    if (gravados != bytes.size())
        GerarErroWindows(erro_windows::kDiscoCheio);
}

void TDiarioDeInstalacao::AnotarArquivo(const std::wstring& arquivo) {
    Anotar(LinhaDoArquivo(arquivo));
}

void TDiarioDeInstalacao::AnotarPasta(const std::wstring& pasta) {
    Anotar(LinhaDaPasta(pasta));
}

void TDiarioDeInstalacao::Desfazer() {
    if (criado_) {
        arquivo_.Reset();
        DeleteFileW(caminho_.c_str());
        return;
    }
    LARGE_INTEGER antes{};
    antes.QuadPart = tamanhoAntes_;
    if (SetFilePointerEx(arquivo_.Get(), antes, nullptr, FILE_BEGIN))
        SetEndOfFile(arquivo_.Get());
}

std::optional<TInstalados> LerDiario(const std::wstring& diretorio) {
    const std::wstring caminho = ComDelimitador(diretorio) + kArquivoDoDiario;
    if (GetFileAttributesW(caminho.c_str()) == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    try {
        const base::UniqueFile arquivo = AbrirDiario(caminho, GENERIC_READ, OPEN_EXISTING);
        const std::int64_t tamanho = Tamanho(arquivo.Get());
        if (tamanho > kMaiorDiario)
            return TInstalados{};
        std::string bytes(static_cast<std::size_t>(tamanho), '\0');
        DWORD lidos = 0;
        VerificarResultado(ReadFile(arquivo.Get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                    &lidos, nullptr));
        bytes.resize(lidos);
        return TInstalados::Ler(DeUtf8(bytes));
    } catch (const EErroKT&) {
        return TInstalados{};
    }
}

void ApagarDiario(const std::wstring& diretorio) {
    DeleteFileW((ComDelimitador(diretorio) + kArquivoDoDiario).c_str());
}

} // namespace kt
