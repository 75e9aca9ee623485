// The user's special folders (desktop, Start menu, Programs ...) by their CSIDL.
#pragma once

#include <string>

namespace kt {

// The folder's path without a trailing delimiter; empty when the shell cannot name it.
std::wstring PastaEspecial(int csidl);

// Whether the existing folder is one that the system itself names: a drive or volume root, one of
// the special folders (Program Files, Windows, the desktop, the user's profile and documents ...)
// or the temporary folder. Such a folder is never the installation's own to remove.
bool PastaDoSistema(const std::wstring& pasta);

} // namespace kt
