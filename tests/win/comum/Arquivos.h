// Files for the Windows tests: whole files read and written, and the test programs built beside
// the test executable; and the temporary folder of a test's own (tests/unit/PastaTemporaria.h).
#pragma once

#include "tests/unit/PastaTemporaria.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace teste {

bool Existe(const std::wstring& caminho);
bool GravarArquivo(const std::wstring& caminho, std::string_view bytes);
bool GravarBytes(const std::wstring& caminho, const std::vector<std::uint8_t>& bytes);
std::string LerArquivo(const std::wstring& caminho);
std::string ComoTexto(const std::vector<std::uint8_t>& bytes);

// A program or library of the build, beside the running test executable ("kt_prog_dormir.exe").
std::wstring ProgramaDeTeste(std::wstring_view nome);

std::wstring DeUtf8(std::string_view texto);

} // namespace teste
