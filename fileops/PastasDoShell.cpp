#include "fileops/PastasDoShell.h"

#include "fileops/IdentidadeArquivo.h"

#include <windows.h>
#include <shlobj.h>

#include <memory>

namespace kt {
namespace {

// CSIDL values run from 0 to below this; values that name no folder of the file system (the
// control panel, the printers) give no path and are passed over.
constexpr int kFimDosCsidl = 0x40;

struct LiberarListaDeItens {
    void operator()(ITEMIDLIST* lista) const { CoTaskMemFree(lista); }
};

bool RaizDeVolume(const std::wstring& pasta) {
    wchar_t volume[MAX_PATH] = {};
    return GetVolumePathNameW(pasta.c_str(), volume, MAX_PATH) && MesmoArquivo(volume, pasta);
}

bool PastaTemporaria(const std::wstring& pasta) {
    wchar_t temporaria[MAX_PATH + 1] = {};
    const DWORD tamanho = GetTempPathW(MAX_PATH + 1, temporaria);
    return tamanho > 0 && tamanho <= MAX_PATH && MesmoArquivo(temporaria, pasta);
}

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

bool PastaDoSistema(const std::wstring& pasta) {
    if (RaizDeVolume(pasta) || PastaTemporaria(pasta))
        return true;
    for (int csidl = 0; csidl < kFimDosCsidl; ++csidl) {
        const std::wstring especial = PastaEspecial(csidl);
        if (!especial.empty() && MesmoArquivo(especial, pasta))
            return true;
    }
    return false;
}

} // namespace kt
