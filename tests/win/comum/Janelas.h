// Finding and working windows from outside, as a user would: by caption, class and control id,
// with time limits. Used by the Windows tests (from a robot thread) and the end-to-end driver
// (from another process). Clicks are posted, never sent: the target may be in a modal loop.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace teste {

using namespace std::chrono_literals;
using Prazo = std::chrono::milliseconds;
inline constexpr Prazo kPrazoPadrao = 10s;

// Polls the condition until it holds or the time is up; answers whether it held.
bool EsperarAte(const std::function<bool()>& condicao, Prazo prazo = kPrazoPadrao);

std::wstring Texto(HWND janela);
std::wstring Classe(HWND janela);
// Class names compare without case: Windows registers some as the templates do not spell them.
bool DaClasse(HWND janela, const wchar_t* classe);
bool Visivel(HWND janela);
bool Habilitado(HWND janela);

// Top-level windows, visible or not, of a process (0: any process) or of a thread.
std::vector<HWND> JanelasDoProcesso(DWORD processo);
std::vector<HWND> JanelasDaTarefa(DWORD tarefa);

// A visible top-level window of the process whose caption is exactly the text; waits for it.
HWND EsperarJanela(DWORD processo, const std::wstring& titulo, Prazo prazo = kPrazoPadrao);
// The same for a window of a thread.
HWND EsperarJanelaDaTarefa(DWORD tarefa, const std::wstring& titulo, Prazo prazo = kPrazoPadrao);
// Waits until no visible window of the process has that caption.
bool EsperarFechar(DWORD processo, const std::wstring& titulo, Prazo prazo = kPrazoPadrao);

// A control with the id anywhere below the window (child dialogs included), or null.
HWND Controle(HWND raiz, int id);
// A child of the window whose text is exactly the given one, or null.
HWND ControlePorTexto(HWND raiz, const std::wstring& texto);

// The text of a message box (its static text control).
std::wstring TextoDaMensagem(HWND caixa);
// Presses a button of a message box or dialog by its id (IDOK, IDYES, IDNO ...).
void Responder(HWND caixa, int idBotao);

// Items of a list view with check boxes, in this process or another.
int ContarItens(HWND lista);
std::wstring TextoDoItem(HWND lista, int item);
bool ItemMarcado(HWND lista, int item);
// The item's rectangle in the list's client coordinates.
RECT RetanguloDoItem(HWND lista, int item);

// The text of the item chosen in a ComboBoxEx, in this process or another; empty when none is.
std::wstring TextoEscolhido(HWND caixaEx);

// The buttons of a toolbar, in this process or another, separators left out.
struct TBotaoDaBarra {
    int Comando = 0;
    std::wstring Texto;
    bool Habilitado = false;
};
std::vector<TBotaoDaBarra> BotoesDaBarra(HWND barra);

// The window that has the keyboard focus in the thread that owns the given window.
HWND Foco(HWND janela);
// Presses and releases a key in the window, as keyboard input would reach it.
void Tecla(HWND janela, UINT tecla);
// Types a key as the keyboard does (SendInput): the system gives it to the control that has the
// focus in the window in the foreground. With Alt or Shift held, for a mnemonic or a Shift+Tab.
void Digitar(UINT tecla);
void DigitarComAlt(UINT tecla);
void DigitarComShift(UINT tecla);
// Types a text, each character as the keyboard sends a character it has no key for.
void DigitarTexto(const std::wstring& texto);

// Presses and releases the left mouse button at a point of the window's client area.
void ClicarEm(HWND janela, POINT ponto);
// A double-click of the left button there.
void ClicarDuasVezesEm(HWND janela, POINT ponto);

void Clicar(HWND botao);
void Fechar(HWND janela);
void DefinirTexto(HWND controle, const std::wstring& texto);
bool Marcado(HWND caixa);

} // namespace teste
