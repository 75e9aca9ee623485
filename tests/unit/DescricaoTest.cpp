#include "core/ArquivosIAC/Descricao.h"

#include "fileops/Texto.h"
#include "base/Exception.h"

#include <gtest/gtest.h>

using namespace kt;

// Reading rows: blanks, field count and length do not change what a row means.

TEST(LinhaDaDescricao, BlanksAroundFieldsDoNotMatter) {
    const TListaCampos padrao = Separar(L"Portugues, 0, 0, sim");
    EXPECT_EQ(padrao[coluna_diretorio::kCaminho], L"Portugues");
    EXPECT_EQ(padrao[coluna_diretorio::kEstado], kSim);
    EXPECT_EQ(Separar(L"Portugues,0,0,sim"), padrao);
    EXPECT_EQ(Separar(L"   Portugues  ,  0 ,0,   sim   "), padrao);
    EXPECT_EQ(Separar(L"\tPortugues,\t0,0 ,sim\r"), padrao);
}

TEST(LinhaDaDescricao, ElevenFieldsKeepTheFirstNine) {
    const TListaCampos c = Separar(L"c0, c1, c2, c3, c4, c5, c6, c7, c8, c9, c10");
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(c[i], L"c" + std::to_wstring(i));
    EXPECT_EQ(c[9], L"");
}

TEST(LinhaDaDescricao, A300CharacterRowIsHeldAndReadAsItsFirst255) {
    std::wstring longa = L"Portugues\\";
    while (longa.size() < 300)
        longa += L"sub";
    longa = longa.substr(0, 300);
    TListaLinhas linhas;
    linhas.Adicionar(longa);
    EXPECT_EQ(linhas.Linha(0), longa.substr(0, 255));
    EXPECT_EQ(linhas.Campos(0)[0], longa.substr(0, 255));

    linhas.Substituir(0, longa + L", 0, 0, sim");
    EXPECT_EQ(linhas.Linha(0), longa.substr(0, 255));
    EXPECT_EQ(linhas.Campos(0)[coluna_diretorio::kEstado], L"");
}

TEST(LinhaDaDescricao, RowsKeepTheOrderInWhichTheyWereAdded) {
    TListaLinhas linhas;
    linhas.Adicionar(L"b");
    linhas.Adicionar(L"a");
    linhas.Adicionar(L"c");
    ASSERT_EQ(linhas.Contar(), 3);
    EXPECT_EQ(linhas.Linha(0), L"b");
    EXPECT_EQ(linhas.Linha(1), L"a");
    EXPECT_EQ(linhas.Linha(2), L"c");
    EXPECT_THROW(linhas.Linha(3), std::out_of_range);
}

TEST(LinhaDaDescricao, KindAndBaseAreComparedInLowerCase) {
    const TListaCampos c =
        Separar(L"BRAILLE1, 0, RCDATA, BASE, Portugues, braille1.html, 1, 1, sim");
    EXPECT_EQ(Minusculas(c[coluna_arquivo::kTipo]), kTipoRcdata);
    EXPECT_EQ(Minusculas(L"ZLib"), kTipoZlib);
    const TDiretoriosDestino d{L"C:\\WINDOWS\\", L"C:\\WINDOWS\\SYSTEM32\\", L"D:\\Pontilha 1.0\\"};
    EXPECT_EQ(CaminhoDeDestino(c, d), L"D:\\Pontilha 1.0\\Portugues\\braille1.html");
}

TEST(LinhaDaDescricao, StateNaoIsComparedExactly) {
    EXPECT_FALSE(DiferenteDeNao(kNao));
    EXPECT_FALSE(DiferenteDeNao(L"  não "));
    EXPECT_TRUE(DiferenteDeNao(L"Não"));
    EXPECT_TRUE(DiferenteDeNao(L"NÃO"));
    EXPECT_TRUE(DiferenteDeNao(L"nao"));
    EXPECT_TRUE(DiferenteDeNao(L""));
    EXPECT_TRUE(DiferenteDeNao(kSim));
    const TListaCampos c = Separar(L"X, 0, rcdata, Base, , x.txt, 1, 1, Não");
    EXPECT_NE(c[coluna_arquivo::kEstado], kNao);
}

