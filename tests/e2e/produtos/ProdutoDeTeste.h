// What every test product's entry does: the entry of Pontilha.exe with a content function of its
// own and a hook record without routines.
#pragma once

#include "core/ArquivosIAC/ArquivoIAC.h"

namespace produtos {

int ExecutarProdutoDeTeste(const kt::TConteudoDescricao& conteudo);

} // namespace produtos
