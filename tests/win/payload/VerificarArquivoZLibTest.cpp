// The check of a container file, for real: how many bytes make a header, what the signature
// decides and what reaches the header buffer, all without a report. The reports of files that
// cannot be read are rows of tests/win/RelatoriosDosServicosTest.cpp.
#include "dialogs/ServicosKT.h"
#include "tests/unit/AuxiliaresFluxo.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/RelatoriosGravados.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using kt::TCabecalhoZLib;
using ::teste::PastaTemporaria;

constexpr std::uint8_t kAssinatura[] = {0x02, 0xE1, 0xEF, 0x0F};

// A header buffer filled with a mark, to see whether the check wrote into it.
TCabecalhoZLib Marcado() {
    TCabecalhoZLib cabecalho;
    std::memset(static_cast<void*>(&cabecalho), 0xA5, sizeof cabecalho);
    return cabecalho;
}

std::vector<std::uint8_t> Bytes(const TCabecalhoZLib& cabecalho) {
    const auto* inicio = reinterpret_cast<const std::uint8_t*>(&cabecalho);
    return {inicio, inicio + sizeof cabecalho};
}

struct TVerificacao {
    bool resultado = false;
    TCabecalhoZLib cabecalho = Marcado();
    std::vector<::teste::TRelatorioGravado> vistos;
};

TVerificacao Verificar(const std::wstring& arquivo) {
    TVerificacao v;
    v.vistos = ::teste::Gravando(
        [&] { v.resultado = kt::ServicosKT::VerificarArquivoZLib(arquivo, &v.cabecalho); });
    return v;
}

class VerificarCurto : public testing::TestWithParam<std::size_t> {};

// Even a file that starts with the signature is no container below 50 bytes.
TEST_P(VerificarCurto, IsNoContainerAndLeavesTheHeaderBufferAlone) {
    PastaTemporaria pasta(L"kt verificar");
    const std::wstring arquivo = pasta / L"curto.zlib";
    std::vector<std::uint8_t> bytes = kt::teste::Conteiner(kt::teste::BytesDeTexto(1000));
    bytes.resize(GetParam());
    ASSERT_TRUE(::teste::GravarBytes(arquivo, bytes));
    const TVerificacao v = Verificar(arquivo);
    EXPECT_FALSE(v.resultado);
    EXPECT_EQ(Bytes(v.cabecalho), Bytes(Marcado()));
    EXPECT_TRUE(v.vistos.empty());
}

INSTANTIATE_TEST_SUITE_P(Tamanhos, VerificarCurto, testing::Values(0u, 1u, 8u, 49u));

TEST(VerificarArquivoZLib, FiftyBytesWithOnlyTheSignatureAreAContainer) {
    PastaTemporaria pasta(L"kt verificar");
    const std::wstring arquivo = pasta / L"assinatura.zlib";
    std::vector<std::uint8_t> bytes(50, 0);
    std::memcpy(bytes.data() + 4, kAssinatura, sizeof kAssinatura);
    ASSERT_TRUE(::teste::GravarBytes(arquivo, bytes));
    const TVerificacao v = Verificar(arquivo);
    EXPECT_TRUE(v.resultado);
    EXPECT_EQ(Bytes(v.cabecalho), bytes);
    EXPECT_TRUE(v.vistos.empty());
}

TEST(VerificarArquivoZLib, AWrongSignatureStillCopiesTheHeader) {
    PastaTemporaria pasta(L"kt verificar");
    const std::wstring arquivo = pasta / L"outro.zlib";
    std::vector<std::uint8_t> bytes = kt::teste::Conteiner(kt::teste::BytesDeTexto(500));
    bytes[7] = 0x0E;
    ASSERT_TRUE(::teste::GravarBytes(arquivo, bytes));
    const TVerificacao v = Verificar(arquivo);
    EXPECT_FALSE(v.resultado);
    EXPECT_EQ(Bytes(v.cabecalho), std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 50));
    EXPECT_TRUE(v.vistos.empty());
}

TEST(VerificarArquivoZLib, APackedContainerPassesWithItsHeader) {
    PastaTemporaria pasta(L"kt verificar");
    const std::wstring arquivo = pasta / L"página.zlib";
    ASSERT_TRUE(::teste::GravarBytes(arquivo, kt::teste::Conteiner(kt::teste::BytesDeTexto(777))));
    const TVerificacao v = Verificar(arquivo);
    EXPECT_TRUE(v.resultado);
    EXPECT_EQ(+v.cabecalho.TamanhoCabecalho, 50u);
    EXPECT_EQ(+v.cabecalho.TamanhoDescompactado, 777u);
    EXPECT_EQ(+v.cabecalho.Formato, 3u);
    EXPECT_STREQ(v.cabecalho.Extensao, ".txt");
    EXPECT_TRUE(v.vistos.empty());
}

TEST(VerificarArquivoZLib, WorksWithoutAHeaderBuffer) {
    PastaTemporaria pasta(L"kt verificar");
    const std::wstring bom = pasta / L"bom.zlib";
    const std::wstring ruim = pasta / L"ruim.zlib";
    ASSERT_TRUE(::teste::GravarBytes(bom, kt::teste::Conteiner({1, 2, 3})));
    ASSERT_TRUE(::teste::GravarArquivo(ruim, std::string(60, 'x')));
    bool resultadoBom = false;
    bool resultadoRuim = true;
    const auto vistos = ::teste::Gravando([&] {
        resultadoBom = kt::ServicosKT::VerificarArquivoZLib(bom, nullptr);
        resultadoRuim = kt::ServicosKT::VerificarArquivoZLib(ruim, nullptr);
    });
    EXPECT_TRUE(resultadoBom);
    EXPECT_FALSE(resultadoRuim);
    EXPECT_TRUE(vistos.empty());
}

} // namespace
