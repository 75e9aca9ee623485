#include "tools/bench/Estatistica.h"

#include <gtest/gtest.h>

namespace {

using kt::bench::TAmostra;

TAmostra Amostra(std::initializer_list<double> valores) {
    TAmostra amostra;
    for (double valor : valores)
        amostra.Somar(valor);
    return amostra;
}

TEST(Estatistica, TheMedianOfAnOddCountIsTheMiddleValueWhateverTheOrder) {
    const TAmostra amostra = Amostra({0.5, 0.1, 0.3, 9.0, 0.2});
    EXPECT_DOUBLE_EQ(amostra.Mediana(), 0.3);
    EXPECT_DOUBLE_EQ(amostra.Minimo(), 0.1);
    EXPECT_DOUBLE_EQ(amostra.Maximo(), 9.0);
    EXPECT_EQ(amostra.Contar(), 5);
}

TEST(Estatistica, TheMedianOfAnEvenCountIsTheMeanOfTheTwoMiddleValues) {
    EXPECT_DOUBLE_EQ(Amostra({4, 1, 3, 2}).Mediana(), 2.5);
}

TEST(Estatistica, AnEmptySampleAnswersZero) {
    const TAmostra vazia;
    EXPECT_TRUE(vazia.Vazia());
    EXPECT_EQ(vazia.Mediana(), 0);
    EXPECT_EQ(vazia.Minimo(), 0);
    EXPECT_EQ(vazia.Maximo(), 0);
}

TEST(Estatistica, TheClockNeverGoesBack) {
    double antes = kt::bench::Agora();
    for (int i = 0; i < 1000; ++i) {
        const double agora = kt::bench::Agora();
        EXPECT_GE(agora, antes);
        antes = agora;
    }
}

} // namespace
