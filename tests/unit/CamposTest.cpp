#include "fileops/Campos.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using kt::Juntar;
using kt::JuntarCampos;
using kt::Separar;
using kt::SepararCampos;
using kt::TListaCampos;

namespace {

void EsperarVaziosDesde(const TListaCampos& campos, int primeiro) {
    for (int i = primeiro; i < kt::kNumeroDeCampos; ++i)
        EXPECT_EQ(campos[i], L"") << "slot " << i;
}

} // namespace

// Splitting: separators, blanks and control characters around fields.

TEST(SepararCampos, TrimsFieldsAroundCommas) {
    TListaCampos c;
    SepararCampos(L"a, b ,c", c, L'\0');
    EXPECT_EQ(c[0], L"a");
    EXPECT_EQ(c[1], L"b");
    EXPECT_EQ(c[2], L"c");
    EsperarVaziosDesde(c, 3);
}

TEST(SepararCampos, TrimsControlCharactersAsBlanks) {
    const TListaCampos c = Separar(L"\t\x01um dois\r, \x1F tres\n");
    EXPECT_EQ(c[0], L"um dois");
    EXPECT_EQ(c[1], L"tres");
    EsperarVaziosDesde(c, 2);
}

TEST(SepararCampos, UsesTheGivenSeparator) {
    TListaCampos c;
    SepararCampos(L"a, b; c ;d", c, L';');
    EXPECT_EQ(c[0], L"a, b");
    EXPECT_EQ(c[1], L"c");
    EXPECT_EQ(c[2], L"d");
    EsperarVaziosDesde(c, 3);
}

TEST(SepararCampos, BlankSeparatorTakesRunsOfBlanksAsOne) {
    TListaCampos c;
    SepararCampos(L"   um    dois  tres     ", c, L' ');
    EXPECT_EQ(c[0], L"um");
    EXPECT_EQ(c[1], L"dois");
    EXPECT_EQ(c[2], L"tres");
    EsperarVaziosDesde(c, 3);
}

TEST(SepararCampos, BlankSeparatorKeepsNineWords) {
    TListaCampos c;
    SepararCampos(L"1 2 3 4 5 6 7 8 9 10 11", c, L' ');
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(c[i], std::to_wstring(i + 1));
    EXPECT_EQ(c[9], L"");
}

TEST(SepararCampos, OneCharacterLineFillsSlotZero) {
    for (wchar_t separador : {L'\0', L',', L' '}) {
        TListaCampos c;
        SepararCampos(L"x", c, separador);
        EXPECT_EQ(c[0], L"x");
        EsperarVaziosDesde(c, 1);
    }
}

TEST(SepararCampos, EmptyLineClearsEverySlot) {
    TListaCampos c;
    c.fill(L"velho");
    SepararCampos(L"", c);
    EsperarVaziosDesde(c, 0);

    c.fill(L"velho");
    SepararCampos(L"     ", c, L' ');
    EsperarVaziosDesde(c, 0);
}

TEST(SepararCampos, TenthFieldIsLostAndSlotNineStaysEmpty) {
    const TListaCampos c = Separar(L"1,2,3,4,5,6,7,8,9,10");
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(c[i], std::to_wstring(i + 1));
    EXPECT_EQ(c[9], L"");
}

TEST(SepararCampos, EmptyFieldsBetweenCommasStayInTheirColumns) {
    const TListaCampos c = Separar(L",,x,");
    EXPECT_EQ(c[0], L"");
    EXPECT_EQ(c[1], L"");
    EXPECT_EQ(c[2], L"x");
    EsperarVaziosDesde(c, 3);
}

// Short strings: the line is cut to 255 characters before it is read.

TEST(SepararCampos, ReadsOnlyTheFirst255Characters) {
    const std::wstring longa(300, L'a');
    EXPECT_EQ(Separar(longa)[0], std::wstring(255, L'a'));

    // The comma is the 255th character: what follows it is beyond the cut.
    const TListaCampos c = Separar(std::wstring(254, L'b') + L",perdido");
    EXPECT_EQ(c[0], std::wstring(254, L'b'));
    EsperarVaziosDesde(c, 1);
}

// Joining.

TEST(JuntarCampos, WritesAllTenSlots) {
    TListaCampos c;
    c[0] = L"a";
    c[1] = L"b";
    std::wstring texto = L"velho";
    JuntarCampos(texto, 255, c, L',');
    std::wstring esperado = L"a, b";
    for (int i = 0; i < 8; ++i)
        esperado += L", ";
    EXPECT_EQ(texto, esperado);
}

TEST(JuntarCampos, CutsTo255AndThenToTheCapacity) {
    TListaCampos c;
    c.fill(std::wstring(30, L'z'));
    std::wstring texto;
    JuntarCampos(texto, 1000, c, L',');
    ASSERT_EQ(texto.size(), 255u);
    EXPECT_EQ(texto.substr(0, 32), std::wstring(30, L'z') + L", ");

    JuntarCampos(texto, 10, c, L',');
    EXPECT_EQ(texto, std::wstring(10, L'z'));

    JuntarCampos(texto, -1, c, L',');
    EXPECT_EQ(texto, L"");
}

// Splitting the joined form gives the fields back.

TEST(CamposIdaEVolta, AnyNineFieldsComeBack) {
    // Characters a field may hold inside: no comma, and blanks only between other characters.
    const std::wstring letras = L"abcXYZ019ãçéÕ\\.-_;:()'\"";
    std::mt19937 gerador(20261208);
    std::uniform_int_distribution<int> tamanho(0, 22);
    std::uniform_int_distribution<std::size_t> letra(0, letras.size() - 1);
    std::bernoulli_distribution branco(0.15);

    for (int rodada = 0; rodada < 2000; ++rodada) {
        TListaCampos campos;
        for (int i = 0; i < 9; ++i) {
            const int n = tamanho(gerador);
            for (int k = 0; k < n; ++k) {
                const bool ponta = k == 0 || k == n - 1;
                campos[i] += (!ponta && branco(gerador)) ? L' ' : letras[letra(gerador)];
            }
        }
        const std::wstring linha = Juntar(campos);
        ASSERT_LE(linha.size(), 255u);
        const TListaCampos lidos = Separar(linha);
        for (int i = 0; i < 9; ++i)
            ASSERT_EQ(lidos[i], campos[i]) << "field " << i << " of \"" << linha.size() << "\"";
        ASSERT_EQ(lidos[9], L"");
        ASSERT_EQ(Juntar(lidos), linha);
    }
}
