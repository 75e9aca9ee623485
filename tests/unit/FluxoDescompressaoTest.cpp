#include "tests/unit/AuxiliaresFluxo.h"
#include "tools/empacotador/Empacotador.h"

#include <gtest/gtest.h>

namespace {

using namespace kt;
using namespace kt::teste;

std::vector<std::uint8_t> Conteiner(const std::vector<std::uint8_t>& dados) {
    return EmpacotarDados(dados, ".jpg");
}

std::vector<std::uint8_t> Prefixo(const std::vector<std::uint8_t>& dados, std::size_t n) {
    return {dados.begin(), dados.begin() + static_cast<std::ptrdiff_t>(n)};
}

TEST(Descompressao, ExtractsTheDeclaredSizeWithProgressPerChunk) {
    const auto dados = BytesDeTexto(122880);
    TFluxoMemoria destino;
    TRegistroProgresso registro;
    Extrair(Conteiner(dados), destino, registro.Evento());
    EXPECT_EQ(destino.Dados(), dados);
    EXPECT_EQ(registro.percentuais, (std::vector<std::int32_t>{50, 100}));
}

TEST(Descompressao, ADeclaredSizeBelowTheDataGivesExactlyThatManyBytes) {
    const auto dados = BytesDeTexto(100000);
    auto conteiner = Conteiner(dados);
    DefinirTamanhoDescompactado(conteiner, 61441);
    TFluxoMemoria destino;
    Extrair(conteiner, destino);
    EXPECT_EQ(destino.Dados(), Prefixo(dados, 61441));
}

TEST(Descompressao, ADeclaredSizeAboveTheDataFailsAndKeepsTheChunksBefore) {
    const auto dados = BytesAleatorios(2 * 61440 + 100);
    auto conteiner = Conteiner(dados);
    DefinirTamanhoDescompactado(conteiner, 2 * 61440 + 200);
    TFluxoMemoria destino;
    EXPECT_THROW(Extrair(conteiner, destino), ELeituraDeFluxo);
    EXPECT_EQ(destino.Dados(), Prefixo(dados, 2 * 61440));
}

TEST(Descompressao, DataAfterTheStreamIsIgnored) {
    const auto dados = BytesDeTexto(5000);
    auto conteiner = Conteiner(dados);
    const auto lixo = BytesAleatorios(3000, 7);
    conteiner.insert(conteiner.end(), lixo.begin(), lixo.end());

    TFluxoMemoria destino;
    Extrair(conteiner, destino);
    EXPECT_EQ(destino.Dados(), dados);

    DefinirTamanhoDescompactado(conteiner, 0);
    TFluxoMemoria inteiro;
    Extrair(conteiner, inteiro);
    EXPECT_EQ(inteiro.Dados(), dados);
}

TEST(DescompressaoCorrompida, ABadZlibHeaderIsAnError) {
    auto conteiner = Conteiner(BytesDeTexto(1000));
    conteiner[kTamanhoCabecalhoZLib] = 0x79;
    TFluxoMemoria destino;
    EXPECT_THROW(Extrair(conteiner, destino), EDescompressao);
}

TEST(DescompressaoCorrompida, AChangedByteInCodedDataIsAnError) {
    auto conteiner = Conteiner(BytesDeTexto(20000));
    conteiner[conteiner.size() / 2] ^= 0x10;
    TFluxoMemoria destino;
    EXPECT_THROW(Extrair(conteiner, destino), EErroDeFluxo);
}

// Stored data decodes whatever its bytes are: only the Adler-32 check tells, and it must tell
// also when exactly the file's size is read and the stream's end is not asked for.
TEST(DescompressaoCorrompida, AChangedStoredByteFailsTheCheckAtTheExactSize) {
    const auto dados = BytesAleatorios(1000);
    auto conteiner = Conteiner(dados);
    conteiner[kTamanhoCabecalhoZLib + 2 + 5 + 100] ^= 0x01;
    TFluxoMemoria destino;
    EXPECT_THROW(Extrair(conteiner, destino), EDescompressao);
}

TEST(DescompressaoCorrompida, AChangedChecksumFailsAtTheExactSize) {
    auto conteiner = Conteiner(BytesDeTexto(70000));
    conteiner.back() ^= 0x01;
    TFluxoMemoria destino;
    EXPECT_THROW(Extrair(conteiner, destino), EDescompressao);
}

// Here the trailer comes only with the last refill of the input buffer, after every byte of the
// file has been inflated: only the look past the bytes read finds the failed check.
TEST(DescompressaoCorrompida, AChangedChecksumBeyondTheInputBufferFailsAtTheExactSize) {
    std::size_t tamanho = 40000;
    std::vector<std::uint8_t> conteiner;
    const auto antesDoTrailer = [&] {
        return (conteiner.size() - kTamanhoCabecalhoZLib - 1) % kTamanhoEntradaDescompressao;
    };
    for (int tentativa = 0; tentativa < 10; ++tentativa) {
        conteiner = Conteiner(BytesAleatorios(tamanho));
        if (antesDoTrailer() < 4)
            break;
        const std::size_t r = antesDoTrailer();
        tamanho = r < kTamanhoEntradaDescompressao / 2 ? tamanho - r
                                                       : tamanho + kTamanhoEntradaDescompressao - r;
    }
    ASSERT_LT(antesDoTrailer(), 4u) << "the trailer starts with a refill";

    TFluxoMemoria intacto;
    Extrair(conteiner, intacto);
    conteiner.back() ^= 0x01;
    TFluxoMemoria destino;
    EXPECT_THROW(Extrair(conteiner, destino), EDescompressao);
}

TEST(DescompressaoCorrompida, AStreamCutShortIsAnError) {
    const auto dados = BytesAleatorios(3 * 61440);
    auto conteiner = Conteiner(dados);
    conteiner.resize(conteiner.size() / 2);
    TFluxoMemoria destino;
    EXPECT_THROW(Extrair(conteiner, destino), EDescompressao);
    EXPECT_EQ(destino.Dados(), Prefixo(dados, 61440));
}

TEST(DescompressaoCorrompida, AContainerWithNoStreamIsAnError) {
    auto conteiner = Conteiner(BytesDeTexto(10));
    conteiner.resize(kTamanhoCabecalhoZLib);
    TFluxoMemoria destino;
    EXPECT_THROW(Extrair(conteiner, destino), EDescompressao);
}

// An empty file's container declares 0 bytes, which asks the copy for the whole stream: the
// decompression stream's start is where its zlib data begins and its size is what it inflates
// to, so the copy gets nothing, checks the stream and writes an empty file.
TEST(DescompressaoVazia, TheContainerOfAnEmptyFileGivesAnEmptyFile) {
    const auto conteiner = Conteiner({});
    ASSERT_EQ(+CabecalhoDe(conteiner).TamanhoDescompactado, 0u);
    TFluxoMemoria destino;
    TRegistroProgresso registro;
    Extrair(conteiner, destino, registro.Evento());
    EXPECT_EQ(destino.Tamanho(), 0);
    EXPECT_TRUE(registro.percentuais.empty());
}

TEST(DescompressaoVazia, ACorruptEmptyStreamIsStillAnError) {
    auto conteiner = Conteiner({});
    conteiner.back() ^= 0x01;
    TFluxoMemoria destino;
    EXPECT_THROW(Extrair(conteiner, destino), EDescompressao);
}

TEST(DescompressaoVazia, ADeclaredZeroOverDataInflatesTheWholeStream) {
    const auto dados = BytesDeTexto(70000);
    auto conteiner = Conteiner(dados);
    DefinirTamanhoDescompactado(conteiner, 0);
    TFluxoMemoria destino;
    TRegistroProgresso registro;
    Extrair(conteiner, destino, registro.Evento());
    EXPECT_EQ(destino.Dados(), dados);
    EXPECT_EQ(registro.percentuais, (std::vector<std::int32_t>{87, 100}));
}

class DescompressaoPosicao : public testing::Test {
protected:
    std::vector<std::uint8_t> dados = BytesDeTexto(40000);
    TFluxoMemoria origem{Conteiner(dados)};

