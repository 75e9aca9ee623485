// A robot for the framework's questions: while this thread (the one that owns the windows) runs an
// action that asks them, a robot thread works each window that appears, as a user would, by its
// caption. Solutions Center reports that appear meanwhile are read and closed with "&Continuar".
#pragma once

#include "tests/win/comum/Janelas.h"
#include "tests/win/comum/RoboCentral.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace teste {

// What to do with a window of that caption; it runs on the robot's thread with the window on
// screen and must leave it closed (or closing).
struct TTratador {
    std::wstring Titulo;
    std::function<void(HWND janela)> Tratar;
    // How long the robot waits for the window to close before it looks again.
    Prazo Espera = kPrazoPadrao;
};

// Runs the action on this thread while the robot answers every window that a handler names, once
// each time one appears, and every report. Returns the reports seen, in order.
std::vector<TRelatorioVisto> ComRoboDeJanelas(const std::function<void()>& acao,
                                              const std::vector<TTratador>& tratadores);

// The control with that id, whose window text (read aloud by screen readers) is the text.
std::wstring TextoDe(HWND janela, int id);

// Keyboard input as the dialog manager sees it: Tab from the control with the focus, a mnemonic
// (Alt and the letter), Enter and Escape at the control with the focus.
void PressionarTab(HWND janela);
void PressionarMnemonico(HWND janela, wchar_t letra);
void PressionarTecla(HWND janela, UINT tecla);

// The id of the window's control that holds the focus (a control made of others counts as one).
int ControleComFoco(HWND janela);
// Presses Tab from the focused control until the focus comes back; the controls visited, in order.
// The focus leaves a window whenever another program's window becomes active: tests that follow
// the focus run alone (suites named ...Teclado).
std::vector<int> PercorrerComTab(HWND janela);

} // namespace teste
