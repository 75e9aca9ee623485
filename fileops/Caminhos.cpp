#include "fileops/Caminhos.h"

#include "ui/Owned.h"

#include <windows.h>

namespace kt {

namespace {

// Opening asks for no access at all, and backup semantics lets the call open a folder too.
bool Identidade(const std::wstring& caminho, BY_HANDLE_FILE_INFORMATION& info) {
    const ui::UniqueFile aberto(
        CreateFileW(caminho.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return aberto && GetFileInformationByHandle(aberto.Get(), &info);
}

bool MesmaIdentidade(const BY_HANDLE_FILE_INFORMATION& x, const BY_HANDLE_FILE_INFORMATION& y) {
    return x.dwVolumeSerialNumber == y.dwVolumeSerialNumber &&
           x.nFileIndexHigh == y.nFileIndexHigh && x.nFileIndexLow == y.nFileIndexLow;
}

// The path without its last component and the delimiters before it; empty at the top.
std::wstring Acima(const std::wstring& caminho) {
    std::size_t fim = caminho.find_last_not_of(L"\\/");
    if (fim == std::wstring::npos)
        return {};
    const std::size_t barra = caminho.find_last_of(L"\\/", fim);
    if (barra == std::wstring::npos)
        return {};
    fim = caminho.find_last_not_of(L"\\/", barra);
    // A drive root keeps its delimiter: "C:" alone would name the drive's current folder.
    if (fim != std::wstring::npos && caminho[fim] == L':')
        return caminho.substr(0, fim + 2);
    return fim == std::wstring::npos ? std::wstring() : caminho.substr(0, fim + 1);
}

} // namespace

bool MesmoArquivo(const std::wstring& a, const std::wstring& b) {
    BY_HANDLE_FILE_INFORMATION x{};
    BY_HANDLE_FILE_INFORMATION y{};
    return Identidade(a, x) && Identidade(b, y) && MesmaIdentidade(x, y);
}

bool DentroDaPasta(const std::wstring& caminho, const std::wstring& pasta) {
    BY_HANDLE_FILE_INFORMATION procurada{};
    if (!Identidade(pasta, procurada))
        return false;
    for (std::wstring acima = Acima(caminho); !acima.empty(); acima = Acima(acima)) {
        BY_HANDLE_FILE_INFORMATION info{};
        if (Identidade(acima, info) && MesmaIdentidade(info, procurada))
            return true;
    }
    return false;
}

std::wstring PastaDoCaminho(const std::wstring& caminho) {
    const std::size_t barra = caminho.find_last_of(L"\\/");
    return barra == std::wstring::npos ? std::wstring() : caminho.substr(0, barra + 1);
}

} // namespace kt
