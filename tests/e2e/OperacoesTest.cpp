// The operation page of Pontilha.exe: what is offered from an empty folder and from an
// installation, the about page, and cancelling from the operation page.
#include "core/formularios/TextosAssistente.h"
#include "resources/AssistenteIds.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/produtos/Produtos.h"

#include <gtest/gtest.h>

namespace {

using namespace e2e;
namespace textos = kt::textos_assistente;

TEST(Operacoes, FromAnEmptyFolderOnlyInstallAboutAndCancelWork) {
    ProgramaEmTeste pontilha(produtos::kPontilha);
    pontilha.Iniciar();
    ASSERT_TRUE(pontilha.EsperarAssistente(textos::kTituloDaJanela));
    pontilha.Capturar(L"cenaConfigurar");

    EXPECT_TRUE(pontilha.Habilitado(IDC_botaoInstalar));
    EXPECT_FALSE(pontilha.Habilitado(IDC_botaoAlterar));
    EXPECT_FALSE(pontilha.Habilitado(IDC_botaoDesinstalar));
    EXPECT_TRUE(pontilha.Habilitado(IDC_bitSobre));
    EXPECT_TRUE(pontilha.Habilitado(IDC_botaoSairConfigurar));

    EXPECT_EQ(pontilha.Texto(IDC_lblOperacao1), textos::kEscolhaUmaOperacao);
    EXPECT_EQ(pontilha.Texto(IDC_lblOperacao2), textos::kEscolhaUmaOperacao);
    EXPECT_EQ(pontilha.Texto(IDC_bitSobre), textos::kBotaoSobre);
    EXPECT_EQ(pontilha.Texto(IDC_botaoSairConfigurar), textos::kCancelar);
}

TEST(Operacoes, TheImageButtonsCarryTheTextOfTheirLabels) {
    ProgramaEmTeste pontilha(produtos::kPontilha);
    pontilha.Iniciar();
    ASSERT_TRUE(pontilha.EsperarAssistente(textos::kTituloDaJanela));
    const std::pair<int, int> pares[] = {{IDC_botaoInstalar, IDC_textoInstalar},
                                         {IDC_botaoAlterar, IDC_textoAlterar},
                                         {IDC_botaoDesinstalar, IDC_textoDesinstalar}};
    for (const auto& [botao, rotulo] : pares)
        EXPECT_EQ(pontilha.Texto(botao), pontilha.Texto(rotulo));
    EXPECT_EQ(pontilha.Texto(IDC_textoInstalar), textos::kInstalarReinstalar);
    EXPECT_EQ(pontilha.Texto(IDC_textoAlterar), textos::kAlterarComponentes);
    EXPECT_EQ(pontilha.Texto(IDC_textoDesinstalar), textos::kDesinstalar);
}

TEST(Operacoes, FromAFolderWithTheStartPageUninstallIsOfferedButNotChangingComponents) {
    ProgramaEmTeste pontilha(produtos::kPontilha);
    pontilha.CriarArquivo(L"Pontilha.pt.html", "<html></html>");
    pontilha.Iniciar();
    ASSERT_TRUE(pontilha.EsperarAssistente(textos::kTituloDaJanela));
    pontilha.Capturar(L"cenaConfigurar");

    EXPECT_TRUE(pontilha.Habilitado(IDC_botaoInstalar));
    EXPECT_TRUE(pontilha.Habilitado(IDC_botaoDesinstalar));
    EXPECT_FALSE(pontilha.Habilitado(IDC_botaoAlterar));
}

TEST(Operacoes, AboutShowsTheAboutTextAndGoesBack) {
    ProgramaEmTeste pontilha(produtos::kPontilha);
    pontilha.Iniciar();
    ASSERT_TRUE(pontilha.EsperarAssistente(textos::kTituloDaJanela));

    pontilha.Clicar(IDC_bitSobre);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaSobre));
    pontilha.Capturar(L"cenaSobre");
    EXPECT_EQ(pontilha.Texto(IDC_lblSobre), textos::TextoSobre());
    EXPECT_EQ(pontilha.Texto(IDC_lblTituloSobre2), textos::kSobre);
    EXPECT_EQ(pontilha.Texto(IDC_bitVoltar), textos::kVoltar);
    EXPECT_EQ(pontilha.Texto(IDC_bitCancelarSobre), textos::kCancelar);

    pontilha.Clicar(IDC_bitVoltar);
    EXPECT_TRUE(pontilha.EsperarCena(IDC_cenaConfigurar));
}

TEST(Operacoes, CancelAsksAndYesEndsTheProgramWithExitCodeZero) {
    ProgramaEmTeste pontilha(produtos::kPontilha);
    pontilha.Iniciar();
    ASSERT_TRUE(pontilha.EsperarAssistente(textos::kTituloDaJanela));

    pontilha.Clicar(IDC_botaoSairConfigurar);
    HWND pergunta = pontilha.EsperarCaixa(textos::kConfirmacao);
    ASSERT_TRUE(pergunta);
    pontilha.Capturar(pergunta, L"confirmacao");
    EXPECT_EQ(teste::TextoDaMensagem(pergunta), textos::kCancelarInstalacao);
    EXPECT_EQ(GetWindow(pergunta, GW_OWNER), pontilha.Janela());
    EXPECT_TRUE(GetDlgItem(pergunta, IDYES));
    EXPECT_TRUE(GetDlgItem(pergunta, IDNO));
    teste::Responder(pergunta, IDYES);

    DWORD codigo = 1;
    ASSERT_TRUE(pontilha.EsperarFim(codigo));
    EXPECT_EQ(codigo, 0u);
}

} // namespace
