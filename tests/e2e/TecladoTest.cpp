// The keyboard: on every scene that can be reached, Tab visits each control that takes input, in
// the order in which the eye reads them (rows from the top, each from the left), and comes back.
#include "core/formularios/TextosAssistente.h"
#include "dialogs/TextosDialogos.h"
#include "resources/AssistenteIds.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/win/comum/Leitura.h"
#include "tests/unit/AuxiliaresFluxo.h"

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
}

// The copying page, while an installation runs far longer than the walk takes (files of 8 MiB);
// then stopped.
TEST(Teclado, TabWalksTheCopyingPageInReadingOrder) {
    ProgramaEmTeste produto(produtos::kProdutoGrande);
    const auto conteiner = kt::teste::Conteiner(kt::teste::BytesDeTexto(8 << 20));
    produto.CriarArquivo(produtos::kConteinerGrande,
                         std::string(conteiner.begin(), conteiner.end()));
    produto.Iniciar();
    ASSERT_TRUE(produto.EsperarAssistente(produtos::kTituloGrande));
    const std::wstring instalado = PastaAoLado(L"instalado");
    RemoverPasta(instalado);
    ASSERT_TRUE(produto.Instalar(instalado));
    ConferirTab(produto, IDC_cenaInstala);
    produto.FecharJanela();
    HWND pergunta = produto.EsperarCaixa(textos::kConfirmacao);
    ASSERT_TRUE(pergunta);
    teste::Responder(pergunta, IDYES);
    DWORD codigo = 1;
    EXPECT_TRUE(produto.EsperarFim(codigo, 30s));
    RemoverPasta(instalado);
}

TEST(Teclado, TabWalksTheLicencePageInReadingOrder) {
    ProgramaEmTeste produto(produtos::kProdutoLicenca);
    produto.CriarArquivo(produtos::kArquivoDeLicenca, "Termos de uso.");
    produto.Iniciar();
    ASSERT_TRUE(produto.EsperarAssistente(textos::kTituloDaJanela));
    produto.Clicar(IDC_botaoInstalar);
    ConferirTab(produto, IDC_cenaLicenca);
}

// The keyboard alone, as it reaches the program (SendInput to the window in the foreground), and no
// click: Enter presses the focused button and the scene's default one, Space checks, mnemonics
// press their buttons, Escape closes the browser, the arrows walk the components; after every
// change of scene and every window that closes, the focus is on a control of the scene shown.
class SoTeclado : public testing::Test {
protected:
    void SetUp() override {
        pontilha.Iniciar();
        ASSERT_TRUE(pontilha.EsperarAssistente(textos::kTituloDaJanela));
        ASSERT_TRUE(teste::EsperarAte([&] { return GetForegroundWindow() == pontilha.Janela(); }));
    }

    bool FocoEm(int id) const {
        return teste::EsperarAte(
            [&] { return teste::Foco(pontilha.Janela()) == pontilha.Controle(id); });
    }

    ProgramaEmTeste pontilha{produtos::kPontilha};
};

TEST_F(SoTeclado, LeadsFromTheOperationsThroughTheOptionsAndTheComponentsAndOut) {
    ASSERT_TRUE(FocoEm(IDC_botaoInstalar));
    teste::Digitar(VK_RETURN);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaOpcoes));
    // "Instalação Compacta" is disabled: the first option is where the focus starts.
    ASSERT_TRUE(FocoEm(IDC_chkOpcao2));
    teste::Digitar(VK_SPACE);
    EXPECT_TRUE(teste::EsperarAte([&] { return !pontilha.Marcado(IDC_chkOpcao2); }));
    teste::Digitar(VK_SPACE);
    EXPECT_TRUE(teste::EsperarAte([&] { return pontilha.Marcado(IDC_chkOpcao2); }));

    // "&Procurar" by its mnemonic; Escape closes the browser and the focus comes back.
    teste::DigitarComAlt('P');
    HWND navegador = pontilha.EsperarCaixa(std::wstring(kt::textos_diretorios::kTituloPadrao));
    ASSERT_TRUE(navegador);
    teste::Digitar(VK_ESCAPE);
    ASSERT_TRUE(teste::EsperarAte([&] { return !IsWindow(navegador); }));
    ASSERT_TRUE(FocoEm(IDC_bitProcurar));

    teste::DigitarComShift(VK_TAB);
    ASSERT_TRUE(FocoEm(IDC_txtDir));
    teste::DigitarComShift(VK_TAB);
    ASSERT_TRUE(FocoEm(IDC_chkAvancado));
    teste::Digitar(VK_SPACE);
    ASSERT_TRUE(teste::EsperarAte(
        [&] { return pontilha.Texto(IDC_botaoProsseguir) == textos::kContinuar; }));
    // Enter in the directory box presses the scene's default button, "Continuar".
    teste::Digitar(VK_TAB);
    ASSERT_TRUE(FocoEm(IDC_txtDir));
    teste::Digitar(VK_RETURN);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaOQue));
    ASSERT_TRUE(FocoEm(IDC_chkOQue));
    teste::Digitar(VK_HOME);
    EXPECT_TRUE(teste::EsperarAte([&] { return !pontilha.Texto(IDC_sttPainel).empty(); }));
    const HWND lista = pontilha.Controle(IDC_chkOQue);
    const bool antes = teste::ItemMarcado(lista, 0);
    teste::Digitar(VK_SPACE);
    EXPECT_TRUE(teste::EsperarAte([&] { return teste::ItemMarcado(lista, 0) != antes; }));

    teste::DigitarComAlt('V');
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaOpcoes));
    ASSERT_TRUE(FocoEm(IDC_chkOpcao2));
    teste::DigitarComAlt('C');
    HWND pergunta = pontilha.EsperarCaixa(textos::kConfirmacao);
    ASSERT_TRUE(pergunta);
    // "Sim" is the question's default button.
    teste::Digitar(VK_RETURN);
    DWORD codigo = 1;
    EXPECT_TRUE(pontilha.EsperarFim(codigo));
    EXPECT_EQ(codigo, 0u);
}

} // namespace
