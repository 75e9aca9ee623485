// Working the directory browser and its new-folder window from outside, as a user would: from a
// robot thread of the Windows tests or from the end-to-end driver's process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace teste {

// The browser's path box, and the entries of its list from the root down.
std::wstring CaminhoDoNavegador(HWND navegador);
std::vector<std::wstring> EntradasDoNavegador(HWND navegador);
// The index of the entry with that text, or -1.
int EntradaDoNavegador(HWND navegador, const std::wstring& texto);
// The middle of an entry, in the list's client coordinates.
POINT MeioDaEntrada(HWND navegador, int entrada);

// Opens the entry with a double-click; answers whether the path box then names it.
bool AbrirEntrada(HWND navegador, const std::wstring& texto);
// The pop-up menu on screen in the browser's thread; waits for it, null when none appeared.
HWND MenuNaTela(HWND navegador);
// Opens the list's pop-up menu with the context-menu key.
HWND AbrirMenuDaLista(HWND navegador);
// Asks for a new folder from the keyboard (the context-menu key, "&Nova Pasta"), names it and
// presses "&Criar"; answers whether the list then shows it.
bool CriarPastaNoNavegador(HWND navegador, const std::wstring& nome);

// Opens the new-folder window with the toolbar's "&Nova Pasta" and waits for it; null when it did
// not come. It is closed with its "Cancela&r".
HWND AbrirNovaPasta(HWND navegador);
void CancelarNovaPasta(HWND novaPasta);

// Types a path into the path box, as the user would before pressing "&Abrir".
void DigitarCaminho(HWND navegador, const std::wstring& caminho);
void PressionarAbrir(HWND navegador);
void PressionarCancelar(HWND navegador);

} // namespace teste