    void SetUp() override { origem.Posicionar(kTamanhoCabecalhoZLib, TOrigemFluxo::Inicio); }

    std::vector<std::uint8_t> Ler(TFluxo& fluxo, std::size_t n) {
        std::vector<std::uint8_t> lidos(n);
        lidos.resize(fluxo.Ler(lidos.data(), n));
        return lidos;
    }
    std::vector<std::uint8_t> Trecho(std::size_t inicio, std::size_t n) {
        return {dados.begin() + static_cast<std::ptrdiff_t>(inicio),
                dados.begin() + static_cast<std::ptrdiff_t>(inicio + n)};
    }
};

TEST_F(DescompressaoPosicao, MovesBackAndForthOverTheInflatedBytes) {
    TFluxoDescompressao fluxo(origem);
    EXPECT_EQ(Ler(fluxo, 100), Trecho(0, 100));
    EXPECT_EQ(fluxo.Posicionar(10, TOrigemFluxo::Inicio), 10);
    EXPECT_EQ(Ler(fluxo, 50), Trecho(10, 50));
    EXPECT_EQ(fluxo.Posicionar(20000, TOrigemFluxo::Atual), 20060);
    EXPECT_EQ(Ler(fluxo, 5), Trecho(20060, 5));
    EXPECT_EQ(fluxo.Posicionar(-3, TOrigemFluxo::Fim), 39997);
    EXPECT_EQ(Ler(fluxo, 10), Trecho(39997, 3));
    EXPECT_EQ(fluxo.Posicionar(50000, TOrigemFluxo::Inicio), 40000) << "stops at the end";
}

TEST_F(DescompressaoPosicao, SizeIsTheInflatedSizeAndKeepsThePosition) {
    TFluxoDescompressao fluxo(origem);
    Ler(fluxo, 1234);
    EXPECT_EQ(fluxo.Tamanho(), 40000);
    EXPECT_EQ(fluxo.Posicao(), 1234);
    EXPECT_EQ(Ler(fluxo, 10), Trecho(1234, 10));
}

TEST_F(DescompressaoPosicao, IsReadOnlyAndRefusesPositionsBeforeTheStart) {
    TFluxoDescompressao fluxo(origem);
    const std::uint8_t b = 0;
    EXPECT_EQ(fluxo.Gravar(&b, 1), 0u);
    EXPECT_THROW(fluxo.Posicionar(-1, TOrigemFluxo::Inicio), EErroDeFluxo);
    EXPECT_EQ(Ler(fluxo, 3), Trecho(0, 3));
}

} // namespace
