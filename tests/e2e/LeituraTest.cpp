// What a screen reader reads of each window that the real program shows, read from this process
// through oleacc as a reader reads it: every control that takes the focus has a name, nothing is
// read twice, and the order of reading is the order on screen. What each window reads is printed,
// as the record of what a listener hears.
#include "core/formularios/TextosAssistente.h"
#include "dialogs/CentralSolucoes.h"
#include "dialogs/TextosDialogos.h"
#include "resources/AssistenteIds.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/win/comum/Leitura.h"
#include "tests/win/comum/RoboCentral.h"
#include "tests/win/comum/RoboNavegador.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace {

using namespace e2e;
namespace textos = kt::textos_assistente;

// Reads the window, prints what a reader hears and checks it.
void ConferirLeitura(HWND janela, const char* qual) {
    SCOPED_TRACE(qual);
    ASSERT_TRUE(janela);
    const teste::TLeitura leitura = teste::LerJanela(janela);
    std::printf("--- %s\n%s", qual, teste::Descrever(leitura).c_str());
    std::fflush(stdout);
    for (const std::string& falha : teste::Falhas(leitura))
        ADD_FAILURE() << falha;
}

TEST(Leitura, PontilhasPagesTheBrowserAndItsNewFolderWindow) {
    ProgramaEmTeste pontilha(produtos::kPontilha);
    pontilha.Iniciar();
    ASSERT_TRUE(pontilha.EsperarAssistente(textos::kTituloDaJanela));
    ConferirLeitura(pontilha.Janela(), "cenaConfigurar");

    pontilha.Clicar(IDC_bitSobre);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaSobre));
    ConferirLeitura(pontilha.Janela(), "cenaSobre");
    pontilha.Clicar(IDC_bitVoltar);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaConfigurar));

    pontilha.Clicar(IDC_botaoInstalar);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaOpcoes));
    ConferirLeitura(pontilha.Janela(), "cenaOpcoes");

    pontilha.Clicar(IDC_bitProcurar);
    HWND navegador = pontilha.EsperarCaixa(std::wstring(kt::textos_diretorios::kTituloPadrao));
    ConferirLeitura(navegador, "navegador");
    HWND novaPasta = teste::AbrirNovaPasta(navegador);
    ConferirLeitura(novaPasta, "nova pasta");
    teste::CancelarNovaPasta(novaPasta);
    teste::PressionarCancelar(navegador);
    ASSERT_TRUE(teste::EsperarAte([&] { return !IsWindow(navegador); }));

    pontilha.Clicar(IDC_chkAvancado);
    ASSERT_TRUE(teste::EsperarAte(
        [&] { return pontilha.Texto(IDC_botaoProsseguir) == textos::kContinuar; }));
    ConferirLeitura(pontilha.Janela(), "cenaOpcoes, opções avançadas");
    pontilha.Clicar(IDC_botaoProsseguir);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaOQue));
    teste::Tecla(pontilha.Controle(IDC_chkOQue), VK_HOME);
    teste::EsperarAte([&] { return !pontilha.Texto(IDC_sttPainel).empty(); });
    ConferirLeitura(pontilha.Janela(), "cenaOQue");
    EXPECT_TRUE(pontilha.FecharConfirmando());
}

TEST(Leitura, TheOperationPageOfAnInstalledPontilha) {
    ProgramaEmTeste pontilha(produtos::kPontilha);
    pontilha.CriarArquivo(L"Pontilha.pt.html", "<html></html>");
    pontilha.Iniciar();
    ASSERT_TRUE(pontilha.EsperarAssistente(textos::kTituloDaJanela));
    ConferirLeitura(pontilha.Janela(), "cenaConfigurar, instalado");
    EXPECT_TRUE(pontilha.FecharConfirmando());
}

TEST(Leitura, TheLicencePage) {
    ProgramaEmTeste produto(produtos::kProdutoLicenca);
    produto.CriarArquivo(produtos::kArquivoDeLicenca, "Termos de uso.");
    produto.Iniciar();
    ASSERT_TRUE(produto.EsperarAssistente(textos::kTituloDaJanela));
    produto.Clicar(IDC_botaoInstalar);
    ASSERT_TRUE(produto.EsperarCena(IDC_cenaLicenca));
    ConferirLeitura(produto.Janela(), "cenaLicenca");
    produto.Clicar(IDC_optSim);
    ASSERT_TRUE(teste::EsperarAte([&] { return produto.Marcado(IDC_optSim); }));
    ConferirLeitura(produto.Janela(), "cenaLicenca, sim");
    EXPECT_TRUE(produto.FecharConfirmando());
}

TEST(Leitura, TheLoadingPage) {
    ProgramaEmTeste lento(produtos::kProdutoLento);
    lento.Iniciar();
    ASSERT_TRUE(lento.EsperarJanela(textos::kTituloDaJanela));
    ASSERT_TRUE(lento.EsperarCena(IDC_cenaIniciar));
    ConferirLeitura(lento.Janela(), "cenaIniciar");
    ASSERT_TRUE(lento.EsperarCena(IDC_cenaConfigurar, 30s));
    EXPECT_TRUE(lento.FecharConfirmando());
}

TEST(Leitura, TheSolutionsCenter) {
    ProgramaEmTeste falha(produtos::kProdutoFalha);
    falha.Iniciar();
    HWND central = falha.EsperarCaixa(std::wstring(kt::textos_central::kTitulo), 30s);
    ConferirLeitura(central, "central");
    teste::Continuar(central);
    DWORD codigo = 1;
    EXPECT_TRUE(falha.EsperarFim(codigo));
}

} // namespace
