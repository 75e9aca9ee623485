#include "fileops/Versao.h"

#include <gtest/gtest.h>

#include <cstddef>

using kt::FormatarVersao;
using kt::TVersaoArquivo;

namespace {

TVersaoArquivo Versao(std::int32_t maior, std::int32_t menor, std::int32_t distribuicao,
                      std::int32_t construcao, std::int32_t patch) {
    TVersaoArquivo v;
    v.Maior = maior;
    v.Menor = menor;
    v.Distribuicao = distribuicao;
    v.Construcao = construcao;
    v.Patch = patch;
    return v;
}

std::wstring Texto(const TVersaoArquivo& v, bool pontuado, std::int32_t maximo = 255) {
    std::wstring texto = L"conteúdo anterior";
    FormatarVersao(v, texto, maximo, pontuado);
    return texto;
}

} // namespace

// The container header stores these 24 bytes as they are.
TEST(TVersaoArquivo, FieldsLieInTheirOrderFourBytesApart) {
    EXPECT_EQ(offsetof(TVersaoArquivo, Reservado), 0u);
    EXPECT_EQ(offsetof(TVersaoArquivo, Maior), 4u);
    EXPECT_EQ(offsetof(TVersaoArquivo, Menor), 8u);
    EXPECT_EQ(offsetof(TVersaoArquivo, Distribuicao), 12u);
    EXPECT_EQ(offsetof(TVersaoArquivo, Construcao), 16u);
    EXPECT_EQ(offsetof(TVersaoArquivo, Patch), 20u);
}

TEST(FormatarVersao, ReleaseOnly) {
    const TVersaoArquivo v = Versao(1, 0, 5, 0, 0);
    EXPECT_EQ(Texto(v, true), L"1.0.5");
    EXPECT_EQ(Texto(v, false), L"1.0 Distribuição 5");
}

TEST(FormatarVersao, AZeroReleaseIsSkipped) {
    const TVersaoArquivo v = Versao(2, 1, 0, 7, 0);
    EXPECT_EQ(Texto(v, true), L"2.1.7");
    EXPECT_EQ(Texto(v, false), L"2.1 Construção 7");
}

TEST(FormatarVersao, MajorAndMinorAlone) {
    const TVersaoArquivo v = Versao(3, 4, 0, 0, 0);
    EXPECT_EQ(Texto(v, true), L"3.4");
    EXPECT_EQ(Texto(v, false), L"3.4");
    EXPECT_EQ(Texto(Versao(0, 0, 0, 0, 0), true), L"0.0");
}

TEST(FormatarVersao, AllParts) {
    const TVersaoArquivo v = Versao(1, 2, 3, 4, 5);
    EXPECT_EQ(Texto(v, true), L"1.2.3.4.5");
    EXPECT_EQ(Texto(v, false), L"1.2 Distribuição 3 Construção 4 Patch 5");
}

TEST(FormatarVersao, NegativePartsAfterMinorAreSkippedLikeZeros) {
    const TVersaoArquivo v = Versao(-1, 2147483647, -3, 0, 9);
    EXPECT_EQ(Texto(v, true), L"-1.2147483647.9");
    EXPECT_EQ(Texto(v, false), L"-1.2147483647 Patch 9");
}

TEST(FormatarVersao, TheLeadingFieldIsNeverRead) {
    TVersaoArquivo v = Versao(1, 0, 0, 0, 0);
    v.Reservado = 77;
    EXPECT_EQ(Texto(v, true), L"1.0");
}

TEST(FormatarVersao, CutToTheCapacity) {
    const TVersaoArquivo v = Versao(12, 34, 5, 6, 7);
    EXPECT_EQ(Texto(v, true, 4), L"12.3");
    EXPECT_EQ(Texto(v, true, 7), L"12.34.5");
    EXPECT_EQ(Texto(v, false, 10), L"12.34 Dist");
    EXPECT_EQ(Texto(v, false, 30), L"12.34 Distribuição 5 Construçã");
    EXPECT_EQ(Texto(v, false, 0), L"");
    EXPECT_EQ(Texto(v, false, -5), L"");
}
