// The check of a container file, for real: how many bytes make a header, what the signature
// decides, what reaches the header buffer, and the reports of files that cannot be read.
#include "dialogs/ServicosKT.h"
#include "fileops/TextosFramework.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/payload/AuxiliaresConteiner.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using kt::TCabecalhoZLib;
using ::teste::ComRobo;
using ::teste::PastaTemporaria;
namespace ids = kt::ids;

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
    std::vector<::teste::TRelatorioVisto> vistos;
};

TVerificacao Verificar(const std::wstring& arquivo) {
    TVerificacao v;
    v.vistos =
        ComRobo([&] { v.resultado = kt::ServicosKT::VerificarArquivoZLib(arquivo, &v.cabecalho); });
    return v;
}

class VerificarCurto : public testing::TestWithParam<std::size_t> {};

// Even a file that starts with the signature is no container below 50 bytes.
TEST_P(VerificarCurto, IsNoContainerAndLeavesTheHeaderBufferAlone) {
    PastaTemporaria pasta(L"kt verificar");
    const std::wstring arquivo = pasta / L"curto.zlib";
    std::vector<std::uint8_t> bytes = ::teste::Conteiner(kt::teste::BytesDeTexto(1000));
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
    std::vector<std::uint8_t> bytes = ::teste::Conteiner(kt::teste::BytesDeTexto(500));
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
    ASSERT_TRUE(::teste::GravarBytes(arquivo, ::teste::Conteiner(kt::teste::BytesDeTexto(777))));
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
    ASSERT_TRUE(::teste::GravarBytes(bom, ::teste::Conteiner({1, 2, 3})));
    ASSERT_TRUE(::teste::GravarArquivo(ruim, std::string(60, 'x')));
    bool resultadoBom = false;
    bool resultadoRuim = true;
    const auto vistos = ComRobo([&] {
        resultadoBom = kt::ServicosKT::VerificarArquivoZLib(bom, nullptr);
        resultadoRuim = kt::ServicosKT::VerificarArquivoZLib(ruim, nullptr);
    });
    EXPECT_TRUE(resultadoBom);
    EXPECT_FALSE(resultadoRuim);
    EXPECT_TRUE(vistos.empty());
}

TEST(VerificarArquivoZLibRelatorios, AMissingFileIsReportedWithItsWindowsErrorNumber) {
    PastaTemporaria pasta(L"kt verificar");
    const std::wstring arquivo = pasta / L"não existe.zlib";
    const TVerificacao v = Verificar(arquivo);
    EXPECT_FALSE(v.resultado);
    EXPECT_EQ(Bytes(v.cabecalho), Bytes(Marcado()));
    ASSERT_EQ(v.vistos.size(), 1u);
    ::teste::EsperarErroInesperado(v.vistos[0], arquivo, ERROR_FILE_NOT_FOUND);
}

TEST(VerificarArquivoZLibRelatorios, ALockedFileIsASharingViolation) {
    PastaTemporaria pasta(L"kt verificar");
    const std::wstring arquivo = pasta / L"preso.zlib";
    const std::vector<std::uint8_t> bytes = ::teste::Conteiner({1, 2, 3});
    ASSERT_TRUE(::teste::GravarBytes(arquivo, bytes));
    HANDLE preso = CreateFileW(arquivo.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(preso, INVALID_HANDLE_VALUE);
    // Even a reader that shares reading locks the check out: it opens the file for itself alone.
    const TVerificacao v = Verificar(arquivo);
    CloseHandle(preso);
    EXPECT_FALSE(v.resultado);
    ASSERT_EQ(v.vistos.size(), 1u);
    ::teste::EsperarRelatorio(v.vistos[0], ids::kViolacaoCompartilhamento, arquivo,
                              kt::TextoFramework(ids::kViolacaoCompartilhamentoSolucao));
    EXPECT_EQ(::teste::LerArquivo(arquivo), ::teste::ComoTexto(bytes));
}

TEST(VerificarArquivoZLibRelatorios, AFolderIsReportedAndNoContainer) {
    PastaTemporaria pasta(L"kt verificar");
    const TVerificacao v = Verificar(pasta.Caminho());
    EXPECT_FALSE(v.resultado);
    ASSERT_EQ(v.vistos.size(), 1u);
    ::teste::EsperarRelatorio(v.vistos[0], ids::kAcessoNegado, pasta.Caminho(),
                              kt::TextoFramework(ids::kAcessoNegadoSolucao));
}

TEST(VerificarArquivoZLibRelatorios, TheReportNamesTheFileAsAShortString) {
    PastaTemporaria pasta(L"kt verificar");
    const std::wstring longo = pasta.Caminho() + std::wstring(300 - pasta.Caminho().size(), L'z');
    const TVerificacao v = Verificar(longo);
    EXPECT_FALSE(v.resultado);
    ASSERT_EQ(v.vistos.size(), 1u);
    EXPECT_EQ(v.vistos[0].Arquivos, ::teste::Linha(ids::kArquivos, longo.substr(0, 255)));
}

} // namespace
