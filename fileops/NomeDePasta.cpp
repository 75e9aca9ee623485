#include "fileops/NomeDePasta.h"

#include "fileops/Texto.h"

#include <array>
#include <string>

namespace kt {
namespace {

constexpr std::wstring_view kProibidos = L"\\/:*?\"<>|";

constexpr std::array<std::wstring_view, 6> kDispositivos = {L"con", L"prn",    L"aux",
                                                            L"nul", L"conin$", L"conout$"};

bool EhDispositivo(std::wstring_view nome) {
    // The device is named by what comes before the first dot, blanks at its end dropped.
    std::wstring base = Minusculas(nome.substr(0, nome.find(L'.')));
    while (!base.empty() && base.back() == L' ')
        base.pop_back();
    for (std::wstring_view dispositivo : kDispositivos)
        if (base == dispositivo)
            return true;
    return base.size() == 4 && (base.starts_with(L"com") || base.starts_with(L"lpt")) &&
           base[3] >= L'1' && base[3] <= L'9';
}

} // namespace

bool NomeDePastaValido(std::wstring_view nome) {
    if (nome.find_first_not_of(L". ") == std::wstring_view::npos)
        return false;
    for (wchar_t c : nome)
        if (c < L' ' || kProibidos.find(c) != std::wstring_view::npos)
            return false;
    return !EhDispositivo(nome);
}

} // namespace kt
