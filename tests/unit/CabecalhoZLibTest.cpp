#include "payload/container/CabecalhoZLib.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace {

using kt::TCabecalhoZLib;

std::array<std::uint8_t, 50> Bytes(const TCabecalhoZLib& cabecalho) {
    std::array<std::uint8_t, 50> bytes{};
    std::memcpy(bytes.data(), &cabecalho, sizeof cabecalho);
    return bytes;
}

TEST(CabecalhoZLib, IsFiftyBytesWithTheFieldsAtTheirOffsets) {
    TCabecalhoZLib c{};
    c.TamanhoCabecalho = kt::kTamanhoCabecalhoZLib;
    c.Assinatura = kt::kAssinaturaZLib;
    c.TamanhoDescompactado = 0x00011223;
    c.Formato = kt::kFormatoZLib;
    std::memcpy(c.Extensao, ".html", 5);
    c.Versao = kt::TVersaoArquivo{-1, -2, -3, -4, -5, -6};

    const auto b = Bytes(c);
    EXPECT_EQ(sizeof(TCabecalhoZLib), 50u);
    const std::array<std::uint8_t, 16> inteiros = {50,   0,    0,    0,    0x02, 0xE1, 0xEF, 0x0F,
                                                   0x23, 0x12, 0x01, 0x00, 3,    0,    0,    0};
    EXPECT_TRUE(std::equal(inteiros.begin(), inteiros.end(), b.begin()));
    const std::array<std::uint8_t, 10> extensao = {'.', 'h', 't', 'm', 'l', 0, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(extensao.begin(), extensao.end(), b.begin() + 16));
    // Versao: six little-endian signed fields, -1 .. -6, up to the last byte.
    for (int i = 0; i < 6; ++i) {
        std::int32_t campo = 0;
        std::memcpy(&campo, b.data() + 26 + 4 * i, 4);
        EXPECT_EQ(campo, -1 - i) << "field " << i;
    }
    EXPECT_EQ(b[26], 0xFF);
    EXPECT_EQ(b[49], 0xFF);
}

TEST(CabecalhoZLib, ReadsBackFromStoredBytes) {
    std::array<std::uint8_t, 50> b{};
    b[0] = 50;
    b[4] = 0x02, b[5] = 0xE1, b[6] = 0xEF, b[7] = 0x0F;
    b[8] = 0xFD, b[9] = 0xF0; // 61693
    b[12] = 3;
    std::memcpy(b.data() + 16, ".swf", 4);
    b[30] = 7; // major version

    TCabecalhoZLib c;
    std::memcpy(&c, b.data(), sizeof c);
    EXPECT_EQ(+c.TamanhoCabecalho, 50u);
    EXPECT_EQ(+c.Assinatura, kt::kAssinaturaZLib);
    EXPECT_EQ(+c.TamanhoDescompactado, 61693u);
    EXPECT_EQ(+c.Formato, 3u);
    EXPECT_STREQ(c.Extensao, ".swf");
    EXPECT_EQ(+c.Versao.Reservado, 0);
    EXPECT_EQ(+c.Versao.Maior, 7);
}

} // namespace
