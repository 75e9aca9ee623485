// The wizard run in this process, the way the launcher runs it, while a robot thread works it.
// The robot reaches the window's state only through steps run on the main thread, and ends the
// run itself; whatever happens to the robot, the wizard is made to close.
#pragma once

#include "core/formularios/Assistente.h"
#include "core/formularios/ExecutarAssistente.h"
#include "tests/win/comum/Janelas.h"

#include <functional>

namespace teste {

// Runs a step on the main thread with the wizard shown there.
void NoAssistente(const std::function<void(kt::TfrmAssistente&)>& passo);

// The wizard's scene, read on the main thread.
kt::TCena CenaAtual();
bool EsperarCena(kt::TCena cena);

// Runs ExecutarAssistente with the content and the hook record; the robot gets the window once
// it shows the scene given, the operation page unless told. Answers false when that scene never
// came.
bool ExecutarAssistenteCom(const kt::TConteudoDescricao& conteudo,
                           const std::function<void(HWND janela)>& robo,
                           const kt::TRotinasProduto& rotinas = {},
                           kt::TCena cena = kt::cenaConfigurar);

} // namespace teste
