// Launching what a help record names: the Help buttons of the framework's dialogs.
#pragma once

#include "fileops/Ajuda.h"

namespace kt {

// By the record's kind: 1 starts the program ArquivoAjuda with Parametros and does not wait; 2
// opens the document ArquivoAjuda through the shell, with Parametros, in the document's
// directory; 3 opens the help file ArquivoAjuda at Contexto; anything else (and no record) does
// nothing. Failures of the launch are ignored and nothing is reported.
void AbrirAjuda(const TRegistroAjuda* ajuda);

} // namespace kt
