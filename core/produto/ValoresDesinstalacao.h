// The values of Pontilha's entry in the Windows list of installed programs. Portable: no Win32.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kt {

// The value that names the uninstaller, which the entry's removal reads.
inline constexpr const wchar_t* kValorDesinstalador = L"UninstallString";

// The string values of the product's Uninstall key, name and data, in the order in which they
// are written: display name, the uninstaller in the installation directory (quoted when its path
// holds a blank), version, publisher and web addresses.
std::vector<std::pair<std::wstring, std::wstring>>
ValoresDesinstalacao(const std::wstring& diretorio);

} // namespace kt
