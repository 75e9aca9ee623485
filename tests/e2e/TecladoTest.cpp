// The keyboard: on every scene that can be reached, Tab visits each control that takes input, in
// the order in which the eye reads them (rows from the top, each from the left), and comes back.
#include "core/formularios/TextosAssistente.h"
#include "resources/AssistenteIds.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/win/comum/Leitura.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

using namespace e2e;
namespace textos = kt::textos_assistente;

// The scene's visible, enabled controls that take input, in reading order.
std::vector<HWND> OrdemDeLeitura(HWND cena) {
    std::vector<HWND> controles;
    for (HWND c = GetWindow(cena, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (teste::RecebeFoco(c))
            controles.push_back(c);
    return teste::OrdemNaTela(controles);
}

// Presses Tab from the focused control until the focus comes back to where it started.
std::vector<HWND> PercorrerComTab(HWND janela) {
    HWND inicio = teste::Foco(janela);
    std::vector<HWND> visitados{inicio};
    for (int i = 0; i < 20 && inicio; ++i) {
        HWND atual = visitados.back();
        teste::Tecla(atual, VK_TAB);
        // A scene with one control keeps the focus where it was.
        teste::EsperarAte([&] { return teste::Foco(janela) != atual; }, 1s);
        HWND seguinte = teste::Foco(janela);
        if (seguinte == inicio)
            break;
        visitados.push_back(seguinte);
    }
    return visitados;
}

// The Tab walk of the scene shown, starting where the scene puts the focus.
void ConferirTab(const ProgramaEmTeste& programa, int cena) {
    SCOPED_TRACE(testing::Message() << "cena " << cena);
    ASSERT_TRUE(programa.EsperarCena(cena));
    const std::vector<HWND> esperada = OrdemDeLeitura(programa.Controle(cena));
    ASSERT_FALSE(esperada.empty());
    ASSERT_TRUE(teste::EsperarAte([&] { return teste::Foco(programa.Janela()) == esperada[0]; }))
        << "foco em " << GetDlgCtrlID(teste::Foco(programa.Janela()));
    const std::vector<HWND> percorridos = PercorrerComTab(programa.Janela());
    std::ostringstream ids;
    for (HWND c : percorridos)
        ids << GetDlgCtrlID(c) << ' ';
    EXPECT_EQ(percorridos, esperada) << ids.str();
}

TEST(Teclado, TabWalksEveryPontilhaSceneInReadingOrder) {
    ProgramaEmTeste pontilha(produtos::kPontilha);
    pontilha.CriarArquivo(L"Pontilha.pt.html", "<html></html>");
    pontilha.Iniciar();
    ASSERT_TRUE(pontilha.EsperarAssistente(textos::kTituloDaJanela));
    ConferirTab(pontilha, IDC_cenaConfigurar);

    pontilha.Clicar(IDC_bitSobre);
    ConferirTab(pontilha, IDC_cenaSobre);
    pontilha.Clicar(IDC_bitVoltar);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaConfigurar));

    pontilha.Clicar(IDC_botaoInstalar);
    ConferirTab(pontilha, IDC_cenaOpcoes);
    pontilha.Clicar(IDC_chkAvancado);
    ASSERT_TRUE(teste::EsperarAte(
        [&] { return pontilha.Texto(IDC_botaoProsseguir) == textos::kContinuar; }));
    pontilha.Clicar(IDC_botaoProsseguir);
    ConferirTab(pontilha, IDC_cenaOQue);

    pontilha.Clicar(IDC_botaoInstalarOQue);
    ConferirTab(pontilha, IDC_cenaInstala);
}

TEST(Teclado, TabWalksTheLicencePageInReadingOrder) {
    ProgramaEmTeste produto(produtos::kProdutoLicenca);
    produto.CriarArquivo(produtos::kArquivoDeLicenca, "Termos de uso.");
    produto.Iniciar();
    ASSERT_TRUE(produto.EsperarAssistente(textos::kTituloDaJanela));
    produto.Clicar(IDC_botaoInstalar);
    ConferirTab(produto, IDC_cenaLicenca);
}

} // namespace
