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

std::string Utf8(std::wstring_view texto) {
    std::string resultado;
    for (wchar_t c : texto) {
        const auto ponto = static_cast<char32_t>(c);
        if (ponto < 0x80) {
            resultado += static_cast<char>(ponto);
        } else if (ponto < 0x800) {
            resultado += static_cast<char>(0xC0 | (ponto >> 6));
            resultado += static_cast<char>(0x80 | (ponto & 0x3F));
        } else if (ponto < 0x10000) {
            resultado += static_cast<char>(0xE0 | (ponto >> 12));
            resultado += static_cast<char>(0x80 | ((ponto >> 6) & 0x3F));
            resultado += static_cast<char>(0x80 | (ponto & 0x3F));
        } else {
            resultado += static_cast<char>(0xF0 | (ponto >> 18));
            resultado += static_cast<char>(0x80 | ((ponto >> 12) & 0x3F));
            resultado += static_cast<char>(0x80 | ((ponto >> 6) & 0x3F));
            resultado += static_cast<char>(0x80 | (ponto & 0x3F));
        }
    }
    return resultado;
}

} // namespace teste
