// What every test product's entry does: the entry of Pontilha.exe with a content function of its
// own and a hook record of its own, without routines unless it says.
#pragma once

#include "core/ArquivosIAC/ArquivoIAC.h"
#include "core/formularios/RotinasProduto.h"

namespace produtos {

int ExecutarProdutoDeTeste(const kt::TConteudoDescricao& conteudo,
                           kt::TRotinasProduto rotinas = {});

} // namespace produtos
