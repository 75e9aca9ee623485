// Pontilha's routines for the hook record: its entry in the Windows list of installed programs
// and the removal of that entry and of its shortcuts.
#pragma once

#include <string>

namespace kt {

// Writes the product's Uninstall key under HKEY_LOCAL_MACHINE (made when missing) with
// ValoresDesinstalacao (core/produto/ValoresDesinstalacao.h). A registry failure raises the error
// of its Windows error code.
void RegistrarDesinstalacao(const std::wstring& diretorio);

// The shortcut "Pontilha.lnk" to the installed start page, in the Start menu's Programs folder and
// on the desktop. The shell service reports its own failures; its result is not needed here.
void CriarAtalhoMenuIniciar(const std::wstring& diretorio);
void CriarAtalhoAreaDeTrabalho(const std::wstring& diretorio);

// Both removals leave what belongs to another installation of the product: an uninstaller copied
// somewhere else and run there must not take the Programs list's entry and the shortcuts of the
// installation that is still in use. What names a file that still exists outside the directory
// belongs to another installation; what names this directory, or nothing that exists any more, is
// this one's.

// Deletes the Uninstall key with its values and any subkeys, unless its uninstaller is another
// installation's; a missing key is no error.
void ApagarRegistroDesinstalacao(const std::wstring& diretorio);

// Deletes the shortcut from the desktop and then from the Start menu's Programs folder, each
// unless it points at another installation's start page; a missing shortcut is no error.
void RemoverAtalhosProduto(const std::wstring& diretorio);

} // namespace kt
