// Pontilha installed for real and what is left of it afterwards: the course's files, the
// program, the shortcuts and the entry in the list of installed programs. The tests that use
// these run one at a time: they share the entry and the shortcuts.
#pragma once

#include <string>
#include <vector>

namespace e2e {

// Runs Pontilha from its CD folder (the test's folder) and installs it into the folder, answering
// the overwrite question with the button of that id (when given) the first time it comes; fails
// the test on a second one. Returns the closing message and prints how long the installation took.
std::wstring InstalarPontilha(const std::wstring& pasta, int respostaAPergunta = 0);

// The course byte for byte, the uninstaller, both shortcuts and the Uninstall entry.
void EsperarInstalado(const std::wstring& pasta);

// Pontilha's traces on the machine gone: the folder, the shortcuts, the Uninstall entry.
void LimparPontilha(const std::wstring& pasta);

// The course's files, each with its path below the installation folder, as the description
// installs them (the program itself not among them).
std::vector<std::wstring> ArquivosDoCurso();

// The shortcut "Pontilha.lnk" in the Start menu's Programs folder and on the desktop.
std::vector<std::wstring> AtalhosDoProduto();

// Whether Wine's own list of installed programs ("uninstaller --list") names the product.
bool NaListaDeProgramas();

} // namespace e2e
