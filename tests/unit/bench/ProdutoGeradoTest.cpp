#include "tests/unit/PastaTemporaria.h"
#include "tools/bench/ProdutoGerado.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <set>

namespace {

using namespace kt::bench;
namespace fs = std::filesystem;

std::string Ler(const fs::path& arquivo) {
    std::ifstream entrada(arquivo, std::ios::binary);
    return {std::istreambuf_iterator<char>(entrada), std::istreambuf_iterator<char>()};
}

TEST(ProdutoGerado, TheSizesAddUpToTheTotalAroundTheMean) {
    for (const TTamanhosGerados tamanhos :
         {TTamanhosGerados{100, 800'000}, TTamanhosGerados{1000, 8'192'000},
          TTamanhosGerados{100, 200u << 20}}) {
        const std::vector<std::uint64_t> bytes = TamanhosDosArquivos(tamanhos);
        ASSERT_EQ(bytes.size(), static_cast<std::size_t>(tamanhos.Arquivos));
        EXPECT_EQ(std::accumulate(bytes.begin(), bytes.end(), std::uint64_t{0}), tamanhos.Bytes);
        const std::uint64_t media = tamanhos.Bytes / tamanhos.Arquivos;
        for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
            EXPECT_GE(bytes[i], media / 2);
            EXPECT_LE(bytes[i], media / 2 + media);
        }
        EXPECT_NE(*std::min_element(bytes.begin(), bytes.end()),
                  *std::max_element(bytes.begin(), bytes.end()));
    }
}

TEST(ProdutoGerado, TinyTotalsStillGiveEveryFileAByte) {
    const std::vector<std::uint64_t> bytes = TamanhosDosArquivos({5, 5});
    EXPECT_EQ(bytes, std::vector<std::uint64_t>(5, 1));
    EXPECT_THROW(TamanhosDosArquivos({5, 4}), std::invalid_argument);
    EXPECT_THROW(TamanhosDosArquivos({0, 4}), std::invalid_argument);
}

TEST(ProdutoGerado, FilesGoInFoldersOfAtMostAHundred) {
    const std::vector<TArquivoNsis> arquivos = ArquivosGerados("/raiz", 250);
    std::set<std::string> pastas;
    std::set<std::string> nomes;
    for (const TArquivoNsis& arquivo : arquivos) {
        pastas.insert(arquivo.Pasta);
        nomes.insert(arquivo.Nome);
        EXPECT_EQ(arquivo.Fonte, fs::path("/raiz") / arquivo.Pasta / arquivo.Nome);
    }
    EXPECT_EQ(pastas, (std::set<std::string>{"pasta000", "pasta001", "pasta002"}));
    EXPECT_EQ(nomes.size(), 250u);
}

// The same count and size make the same bytes, so that NSIS's installer and ours carry the same
// product, and a run on one day compares with a run on another.
TEST(ProdutoGerado, TheFilesAreWrittenWithTheirSizesAndTheSameBytesEveryTime) {
    const teste::PastaTemporaria pasta(L"produto_gerado");
    const TTamanhosGerados tamanhos{150, 1'500'000};
    const TProdutoNsis produto = GerarProduto(tamanhos, pasta.Local());
    const std::vector<std::uint64_t> bytes = TamanhosDosArquivos(tamanhos);
    ASSERT_EQ(produto.Arquivos.size(), 150u);
    std::vector<std::string> conteudos;
    for (std::size_t i = 0; i < produto.Arquivos.size(); ++i) {
        conteudos.push_back(Ler(produto.Arquivos[i].Fonte));
        EXPECT_EQ(conteudos.back().size(), bytes[i]);
    }
    EXPECT_EQ(produto.Pastas.size(), 2u);
    EXPECT_TRUE(produto.Atalhos.empty());
    EXPECT_TRUE(produto.ChaveDesinstalacao.empty());

    fs::create_directories(pasta.Local() / "velho");
    GerarProduto(tamanhos, pasta.Local());
    EXPECT_FALSE(fs::exists(pasta.Local() / "velho"));
    for (std::size_t i = 0; i < produto.Arquivos.size(); ++i)
        EXPECT_EQ(Ler(produto.Arquivos[i].Fonte), conteudos[i]) << produto.Arquivos[i].Nome;
}

} // namespace
