// The container packer of the build machine: turns a file into a payload container (the
// 50-byte header and a zlib stream at best compression). The program itself only reads them.
#pragma once

#include "fileops/Texto.h"
#include "payload/container/CabecalhoZLib.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kt {

// A packer failure, with its text in UTF-8.
class EEmpacotamento : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Six fields as the header's Versao holds them: a leading one, major, minor, release, build,
// patch.
using TVersaoConteiner = std::array<std::int32_t, 6>;

// The extension of a file name, from its last dot (the dot included); empty without a dot.
std::string ExtensaoDoNome(const std::filesystem::path& nome);

TCabecalhoZLib MontarCabecalho(std::uint32_t tamanhoDescompactado, std::string_view extensao,
                               const TVersaoConteiner& versao);

// The whole container of dados: header, then one zlib stream that ends with the container.
std::vector<std::uint8_t> EmpacotarDados(std::span<const std::uint8_t> dados,
                                         std::string_view extensao,
                                         const TVersaoConteiner& versao = {});

std::vector<std::uint8_t> LerArquivo(const std::filesystem::path& caminho);
void GravarArquivo(const std::filesystem::path& caminho, std::span<const std::uint8_t> dados);

// Packs origem into the container file destino; the extension comes from origem's name.
void EmpacotarArquivo(const std::filesystem::path& origem, const std::filesystem::path& destino,
                      const TVersaoConteiner& versao = {});

} // namespace kt
