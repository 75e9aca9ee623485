#include "fileops/TextosFramework.h"

#include "tests/unit/Esperados.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

using kt::TextoFramework;
namespace ids = kt::ids;

namespace {

// The saved table: one "id<TAB>text" line per entry.
std::map<int, std::string> TabelaSalva() {
    std::map<int, std::string> tabela;
    std::istringstream entrada(teste::LerEsperado("TextosFramework.txt"));
    for (std::string linha; std::getline(entrada, linha);) {
        const std::size_t tab = linha.find('\t');
        tabela[std::stoi(linha.substr(0, tab))] = linha.substr(tab + 1);
    }
    return tabela;
}

} // namespace

TEST(TextosFramework, EveryEntryIsTheSavedText) {
    const std::map<int, std::string> salva = TabelaSalva();
    ASSERT_EQ(salva.size(), 48u);
    for (const auto& [id, texto] : salva)
        EXPECT_EQ(kt::Utf8(TextoFramework(id)), texto) << "id " << id;
}

TEST(TextosFramework, TheTableHoldsNothingElse) {
    const std::map<int, std::string> salva = TabelaSalva();
    std::set<int> vistos;
    for (const kt::TTextoFramework& entrada : kt::TabelaTextosFramework()) {
        EXPECT_TRUE(vistos.insert(entrada.Id).second) << "id twice: " << entrada.Id;
        EXPECT_TRUE(salva.contains(entrada.Id)) << "id not saved: " << entrada.Id;
    }
    EXPECT_EQ(vistos.size(), salva.size());
}

TEST(TextosFramework, UnknownIdsHaveNoText) {
    for (int id : {0, -1, 1, 65233 + 1000, 65238, 65281, 65283, 65284, 65288, 65312, 65328})
        EXPECT_TRUE(TextoFramework(id).empty()) << id;
}

TEST(TextosFramework, BlanksAndQuotesStayAsWritten) {
    const std::wstring_view estrutura = TextoFramework(ids::kViolacaoDeAcessoSolucao);
    EXPECT_NE(estrutura.find(L"estrutura  ou"), std::wstring_view::npos);
    EXPECT_NE(estrutura.find(L"valido.A Central"), std::wstring_view::npos);
    EXPECT_TRUE(TextoFramework(ids::kCopiaSobreSiMesmo).starts_with(L"    O nome"));
    EXPECT_NE(TextoFramework(ids::kAcessoNegadoSolucao).find(L"\"Somente-Leitura\""),
              std::wstring_view::npos);
    EXPECT_EQ(TextoFramework(ids::kDistribuicao), L" Distribuição ");
    EXPECT_TRUE(TextoFramework(ids::kInsiraDisco).starts_with(L"        Por"));
}

TEST(TextosFramework, TheFiveSolutionlessEntriesShareOneText) {
    const std::wstring_view texto = TextoFramework(ids::kSemSolucao);
    ASSERT_FALSE(texto.empty());
    for (int id : {ids::kImpossivelCriarSolucao, ids::kAtalhoSolucao, ids::kVersaoSolucao,
                   ids::kJaExisteSolucao})
        EXPECT_EQ(TextoFramework(id), texto) << id;
}
