#include "core/formularios/DiretoriosDoSistema.h"

#include "fileops/Caminhos.h"
#include "fileops/ErrosArquivo.h"
#include "fileops/Registro.h"
#include "fileops/Texto.h"
#include "ui/Application.h"

namespace kt {
namespace {

// A directory as the wizard holds it: with its trailing delimiter, whole. A longer path than the
// installation's files may have fails where a file is opened or made, never cut into another.
std::wstring ComoDiretorio(const std::wstring& caminho) {
    return ComDelimitador(caminho);
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
    const std::wstring programa = ui::Application::ExePath();
    if (programa.empty())
        FalhaDoWindows();
    return programa.substr(0, programa.find_last_of(L"\\/") + 1);
}

std::wstring LerDiretorioProgramFiles() {
    return ComoDiretorio(
        LerTextoDoRegistro(HKEY_LOCAL_MACHINE, kChaveVersaoDoWindows, kValorProgramFiles)
            .value_or(L""));
}

} // namespace kt
