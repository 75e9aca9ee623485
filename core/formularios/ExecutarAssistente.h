// The wizard launcher: the one call with which a program built on the framework runs its wizard.
#pragma once

#include "core/ArquivosIAC/ArquivoIAC.h"
#include "core/produto/ConteudoPontilha.h"
#include "core/formularios/RotinasProduto.h"

#include <exception>
#include <string>

namespace kt {

// Creates the wizard, gives it its own copy of the hook record (exactly 44 bytes, whatever the
// size field says) and the description name, posts the start message and shows it modally. The
// window is destroyed when the modal call returns, also when it throws. The content function
// fills the installation description at start-up; Pontilha's by default. Answers the error that
// ended start-up (after its report), or none.
std::exception_ptr ExecutarAssistente(const std::wstring& nomeDescricao,
                                      const TRotinasProduto& rotinas,
                                      TConteudoDescricao conteudo = PreencherConteudoPontilha);

} // namespace kt
