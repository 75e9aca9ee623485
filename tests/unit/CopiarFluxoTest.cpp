#include "tests/unit/AuxiliaresFluxo.h"

#include <gtest/gtest.h>

namespace {

using namespace kt;
using namespace kt::teste;

// A memory source that notes the size of every read asked of it.
class TFluxoAnotado : public TFluxoMemoria {
public:
    using TFluxoMemoria::TFluxoMemoria;
    std::size_t Ler(void* destino, std::size_t n) override {
        pedidos.push_back(n);
        return TFluxoMemoria::Ler(destino, n);
    }
    std::vector<std::size_t> pedidos;
};

struct TCasoDeBlocos {
    std::size_t contagem;
    std::vector<std::size_t> leituras;
    std::vector<std::int32_t> percentuais;
};

class CopiarFluxoBlocos : public testing::TestWithParam<TCasoDeBlocos> {};

TEST_P(CopiarFluxoBlocos, ReadsWholeChunksAndReportsEachOnce) {
    const TCasoDeBlocos& caso = GetParam();
    const auto dados = BytesAleatorios(caso.contagem + 7);
    TFluxoAnotado origem(dados);
    TFluxoMemoria destino;
    TRegistroProgresso registro;

    EXPECT_EQ(CopiarFluxo(origem, destino, caso.contagem, registro.Evento(), caso.contagem),
              caso.contagem);
    EXPECT_EQ(origem.pedidos, caso.leituras);
    EXPECT_EQ(registro.percentuais, caso.percentuais);
    EXPECT_TRUE(std::equal(destino.Dados().begin(), destino.Dados().end(), dados.begin()));
    EXPECT_EQ(destino.Dados().size(), caso.contagem);
}

INSTANTIATE_TEST_SUITE_P(
    Tamanhos, CopiarFluxoBlocos,
    testing::Values(TCasoDeBlocos{122880, {61440, 61440}, {50, 100}},
                    TCasoDeBlocos{61441, {61440, 1}, {99, 100}},
                    TCasoDeBlocos{61440, {61440}, {100}}, TCasoDeBlocos{100, {100}, {100}},
                    TCasoDeBlocos{184321, {61440, 61440, 61440, 1}, {33, 66, 99, 100}}));

TEST(CopiarFluxo, CountsThePercentAgainstTheTotalGiven) {
    TFluxoMemoria origem(BytesAleatorios(61440));
    TFluxoMemoria destino;
    TRegistroProgresso registro;
    CopiarFluxo(origem, destino, 61440, registro.Evento(), 3 * 61440);
    EXPECT_EQ(registro.percentuais, std::vector<std::int32_t>{33});
}

TEST(CopiarFluxo, CopiesFromBothCurrentPositions) {
    const auto dados = BytesAleatorios(300);
    TFluxoMemoria origem(dados);
    origem.Posicionar(100, TOrigemFluxo::Inicio);
    TFluxoMemoria destino({9, 9});
    destino.Posicionar(0, TOrigemFluxo::Fim);

    CopiarFluxo(origem, destino, 50, {}, 50);
    ASSERT_EQ(destino.Dados().size(), 52u);
    EXPECT_TRUE(std::equal(dados.begin() + 100, dados.begin() + 150, destino.Dados().begin() + 2));
    EXPECT_EQ(origem.Posicao(), 150);
}

TEST(CopiarFluxo, CountZeroCopiesTheWholeSourceFromItsStart) {
    const auto dados = BytesAleatorios(70000);
    TFluxoMemoria origem(dados);
    origem.Posicionar(500, TOrigemFluxo::Inicio);
    TFluxoMemoria destino;
    TRegistroProgresso registro;

    EXPECT_EQ(CopiarFluxo(origem, destino, 0, registro.Evento(), 0), 70000u);
    EXPECT_EQ(destino.Dados(), dados);
    EXPECT_EQ(registro.percentuais, (std::vector<std::int32_t>{87, 100}));
}

TEST(CopiarFluxo, CountZeroOfAnEmptySourceCopiesNothingAndReportsNothing) {
    TFluxoMemoria origem;
    TFluxoMemoria destino;
    TRegistroProgresso registro;
    EXPECT_EQ(CopiarFluxo(origem, destino, 0, registro.Evento(), 0), 0u);
    EXPECT_EQ(destino.Tamanho(), 0);
    EXPECT_TRUE(registro.percentuais.empty());
}

TEST(CopiarFluxoParar, StopsAfterTheChunkAndKeepsWhatWasWritten) {
    const auto dados = BytesAleatorios(3 * 61440);
    TFluxoMemoria origem(dados);
    TFluxoMemoria destino;
    TRegistroProgresso registro{.pararNa = 2};

    EXPECT_EQ(CopiarFluxo(origem, destino, dados.size(), registro.Evento(), dados.size()),
              2u * 61440);
    EXPECT_EQ(registro.percentuais, (std::vector<std::int32_t>{33, 66}));
    ASSERT_EQ(destino.Dados().size(), 2u * 61440);
    EXPECT_TRUE(std::equal(destino.Dados().begin(), destino.Dados().end(), dados.begin()));
}

TEST(CopiarFluxoFalhas, AShortReadIsAnErrorAfterTheWholeChunksBeforeIt) {
    const auto dados = BytesAleatorios(61440 + 10);
    TFluxoMemoria origem(dados);
    TFluxoMemoria destino;
    TRegistroProgresso registro;

    EXPECT_THROW(CopiarFluxo(origem, destino, 2 * 61440, registro.Evento(), 2 * 61440),
                 ELeituraDeFluxo);
    EXPECT_EQ(destino.Dados().size(), 61440u) << "the partial chunk is not written";
    EXPECT_EQ(registro.percentuais, std::vector<std::int32_t>{50});
}

TEST(CopiarFluxoFalhas, AShortReadOfTheOnlyChunkWritesNothing) {
    TFluxoMemoria origem(BytesAleatorios(99));
    TFluxoMemoria destino;
    EXPECT_THROW(CopiarFluxo(origem, destino, 100, {}, 100), ELeituraDeFluxo);
    EXPECT_EQ(destino.Tamanho(), 0);
}

TEST(CopiarFluxoFalhas, AShortWriteIsAnError) {
    TFluxoMemoria origem(BytesAleatorios(2 * 61440));
    TFluxoLimitado destino(61440 + 5);
    TRegistroProgresso registro;
    EXPECT_THROW(CopiarFluxo(origem, destino, 2 * 61440, registro.Evento(), 2 * 61440),
                 EGravacaoDeFluxo);
    EXPECT_EQ(registro.percentuais, std::vector<std::int32_t>{50});
}

} // namespace
