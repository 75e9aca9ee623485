// The directories that the wizard reads at start-up, each ending in a path delimiter.
#pragma once

#include <windows.h>

#include <string>

namespace kt {

// The key whose value "ProgramFilesDir" names the Program Files directory, under
// HKEY_LOCAL_MACHINE; a 32-bit program reads its own view of it.
inline constexpr const wchar_t* kChaveVersaoDoWindows =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
inline constexpr const wchar_t* kValorProgramFiles = L"ProgramFilesDir";

std::wstring LerDiretorioDoWindows();
std::wstring LerDiretorioDoSistema();
// The directory of the running executable.
std::wstring LerDiretorioDoPrograma();
// The Program Files directory as the registry gives it; a lone delimiter when it names none.
std::wstring LerDiretorioProgramFiles();

} // namespace kt
