#include "fileops/PastasDoShell.h"

#include <windows.h>
#include <shlobj.h>

#include <memory>

namespace kt {
namespace {

struct LiberarListaDeItens {
    void operator()(ITEMIDLIST* lista) const { CoTaskMemFree(lista); }
};

} // namespace

std::wstring PastaEspecial(int csidl) {
    ITEMIDLIST* bruta = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &bruta)))
        return {};
    const std::unique_ptr<ITEMIDLIST, LiberarListaDeItens> lista(bruta);
    wchar_t caminho[MAX_PATH] = {};
    if (!SHGetPathFromIDListW(lista.get(), caminho))
        return {};
    return caminho;
}

} // namespace kt
