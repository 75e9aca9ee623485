#include "core/formularios/DiretoriosDoSistema.h"

#include "core/ArquivosIAC/Descricao.h"
#include "fileops/ErrosArquivo.h"
#include "fileops/Texto.h"
#include "ui/Owned.h"

#include <vector>

namespace kt {
namespace {

// A directory as the wizard holds it: a short string with its trailing delimiter.
std::wstring ComoDiretorio(const std::wstring& caminho) {
    return Curta(ComDelimitador(caminho));
}

[[noreturn]] void FalhaDoWindows() {
    GerarErroWindows(GetLastError());
}

// A directory that a Windows call writes into a buffer of MAX_PATH characters.
std::wstring LerDiretorioDaChamada(UINT(WINAPI* chamada)(LPWSTR, UINT)) {
    wchar_t caminho[MAX_PATH] = {};
    const UINT tamanho = chamada(caminho, MAX_PATH);
    if (tamanho == 0 || tamanho >= MAX_PATH)
        FalhaDoWindows();
    return ComoDiretorio(caminho);
}

} // namespace

std::wstring LerDiretorioDoWindows() {
    return LerDiretorioDaChamada(GetWindowsDirectoryW);
}

std::wstring LerDiretorioDoSistema() {
    return LerDiretorioDaChamada(GetSystemDirectoryW);
}

std::wstring LerDiretorioDoPrograma() {
    std::vector<wchar_t> caminho(MAX_PATH);
    for (;;) {
        const DWORD tamanho =
            GetModuleFileNameW(nullptr, caminho.data(), static_cast<DWORD>(caminho.size()));
        if (tamanho == 0)
            FalhaDoWindows();
        if (tamanho < caminho.size())
            break;
        caminho.resize(caminho.size() * 2);
    }
    std::wstring programa(caminho.data());
    return Curta(programa.substr(0, programa.find_last_of(L"\\/") + 1));
}

std::wstring LerDiretorioProgramFiles() {
    return ComoDiretorio(
        LerTextoDoRegistro(HKEY_LOCAL_MACHINE, kChaveVersaoDoWindows, kValorProgramFiles));
}

std::wstring LerTextoDoRegistro(HKEY raiz, const std::wstring& chave, const std::wstring& valor) {
    ui::UniqueKey aberta;
    if (RegOpenKeyExW(raiz, chave.c_str(), 0, KEY_QUERY_VALUE, aberta.Put()) != ERROR_SUCCESS)
        return {};
    DWORD tipo = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(aberta.Get(), valor.c_str(), nullptr, &tipo, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        (tipo != REG_SZ && tipo != REG_EXPAND_SZ))
        return {};
    // One character more than the data, which the registry does not promise to end with a zero.
    std::vector<wchar_t> dados(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(aberta.Get(), valor.c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(dados.data()), &bytes) != ERROR_SUCCESS)
        return {};
    return dados.data();
}

} // namespace kt
