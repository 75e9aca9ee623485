// What the container services' Windows tests share: whole files as bytes, and the reports that the
// services show. Containers are made by kt::teste::Conteiner (tests/unit/AuxiliaresFluxo.h).
#pragma once

#include "tests/unit/AuxiliaresFluxo.h"
#include "tests/win/comum/RoboCentral.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace teste {

std::string ComoTexto(const std::vector<std::uint8_t>& bytes);

bool GravarBytes(const std::wstring& caminho, const std::vector<std::uint8_t>& bytes);

// A label of the Solutions Center: its prefix text followed by the value.
std::wstring Linha(int prefixo, std::wstring_view valor);
// The solution of "Erro de I/O inexperado." with the Windows error code in it.
std::wstring SolucaoComErro(std::uint32_t erro);

// A report of the framework's module with that problem, files and solution.
void EsperarRelatorio(const TRelatorioVisto& visto, int problema, std::wstring_view arquivos,
                      std::wstring_view solucao);
// A report "Erro de I/O inexperado." naming the files; with a Windows error code, the solution
// must carry exactly that code.
void EsperarErroInesperado(const TRelatorioVisto& visto, std::wstring_view arquivos);
void EsperarErroInesperado(const TRelatorioVisto& visto, std::wstring_view arquivos,
                           std::uint32_t erro);

} // namespace teste
