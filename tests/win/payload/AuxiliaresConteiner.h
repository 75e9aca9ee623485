// What the container services' Windows tests share: containers made here with zlib's compress2
// at best compression (as the packer makes them, but independently of it), whole files as bytes,
// and the reports that the services show, as the robot reads them.
#pragma once

#include "tests/unit/AuxiliaresFluxo.h"
#include "tests/win/comum/RoboCentral.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace teste {

std::string ComoTexto(const std::vector<std::uint8_t>& bytes);

// The container of the data: the header (a ".txt" extension, version zero), then the stream.
std::vector<std::uint8_t> Conteiner(const std::vector<std::uint8_t>& dados);
bool GravarBytes(const std::wstring& caminho, const std::vector<std::uint8_t>& bytes);

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
