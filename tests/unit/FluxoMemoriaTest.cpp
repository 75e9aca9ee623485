#include "payload/container/Fluxo.h"

#include <gtest/gtest.h>

namespace {

using kt::TFluxoMemoria;
using kt::TOrigemFluxo;

TEST(FluxoMemoria, ReadsUpToTheEndAndThenNothing) {
    TFluxoMemoria fluxo({1, 2, 3, 4, 5});
    std::uint8_t b[8] = {};
    EXPECT_EQ(fluxo.Ler(b, 3), 3u);
    EXPECT_EQ(fluxo.Ler(b, 8), 2u);
    EXPECT_EQ(b[0], 4);
    EXPECT_EQ(b[1], 5);
    EXPECT_EQ(fluxo.Ler(b, 8), 0u);
    EXPECT_EQ(fluxo.Posicao(), 5);
}

TEST(FluxoMemoria, PositionsFromEachOrigin) {
    TFluxoMemoria fluxo({10, 11, 12, 13, 14, 15});
    EXPECT_EQ(fluxo.Posicionar(2, TOrigemFluxo::Inicio), 2);
    EXPECT_EQ(fluxo.Posicionar(3, TOrigemFluxo::Atual), 5);
    EXPECT_EQ(fluxo.Posicionar(-4, TOrigemFluxo::Fim), 2);
    std::uint8_t b = 0;
    fluxo.Ler(&b, 1);
    EXPECT_EQ(b, 12);
    EXPECT_THROW(fluxo.Posicionar(-1, TOrigemFluxo::Inicio), kt::EErroDeFluxo);
    EXPECT_THROW(fluxo.Posicionar(-7, TOrigemFluxo::Fim), kt::EErroDeFluxo);
    EXPECT_EQ(fluxo.Posicao(), 3) << "a refused move leaves the position";
}

TEST(FluxoMemoria, WritingOverwritesThenGrowsAndFillsAGapWithZeros) {
    TFluxoMemoria fluxo({1, 2, 3});
    fluxo.Posicionar(1, TOrigemFluxo::Inicio);
    const std::uint8_t novos[] = {7, 8, 9};
    EXPECT_EQ(fluxo.Gravar(novos, 3), 3u);
    EXPECT_EQ(fluxo.Dados(), (std::vector<std::uint8_t>{1, 7, 8, 9}));
    fluxo.Posicionar(6, TOrigemFluxo::Inicio);
    fluxo.Gravar(novos, 1);
    EXPECT_EQ(fluxo.Dados(), (std::vector<std::uint8_t>{1, 7, 8, 9, 0, 0, 7}));
    EXPECT_EQ(fluxo.Tamanho(), 7);
}

} // namespace
