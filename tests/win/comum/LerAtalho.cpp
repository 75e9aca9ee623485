#include "tests/win/comum/LerAtalho.h"

#include "fileops/PonteiroCom.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

namespace teste {

using kt::TPonteiroCom;

TAtalhoLido LerAtalho(const std::wstring& caminho) {
    TAtalhoLido lido;
    CoInitialize(nullptr);
    TPonteiroCom<IShellLinkW> link;
    TPonteiroCom<IPersistFile> arquivo;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.Put())) ||
        FAILED(link.Consultar(arquivo)) || FAILED(arquivo->Load(caminho.c_str(), STGM_READ)))
        return lido;
    wchar_t texto[INFOTIPSIZE] = {};
    lido.Carregado = true;
    link->GetPath(texto, MAX_PATH, nullptr, SLGP_RAWPATH);
    lido.Alvo = texto;
    link->GetWorkingDirectory(texto, MAX_PATH);
    lido.Diretorio = texto;
    link->GetDescription(texto, INFOTIPSIZE);
    lido.Descricao = texto;
    return lido;
}

} // namespace teste
