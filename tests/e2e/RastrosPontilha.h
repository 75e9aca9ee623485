// What an installation of Pontilha leaves on the machine outside its folder: its two shortcuts and
// its Uninstall entry, which Wine's list of installed programs shows. The tests that install
// Pontilha share them, and run one at a time.
#pragma once

#include <array>
#include <string>

namespace e2e {

// The shortcuts, in the Start menu's Programs folder and on the desktop.
std::array<std::wstring, 2> AtalhosDoPontilha();

// Pontilha's traces on the machine gone: the folder, the shortcuts, the Uninstall entry.
void LimparPontilha(const std::wstring& pasta);

// Whether Wine's own list of installed programs ("uninstaller --list") names Pontilha.
bool NaListaDeProgramas();

} // namespace e2e
