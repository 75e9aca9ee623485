#include "tests/unit/Esperados.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace teste {

std::string LerEsperado(std::string_view nome) {
    const std::string caminho = std::string(KT_ESPERADOS) + "/" + std::string(nome);
    std::ifstream arquivo(caminho, std::ios::binary);
    EXPECT_TRUE(arquivo.is_open()) << caminho;
    return std::string(std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>());
}

} // namespace teste
