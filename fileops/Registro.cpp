#include "fileops/Registro.h"

#include "base/Owned.h"

#include <vector>

namespace kt {

std::optional<std::wstring> LerTextoDoRegistro(HKEY raiz, const std::wstring& chave,
                                               const std::wstring& valor) {
    base::UniqueKey aberta;
    if (RegOpenKeyExW(raiz, chave.c_str(), 0, KEY_QUERY_VALUE, aberta.Put()) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD tipo = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(aberta.Get(), valor.c_str(), nullptr, &tipo, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        (tipo != REG_SZ && tipo != REG_EXPAND_SZ))
        return std::wstring();
    // One character more than the data, which the registry does not promise to end with a zero.
    std::vector<wchar_t> dados(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(aberta.Get(), valor.c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(dados.data()), &bytes) != ERROR_SUCCESS)
        return std::wstring();
    return std::wstring(dados.data());
}

} // namespace kt
