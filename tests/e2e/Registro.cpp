#include "tests/e2e/Registro.h"

#include "base/Owned.h"

#include <windows.h>

#include <vector>

namespace e2e {

std::wstring ProgramFilesDe32Bits() {
    return ValorDe32Bits(L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", L"ProgramFilesDir")
        .value_or(std::wstring());
}

std::optional<std::wstring> ValorDe32Bits(const std::wstring& chave, const std::wstring& valor) {
    base::UniqueKey aberta;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, chave.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY,
                      aberta.Put()) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD bytes = 0;
    if (RegQueryValueExW(aberta.Get(), valor.c_str(), nullptr, nullptr, nullptr, &bytes) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::vector<wchar_t> texto(bytes / sizeof(wchar_t) + 1, L'\0');
    RegQueryValueExW(aberta.Get(), valor.c_str(), nullptr, nullptr,
                     reinterpret_cast<BYTE*>(texto.data()), &bytes);
    return std::wstring(texto.data());
}

bool ChaveExisteEm32Bits(const std::wstring& chave) {
    base::UniqueKey aberta;
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, chave.c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY,
                         aberta.Put()) == ERROR_SUCCESS;
}

void ApagarChaveDe32Bits(const std::wstring& chave) {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, chave.c_str());
}

} // namespace e2e