TEST(LinhaDaDescricao, RewrittenFileRowGainsTrailingSeparator) {
    TListaCampos c = Separar(L"BRAILLE1, 0, rcdata, Base, Portugues, braille1.html, 1, 1, não");
    c[coluna_arquivo::kEstado] = kSim;
    const std::wstring escrita = Juntar(c);
    EXPECT_EQ(escrita, L"BRAILLE1, 0, rcdata, Base, Portugues, braille1.html, 1, 1, sim, ");
    EXPECT_EQ(Separar(escrita), c);
}

// The target path of a file row.

class CaminhoDeDestinoTest : public ::testing::Test {
protected:
    const TDiretoriosDestino diretorios{L"C:\\WINDOWS\\", L"C:\\WINDOWS\\SYSTEM32\\",
                                        L"C:\\Arquivos de programas\\Pontilha 1.0\\"};
};

TEST_F(CaminhoDeDestinoTest, WinsysGoesToTheSystemDirectory) {
    EXPECT_EQ(
        CaminhoDeDestino(Separar(L"R, 0, rcdata, WinSys, Portugues, x.dll, 1, 1, sim"), diretorios),
        L"C:\\WINDOWS\\SYSTEM32\\x.dll");
}

TEST_F(CaminhoDeDestinoTest, WinGoesToTheWindowsDirectoryIgnoringTheSubdirectory) {
    EXPECT_EQ(
        CaminhoDeDestino(Separar(L"R, 0, rcdata, WIN, Portugues, x.ini, 1, 1, sim"), diretorios),
        L"C:\\WINDOWS\\x.ini");
}

TEST_F(CaminhoDeDestinoTest, AnyOtherBaseIsTheInstallationDirectory) {
    EXPECT_EQ(
        CaminhoDeDestino(Separar(L"R, 0, rcdata, Base, , Pontilha.pt.html, 1, 1, sim"), diretorios),
        L"C:\\Arquivos de programas\\Pontilha 1.0\\Pontilha.pt.html");
    EXPECT_EQ(
        CaminhoDeDestino(Separar(L"R, 0, rcdata, Base, Portugues\\frases, bebe.jpg, 1, 1, sim"),
                         diretorios),
        L"C:\\Arquivos de programas\\Pontilha 1.0\\Portugues\\frases\\bebe.jpg");
    EXPECT_EQ(CaminhoDeDestino(Separar(L"R, 0, rcdata, , Portugues, a.jpg, 1, 1, sim"), diretorios),
              L"C:\\Arquivos de programas\\Pontilha 1.0\\Portugues\\a.jpg");
    EXPECT_EQ(CaminhoDeDestino(Separar(L"R, 0, rcdata, winsystem, , a.jpg, 1, 1, sim"), diretorios),
              L"C:\\Arquivos de programas\\Pontilha 1.0\\a.jpg");
}

// Number columns.

TEST(LerNumero, ReadsDecimalIntegers) {
    EXPECT_EQ(LerNumero(L"1"), 1);
    EXPECT_EQ(LerNumero(L"0"), 0);
    EXPECT_EQ(LerNumero(L"  42 "), 42);
    EXPECT_EQ(LerNumero(L"-3"), -3);
    EXPECT_EQ(LerNumero(L"+5"), 5);
    EXPECT_EQ(LerNumero(L"007"), 7);
    EXPECT_EQ(LerNumero(L"2147483647"), 2147483647);
    EXPECT_EQ(LerNumero(L"-2147483648"), -2147483647 - 1);
}

TEST(LerNumero, RefusesWhatIsNotAnInteger) {
    for (const wchar_t* texto :
         {L"", L"   ", L"-", L"+", L"abc", L"1a", L"1 2", L"1.5", L"--1", L"0x10", L"$10",
          L"2147483648", L"-2147483649", L"99999999999999999999999", L"١"}) {
        EXPECT_THROW(LerNumero(texto), base::EConvertError) << '"' << texto << '"';
    }
}

TEST(LerNumero, MessageNamesTheValue) {
    try {
        LerNumero(L"um");
        FAIL() << "no error";
    } catch (const base::EConvertError& erro) {
        EXPECT_NE(erro.Message().find(L"'um'"), std::wstring::npos);
    }
}
