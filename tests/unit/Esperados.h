// The saved expected outputs in tests/unit/esperados/, kept in UTF-8, and the conversion that
// lets a test compare the program's wide texts with them byte for byte.
#pragma once

#include <string>
#include <string_view>

namespace teste {

// The bytes of a saved expected file; a missing file fails the test that asked for it.
std::string LerEsperado(std::string_view nome);

std::string Utf8(std::wstring_view texto);

} // namespace teste
