// The life of a setup program built on the framework, from its entry to its exit code.
#pragma once

#include "core/ArquivosIAC/ArquivoIAC.h"
#include "core/formularios/RotinasProduto.h"

#include <string>

namespace kt {

// Loads no DLL from the program's own folder from here on (as far as the system allows: every
// DLL that the program loads itself, and every one that the system's components are known to load
// for it, comes from the system directory), initialises the toolkit,
// creates the Solutions Center for the run, installs it and the framework's other windows in the
// slots through which the services reach them, and runs the wizard (ExecutarAssistente). Returns
// the exit code: 0 when the wizard ran, whatever it did (it reports its own failures); 1, after
// the standard error display, when it could not run at all. Called first thing by the program's
// entry.
//
// With a product's name, one wizard of the product at a time: two wizards in one folder would take
// each other's files for their own. A second start while another runs says so and ends with 0.
int ExecutarProgramaDeInstalacao(const std::wstring& nomeDescricao, const TRotinasProduto& rotinas,
                                 TConteudoDescricao conteudo, const std::wstring& produto = {});

} // namespace kt
