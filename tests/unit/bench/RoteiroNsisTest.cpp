#include "core/produto/ConteudoPontilha.h"
#include "tests/unit/Esperados.h"
#include "tools/bench/RoteiroNsis.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace kt::bench;

int Ocorrencias(const std::string& texto, const std::string& trecho) {
    int n = 0;
    for (std::size_t i = texto.find(trecho); i != std::string::npos; i = texto.find(trecho, i + 1))
        ++n;
    return n;
}

TEST(RoteiroNsis, AQuotedTextCannotNameAVariableNorEndTheString) {
    EXPECT_EQ(CitarNsis({}, "a$b\"c"), "\"a$$b$\\\"c\"");
    EXPECT_EQ(CitarNsis("$INSTDIR\\", "Portugues\\x.jpg"), "\"$INSTDIR\\Portugues\\x.jpg\"");
}

// The whole script of Pontilha against the saved one: the site's files in the description's
// order and folders, the two shortcuts, the seven values of the Uninstall entry, and an
// uninstaller that removes them all, the folders deepest first and the installation folder last.
TEST(RoteiroNsis, PontilhasScriptIsTheSavedOne) {
    const std::string texto = TextoRoteiroNsis(ProdutoNsisPontilha("FONTES"), "Pontilha-nsis.exe");
    EXPECT_EQ(texto, teste::LerEsperado("Pontilha.nsi"));
}

// The themed installer differs from the plain one by its one line and nothing else.
TEST(RoteiroNsis, TheThemedScriptAddsXPStyleOnly) {
    TProdutoNsis produto = ProdutoNsisPontilha("FONTES");
    const std::string simples = TextoRoteiroNsis(produto, "x.exe");
    produto.EstiloXP = true;
    std::string tematico = TextoRoteiroNsis(produto, "x.exe");
    ASSERT_EQ(Ocorrencias(tematico, "\nXPStyle on\n"), 1);
    EXPECT_EQ(tematico.erase(tematico.find("XPStyle on\n"), 11), simples);
}

TEST(RoteiroNsis, EverySiteFileIsInstalledAndRemovedOnce) {
    const std::string texto = TextoRoteiroNsis(ProdutoNsisPontilha("FONTES"), "x.exe");
    EXPECT_EQ(Ocorrencias(texto, "  File \"FONTES/"), kt::kArquivosNoSite);
    for (const kt::TArquivoDoSite& arquivo : kt::kArquivosDoSite) {
        const std::string nome = kt::Utf8(arquivo.Nome);
        EXPECT_EQ(Ocorrencias(texto, "/" + nome + "\"\n"), 1) << nome;
        EXPECT_EQ(Ocorrencias(texto, "\\" + nome + "\"\n"), 1) << nome;
    }
}

TEST(RoteiroNsis, AProductWithoutShortcutsOrEntryWritesNeither) {
    TProdutoNsis produto;
    produto.Nome = "P";
    produto.PastaPadrao = "P";
    produto.Desinstalador = "Desinstalar.exe";
    produto.Arquivos = {
        {"/r/a/1.txt", "a", "1.txt"}, {"/r/a/2.txt", "a", "2.txt"}, {"/r/b/3.txt", "b", "3.txt"}};
    produto.Pastas = {"b", "a"};
    const std::string texto = TextoRoteiroNsis(produto, "p.exe");
    EXPECT_EQ(Ocorrencias(texto, "CreateShortCut"), 0);
    EXPECT_EQ(Ocorrencias(texto, "Reg"), 0);
    // One change of folder per run of files in the same folder.
    EXPECT_EQ(Ocorrencias(texto, "SetOutPath"), 2);
    EXPECT_LT(texto.find("RMDir \"$INSTDIR\\b\""), texto.find("RMDir \"$INSTDIR\\a\""));
    EXPECT_LT(texto.find("Delete \"$INSTDIR\\Desinstalar.exe\""),
              texto.find("RMDir \"$INSTDIR\"\n"));
}

} // namespace
