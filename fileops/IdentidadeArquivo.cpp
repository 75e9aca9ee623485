#include "fileops/IdentidadeArquivo.h"

#include "fileops/Caminhos.h"

#include "base/Owned.h"

#include <windows.h>

#include <utility>

namespace kt {

namespace {

// Opening asks for no access at all, and backup semantics lets the call open a folder too.
bool Identidade(const std::wstring& caminho, BY_HANDLE_FILE_INFORMATION& info) {
    const base::UniqueFile aberto(
        CreateFileW(caminho.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return aberto && GetFileInformationByHandle(aberto.Get(), &info);
}

bool MesmaIdentidade(const BY_HANDLE_FILE_INFORMATION& x, const BY_HANDLE_FILE_INFORMATION& y) {
    return x.dwVolumeSerialNumber == y.dwVolumeSerialNumber &&
           x.nFileIndexHigh == y.nFileIndexHigh && x.nFileIndexLow == y.nFileIndexLow;
}

} // namespace

std::optional<TIdentidade> IdentidadeDe(const std::wstring& caminho) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!Identidade(caminho, info))
        return std::nullopt;
    return TIdentidade{info.dwVolumeSerialNumber,
                       (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
}

bool MesmoArquivo(const std::wstring& a, const std::wstring& b) {
    BY_HANDLE_FILE_INFORMATION x{};
    BY_HANDLE_FILE_INFORMATION y{};
    return Identidade(a, x) && Identidade(b, y) && MesmaIdentidade(x, y);
}

bool DentroDaPasta(const std::wstring& caminho, const std::wstring& pasta) {
    BY_HANDLE_FILE_INFORMATION procurada{};
    if (!Identidade(pasta, procurada))
        return false;
    // Up to the root, which is its own folder.
    std::wstring_view acima = PastaDe(caminho);
    for (std::wstring_view anterior = caminho; acima.size() < anterior.size();
         anterior = std::exchange(acima, PastaDe(acima))) {
        BY_HANDLE_FILE_INFORMATION info{};
        if (Identidade(std::wstring(acima), info) && MesmaIdentidade(info, procurada))
            return true;
    }
    return false;
}

} // namespace kt
