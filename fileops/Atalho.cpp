#include "fileops/Atalho.h"

#include "fileops/Caminhos.h"

#include "fileops/PastasDoShell.h"
#include "fileops/PonteiroCom.h"
#include "fileops/RelatorioDeErro.h"
#include "fileops/Texto.h"
#include "fileops/VerificacoesWin32.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace kt {

namespace {

// A failing COM or shell call leaves the guarded block; the shortcut's single row reports it.
void VerificarCom(HRESULT resultado) {
    if (FAILED(resultado))
        throw EOperacaoEmArquivo();
}

int CsidlDe(std::int32_t onde) {
    switch (onde) {
    case kAtalhoNaAreaDeTrabalho:
        return CSIDL_DESKTOPDIRECTORY;
    case kAtalhoNaInicializacao:
        return CSIDL_STARTUP;
    case kAtalhoNoMenuIniciar:
        return CSIDL_STARTMENU;
    case kAtalhoEmProgramas:
        return CSIDL_PROGRAMS;
    default:
        return -1;
    }
}

// The special folder followed by a backslash; empty for a value that names no folder. A folder
// that the shell cannot name is a failure: the link must not land in the current drive's root.
std::wstring PastaDoAtalho(std::int32_t onde) {
    const int csidl = CsidlDe(onde);
    if (csidl < 0)
        return {};
    const std::wstring pasta = PastaEspecial(csidl);
    if (pasta.empty())
        throw EOperacaoEmArquivo();
    return pasta + L"\\";
}

} // namespace

bool CriarAtalho(std::wstring_view alvo, std::wstring_view nomeAtalho, std::wstring_view descricao,
                 std::int32_t onde) {
    bool resultado = false;
    const TRegistroAjuda ajuda = AjudaSemArquivo(kContextoPadrao);
    const std::wstring destino(alvo);
    std::wstring arquivos = destino;
    ExecutarRelatando(ajuda, kLinhasAtalho, arquivos, [&] {
        VerificarCaminho(destino);
        // Left initialised for the thread: the shell's objects may be used again on it.
        CoInitialize(nullptr);
        TPonteiroCom<IShellLinkW> link;
        VerificarCom(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkW, link.Put()));
        TPonteiroCom<IPersistFile> arquivo;
        VerificarCom(link.Consultar(arquivo));
        link->SetPath(destino.c_str());
        link->SetDescription(Curta(descricao).c_str());
        link->SetWorkingDirectory(std::wstring(PastaDe(destino)).c_str());
        const std::wstring caminho = PastaDoAtalho(onde) + std::wstring(nomeAtalho);
        arquivos = caminho;
        resultado = arquivo->Save(VerificarCaminho(caminho).c_str(), FALSE) == S_OK;
    });
    return resultado;
}

std::wstring AlvoDoAtalho(const std::wstring& atalho) {
    // Left initialised for the thread, as CriarAtalho leaves it.
    CoInitialize(nullptr);
    TPonteiroCom<IShellLinkW> link;
    TPonteiroCom<IPersistFile> arquivo;
    wchar_t alvo[MAX_PATH] = {};
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.Put())) ||
        FAILED(link.Consultar(arquivo)) || FAILED(arquivo->Load(atalho.c_str(), STGM_READ)) ||
        FAILED(link->GetPath(alvo, MAX_PATH, nullptr, SLGP_RAWPATH)))
        return {};
    return alvo;
}

} // namespace kt
