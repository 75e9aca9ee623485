// The file-size service for real: it reads sizes without a report. Its failures are rows of
// tests/win/RelatoriosDosServicosTest.cpp.
#include "fileops/TamanhoArquivo.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/RelatoriosGravados.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

using namespace kt;
using teste::Gravando;
using teste::PastaTemporaria;

TEST(TamanhoArquivo, ReadsTheSizeWithoutAReport) {
    PastaTemporaria pasta(L"kt tamanho");
    const std::wstring arquivo = pasta / L"dados.bin";
    ASSERT_TRUE(teste::GravarArquivo(arquivo, std::string(1234, 'x')));
    std::int32_t tamanho = 0;
    const auto vistos = Gravando([&] { tamanho = TamanhoArquivo(arquivo); });
    EXPECT_EQ(tamanho, 1234);
    EXPECT_TRUE(vistos.empty());
}

} // namespace
