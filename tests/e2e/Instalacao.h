// Pontilha installed as the wizard leaves it, and what is left of it afterwards: the course's
// files, the program, the shortcuts and the entry in the list of installed programs.
#pragma once

#include <string>
#include <vector>

namespace e2e {

// Lays out an installation in the folder that already holds Pontilha.exe: the course's files
// from the source tree, then the shortcuts and the Programs entry through the product's own
// routines.
void InstalarPontilhaAMao(const std::wstring& pasta);

// The course's files, each with its path below the installation folder, as the description
// installs them (the program itself not among them).
std::vector<std::wstring> ArquivosDoCurso();

// The shortcut "Pontilha.lnk" in the desktop folder and in the Start menu's Programs folder.
std::vector<std::wstring> AtalhosDoProduto();

// Whether Wine's own list of installed programs ("uninstaller --list") names the product.
bool NaListaDeProgramas();

} // namespace e2e
