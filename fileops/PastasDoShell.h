// The user's special folders (desktop, Start menu, Programs ...) by their CSIDL.
#pragma once

#include <string>

namespace kt {

// The folder's path without a trailing delimiter; empty when the shell cannot name it.
std::wstring PastaEspecial(int csidl);

} // namespace kt
