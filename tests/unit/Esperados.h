// The saved expected outputs in tests/unit/esperados/, kept in UTF-8: a test compares the
// program's wide texts with them byte for byte through kt::Utf8 (fileops/Texto.h).
#pragma once

#include "fileops/Texto.h"

#include <string>
#include <string_view>

namespace teste {

// The bytes of a saved expected file; a missing file fails the test that asked for it.
std::string LerEsperado(std::string_view nome);

} // namespace teste
