#include "tests/e2e/Registro.h"

#include "ui/Owned.h"

#include <windows.h>

#include <vector>

namespace e2e {

std::wstring ProgramFilesDe32Bits() {
    ui::UniqueKey chave;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion", 0,
                      KEY_QUERY_VALUE | KEY_WOW64_32KEY, chave.Put()) != ERROR_SUCCESS)
        return {};
    DWORD bytes = 0;
    if (RegQueryValueExW(chave.Get(), L"ProgramFilesDir", nullptr, nullptr, nullptr, &bytes) !=
        ERROR_SUCCESS)
        return {};
    std::vector<wchar_t> texto(bytes / sizeof(wchar_t) + 1, L'\0');
    RegQueryValueExW(chave.Get(), L"ProgramFilesDir", nullptr, nullptr,
                     reinterpret_cast<BYTE*>(texto.data()), &bytes);
    return texto.data();
}

} // namespace e2e
