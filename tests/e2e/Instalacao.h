// Pontilha installed for real: from its CD folder, and as the installation must leave it (what it
// leaves outside its folder is tests/e2e/RastrosPontilha.h). The tests that use these run one at
// a time: they share the Uninstall entry and the shortcuts.
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

// The course's files, each with its path below the installation folder, as the description
// installs them (the program itself not among them).
std::vector<std::wstring> ArquivosDoCurso();

} // namespace e2e
