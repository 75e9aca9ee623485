// The licence product: the licence page and its answers, and where the licence text comes from.
#include "core/formularios/TextosAssistente.h"
#include "resources/AssistenteIds.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/produtos/Produtos.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using namespace e2e;
namespace textos = kt::textos_assistente;

const std::string kPrimeiraLicenca = "{\\rtf1\\ansi Primeira licenca: termos de uso.\\par}";
const std::string kSegundaLicenca = "Segunda licenca: termos de uso alternativos.";

class Licenca : public testing::Test {
protected:
    // Starts the product and chooses to install.
    void Instalar(const std::wstring& diretorioDeTrabalho = {}) {
        produto.Iniciar(diretorioDeTrabalho);
        ASSERT_TRUE(produto.EsperarAssistente(textos::kTituloDaJanela));
        produto.Clicar(IDC_botaoInstalar);
    }

    bool MostraLicenca(const std::wstring& trecho) const {
        return produto.EsperarCena(IDC_cenaLicenca) &&
               produto.Texto(IDC_Licenca).find(trecho) != std::wstring::npos;
    }

    ProgramaEmTeste produto{produtos::kProdutoLicenca};
};

TEST_F(Licenca, ThePageShowsTheFirstFileTheRemarkAndNoAnswer) {
    produto.CriarArquivo(produtos::kArquivoDeLicenca, kPrimeiraLicenca);
    produto.CriarArquivo(produtos::kArquivoDeLicencaAlternativo, kSegundaLicenca);
    Instalar();
    ASSERT_TRUE(MostraLicenca(L"Primeira licenca"));
    produto.Capturar(L"cenaLicenca");
    EXPECT_EQ(produto.Texto(IDC_lblLicenca2), textos::kLicencaDeUso);
    EXPECT_EQ(produto.Texto(IDC_lblOBS), produtos::kObservacaoLicenca);
    EXPECT_EQ(produto.Texto(IDC_lblPergunta), textos::kPergunta);
    EXPECT_EQ(produto.Texto(IDC_optSim), textos::kRespostaSim);
    EXPECT_EQ(produto.Texto(IDC_optNao), textos::kRespostaNao);
    EXPECT_FALSE(produto.Marcado(IDC_optSim));
    EXPECT_FALSE(produto.Marcado(IDC_optNao));
    EXPECT_EQ(produto.Texto(IDC_botaoContinuarLicenca), textos::kContinuar);
}

TEST_F(Licenca, ContinueWithoutAnAnswerDoesNothingAndNoGoesToTheCloseQuery) {
    produto.CriarArquivo(produtos::kArquivoDeLicenca, kPrimeiraLicenca);
    Instalar();
    ASSERT_TRUE(MostraLicenca(L"Primeira licenca"));

    produto.Clicar(IDC_botaoContinuarLicenca);
    EXPECT_FALSE(produto.EsperarCaixa(textos::kConfirmacao, 500ms));
    EXPECT_EQ(produto.CenaVisivel(), IDC_cenaLicenca);

    produto.Clicar(IDC_optNao);
    ASSERT_TRUE(teste::EsperarAte([&] { return produto.Marcado(IDC_optNao); }));
    produto.Clicar(IDC_botaoContinuarLicenca);
    HWND pergunta = produto.EsperarCaixa(textos::kConfirmacao);
    ASSERT_TRUE(pergunta);
    EXPECT_EQ(teste::TextoDaMensagem(pergunta), textos::kCancelarInstalacao);
    teste::Responder(pergunta, IDNO);
    ASSERT_TRUE(teste::EsperarAte([&] { return !IsWindow(pergunta); }));
    EXPECT_EQ(produto.CenaVisivel(), IDC_cenaLicenca);
}

TEST_F(Licenca, YesLeadsToTheOptionsWhoseBackButtonReturnsToTheLicence) {
    produto.CriarArquivo(produtos::kArquivoDeLicenca, kPrimeiraLicenca);
    Instalar();
    ASSERT_TRUE(MostraLicenca(L"Primeira licenca"));
    produto.Clicar(IDC_optSim);
    ASSERT_TRUE(teste::EsperarAte([&] { return produto.Marcado(IDC_optSim); }));
    produto.Clicar(IDC_botaoContinuarLicenca);
    ASSERT_TRUE(produto.EsperarCena(IDC_cenaOpcoes));
    EXPECT_TRUE(produto.Visivel(IDC_botaoVoltarOpcoes));
    EXPECT_EQ(produto.Texto(IDC_botaoVoltarOpcoes), textos::kVoltar);
    produto.Capturar(L"cenaOpcoes");

    produto.Clicar(IDC_botaoVoltarOpcoes);
    EXPECT_TRUE(produto.EsperarCena(IDC_cenaLicenca));
}

TEST_F(Licenca, AMissingFirstFileFallsBackToTheSecond) {
    produto.CriarArquivo(produtos::kArquivoDeLicencaAlternativo, kSegundaLicenca);
    Instalar();
    EXPECT_TRUE(MostraLicenca(L"Segunda licenca"));
}

TEST_F(Licenca, BothFilesMissingRemoveTheLicencePage) {
    Instalar();
    ASSERT_TRUE(produto.EsperarCena(IDC_cenaOpcoes));
    EXPECT_FALSE(produto.Visivel(IDC_botaoVoltarOpcoes));
}

TEST_F(Licenca, TheFileIsReadBesideTheProgramWhateverTheWorkingDirectory) {
    produto.CriarArquivo(produtos::kArquivoDeLicenca, kPrimeiraLicenca);
    Instalar(L"C:\\");
    EXPECT_TRUE(MostraLicenca(L"Primeira licenca"));
}

} // namespace
