#include "fileops/AbrirAjuda.h"

#include "fileops/Ansi.h"
#include "fileops/Caminhos.h"
#include "fileops/Processos.h"
#include "ui/Application.h"

#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>

namespace kt {

namespace {

// Windows of the launches: the active modal form's, or none.
HWND JanelaDona() {
    return ui::Application::ActiveModalWindow();
}

// A name field that nobody terminated ends at its last byte, not somewhere after the record.
std::wstring TextoDoCampo(const char (&campo)[kTamanhoNomeAjuda]) {
    return DeAnsi(std::string_view(campo, strnlen(campo, kTamanhoNomeAjuda)));
}

// Started and let go: nothing waits for it.
void IniciarPrograma(const std::wstring& programa, const std::wstring& parametros) {
    constexpr std::size_t kTamanhoLinha = 520;
    IniciarProcesso(LinhaDeComando(programa, parametros).substr(0, kTamanhoLinha), SW_SHOW, 0);
}

void AbrirDocumento(const std::wstring& documento, const std::wstring& parametros) {
    const std::wstring arquivo(NomeDe(documento));
    const std::wstring diretorio = documento.substr(0, documento.size() - arquivo.size());
    ShellExecuteW(JanelaDona(), L"open", arquivo.c_str(), parametros.c_str(), diretorio.c_str(),
                  SW_SHOWDEFAULT);
}

void AbrirArquivoDeAjuda(const std::wstring& arquivo, std::int32_t contexto) {
    WinHelpW(JanelaDona(), arquivo.c_str(), HELP_CONTEXT, static_cast<ULONG_PTR>(contexto));
}

} // namespace

void AbrirAjuda(const TRegistroAjuda* ajuda) {
    if (!ajuda)
        return;
    TRegistroAjuda copia;
    std::memcpy(&copia, ajuda, sizeof copia);
    switch (copia.Tipo) {
    case kAjudaPrograma:
        IniciarPrograma(TextoDoCampo(copia.ArquivoAjuda), TextoDoCampo(copia.Parametros));
        break;
    case kAjudaDocumento:
        AbrirDocumento(TextoDoCampo(copia.ArquivoAjuda), TextoDoCampo(copia.Parametros));
        break;
    case kAjudaArquivoDeAjuda:
        AbrirArquivoDeAjuda(TextoDoCampo(copia.ArquivoAjuda), copia.Contexto);
        break;
    default:
        break;
    }
}

} // namespace kt
