// The fixed version numbers of a file, or of a module that the process has loaded.
#pragma once

#include "fileops/Versao.h"

#include <string_view>

namespace kt {

// Reads the root block of the version information: from the module of that name already loaded
// into the process (doModulo), or else from the file. Each given record gets major, minor,
// release and build from the 16-bit halves of the file or product version; its other fields are
// zeroed. True when the information was found and read. A file without version information or a
// module that is not loaded gives false without a report; any other failure is reported ("Erro
// ao lêr a versão do arquivo.", with the name cut to 255 characters) and gives false.
bool LerVersaoArquivo(std::wstring_view nomeArquivo, bool doModulo, TVersaoArquivo* versaoArquivo,
                      TVersaoArquivo* versaoProduto);

} // namespace kt
