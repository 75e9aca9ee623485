#include "tests/win/comum/Arquivos.h"

#include "base/Owned.h"

#include <windows.h>

#include <algorithm>

namespace teste {

ArquivoPreso::ArquivoPreso(const std::wstring& caminho, unsigned long compartilhado)
    : handle_(CreateFileW(caminho.c_str(), GENERIC_READ | GENERIC_WRITE, compartilhado, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}

ArquivoPreso::~ArquivoPreso() {
    if (Preso())
        CloseHandle(handle_);
}

bool ArquivoPreso::Preso() const {
    return handle_ != INVALID_HANDLE_VALUE;
}

bool Existe(const std::wstring& caminho) {
    return GetFileAttributesW(caminho.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool GravarArquivo(const std::wstring& caminho, std::string_view bytes) {
    HANDLE arquivo = CreateFileW(caminho.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (arquivo == INVALID_HANDLE_VALUE)
        return false;
    DWORD gravados = 0;
    const BOOL ok =
        WriteFile(arquivo, bytes.data(), static_cast<DWORD>(bytes.size()), &gravados, nullptr);
    CloseHandle(arquivo);
    return ok && gravados == bytes.size();
}

bool GravarBytes(const std::wstring& caminho, const std::vector<std::uint8_t>& bytes) {
    return GravarArquivo(caminho, ComoTexto(bytes));
}

std::string ComoTexto(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

bool GravarArquivoVazio(const std::wstring& caminho, long long tamanho) {
    HANDLE arquivo = CreateFileW(caminho.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (arquivo == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER fim{};
    fim.QuadPart = tamanho;
    const bool estendido =
        SetFilePointerEx(arquivo, fim, nullptr, FILE_BEGIN) && SetEndOfFile(arquivo);
    CloseHandle(arquivo);
    return estendido;
}

std::string LerArquivo(const std::wstring& caminho) {
    HANDLE arquivo = CreateFileW(caminho.c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (arquivo == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes;
    char bloco[4096];
    DWORD lidos = 0;
    while (ReadFile(arquivo, bloco, sizeof bloco, &lidos, nullptr) && lidos > 0)
        bytes.append(bloco, lidos);
    CloseHandle(arquivo);
    return bytes;
}

std::wstring ProgramaDeTeste(std::wstring_view nome) {
    wchar_t caminho[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, caminho, MAX_PATH);
    std::wstring pasta = caminho;
    pasta.resize(pasta.find_last_of(L'\\') + 1);
    return pasta + std::wstring(nome);
}

std::wstring DeUtf8(std::string_view texto) {
    if (texto.empty())
        return {};
    const int tamanho =
        MultiByteToWideChar(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), nullptr, 0);
    std::wstring resultado(static_cast<std::size_t>(tamanho), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), resultado.data(),
                        tamanho);
    return resultado;
}

namespace {

std::wstring Ambiente(const wchar_t* nome) {
    wchar_t valor[MAX_PATH] = {};
    GetEnvironmentVariableW(nome, valor, MAX_PATH);
    return valor;
}

} // namespace

std::wstring DiscoCheio(std::string& motivo) {
    const std::wstring disco = Ambiente(L"KT_DISCO_CHEIO") + L"\\";
    if (disco.size() >= 3 && Existe(disco))
        return disco;
    motivo = LerArquivo(Ambiente(L"KT_DISCO_CHEIO_MOTIVO"));
    if (motivo.empty())
        motivo = "the drive of the set-up is missing";
    return {};
}

std::vector<TEntrada> Entradas(const std::wstring& pasta, std::wstring_view padrao) {
    std::vector<TEntrada> entradas;
    WIN32_FIND_DATAW dados{};
    const base::UniqueFind busca(FindFirstFileW((pasta + std::wstring(padrao)).c_str(), &dados));
    if (!busca)
        return entradas;
    do {
        const std::wstring nome = dados.cFileName;
        if (nome == L"." || nome == L"..")
            continue;
        const bool ehPasta = dados.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        entradas.push_back({nome, ehPasta,
                            ehPasta ? 0
                                    : (static_cast<std::uint64_t>(dados.nFileSizeHigh) << 32) |
                                          dados.nFileSizeLow});
    } while (FindNextFileW(busca.Get(), &dados));
    return entradas;
}

std::vector<std::wstring> Nomes(const std::wstring& pasta) {
    std::vector<std::wstring> nomes;
    for (const TEntrada& entrada : Entradas(pasta))
        nomes.push_back(entrada.Nome);
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

namespace {

// The host's path of a Windows path, through Wine's own export; empty outside Wine.
std::wstring NoLinux(const std::wstring& caminho) {
    using TNomeUnix = char*(CDECL*)(const wchar_t*);
    const auto nomeUnix = reinterpret_cast<TNomeUnix>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
    char* unix = nomeUnix ? nomeUnix(caminho.c_str()) : nullptr;
    if (!unix)
        return {};
    const std::wstring nome = DeUtf8(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return nome;
}

// Runs a program of the host, given by its host path: Wine starts those too.
bool RodarNoLinux(const wchar_t* programa, std::wstring linha) {
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    PROCESS_INFORMATION processo{};
    if (!CreateProcessW(programa, linha.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &inicio, &processo))
        return false;
    CloseHandle(processo.hThread);
    WaitForSingleObject(processo.hProcess, 10000);
    CloseHandle(processo.hProcess);
    return true;
}

} // namespace

bool LigarPeloLinux(const std::wstring& link, const std::wstring& alvo) {
    const std::wstring de = NoLinux(alvo);
    const std::wstring para = NoLinux(link);
    if (de.empty() || para.empty() ||
        !RodarNoLinux(L"/bin/ln", L"/bin/ln -s \"" + de + L"\" \"" + para + L"\""))
        return false;
    // Wine may answer for the folder that was there a moment longer.
    for (int tentativa = 0; tentativa < 100; ++tentativa, Sleep(20)) {
        const DWORD atributos = GetFileAttributesW(link.c_str());
        if (atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_REPARSE_POINT))
            return true;
    }
    return false;
}

void DesligarPeloLinux(const std::wstring& link) {
    const std::wstring caminho = NoLinux(link);
    if (!caminho.empty())
        RodarNoLinux(L"/bin/rm", L"/bin/rm -f \"" + caminho + L"\"");
}

} // namespace teste
