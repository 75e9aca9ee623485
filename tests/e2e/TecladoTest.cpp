// The keyboard: on every scene that can be reached, Tab visits each control that takes input, in
// the order in which the eye reads them (rows from the top, each from the left), and comes back.
#include "core/formularios/TextosAssistente.h"
#include "dialogs/TextosDialogos.h"
#include "resources/AssistenteIds.h"
#include "core/produto/Produto.h"
#include "instalacao/TextosCopia.h"
#include "tests/e2e/Instalacao.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/RastrosPontilha.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/win/comum/Arquivos.h"
#include "fileops/Texto.h"
#include "tests/win/comum/Leitura.h"
#include "tests/unit/AuxiliaresFluxo.h"

#include <gtest/gtest.h>

#include <map>
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

// What a screen reader hears of a window of another process while a copy runs: the events that
// the standard controls raise when their text or value changes (out of context, so that they come
// to this thread's queue, which the waits pump).
class Anuncios {
public:
    explicit Anuncios(DWORD processo)
        : gancho_(SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr,
                                  &Anuncios::Ouvir, processo, 0, WINEVENT_OUTOFCONTEXT)) {
        atual_ = this;
    }
    ~Anuncios() {
        UnhookWinEvent(gancho_);
        atual_ = nullptr;
    }
    Anuncios(const Anuncios&) = delete;
    Anuncios& operator=(const Anuncios&) = delete;

    bool Ativos() const { return gancho_ != nullptr; }
    // Waits for the condition while the events come in.
    bool EsperarAte(const std::function<bool()>& condicao, Prazo prazo) {
        return teste::EsperarAte(
            [&] {
                MSG mensagem;
                while (PeekMessageW(&mensagem, nullptr, 0, 0, PM_REMOVE))
                    DispatchMessageW(&mensagem);
                return condicao();
            },
            prazo);
    }
    int Contagem(DWORD evento, HWND controle) const {
        const auto item = contagens_.find({evento, controle});
        return item == contagens_.end() ? 0 : item->second;
    }

private:
    static void CALLBACK Ouvir(HWINEVENTHOOK, DWORD evento, HWND janela, LONG, LONG filho, DWORD,
                               DWORD) {
        if (atual_ && filho == CHILDID_SELF)
            ++atual_->contagens_[{evento, janela}];
    }

    static inline Anuncios* atual_ = nullptr;
    HWINEVENTHOOK gancho_;
    std::map<std::pair<DWORD, HWND>, int> contagens_;
};

// Pontilha installed from its CD folder and uninstalled with the installed copy, with the keyboard
// alone: the directory typed into its box, Enter for the default buttons and the closing messages,
// Tab to "Desinstalar". On the copying page the focus is on its one button, and the status label
// and both gauges are announced as they change.
TEST_F(SoTeclado, InstallsAndUninstallsPontilha) {
    const std::wstring pasta = PastaAoLado(L"instalado");
    LimparPontilha(pasta);
    ASSERT_TRUE(FocoEm(IDC_botaoInstalar));
    teste::Digitar(VK_RETURN);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaOpcoes));
    ASSERT_TRUE(FocoEm(IDC_chkOpcao2));
    // Tab into the box selects its text, which the typing replaces.
    for (int i = 0; i < 3; ++i)
        teste::Digitar(VK_TAB);
    ASSERT_TRUE(FocoEm(IDC_txtDir));
    teste::DigitarTexto(pasta);
    ASSERT_TRUE(teste::EsperarAte([&] { return pontilha.Texto(IDC_txtDir) == pasta; }))
        << kt::Utf8(pontilha.Texto(IDC_txtDir));
    Anuncios anuncios(pontilha.Processo());
    ASSERT_TRUE(anuncios.Ativos());
    teste::Digitar(VK_RETURN);
    ASSERT_TRUE(anuncios.EsperarAte([&] { return pontilha.CenaVisivel() == IDC_cenaInstala; },
                                    teste::kPrazoPadrao));
    EXPECT_TRUE(anuncios.EsperarAte(
        [&] { return teste::Foco(pontilha.Janela()) == pontilha.Controle(IDC_BitBtn9); },
        teste::kPrazoPadrao));

    HWND mensagem = nullptr;
    ASSERT_TRUE(anuncios.EsperarAte(
        [&] { return (mensagem = pontilha.EsperarCaixa(textos::kInformacao, 0s)) != nullptr; },
        60s));
    EXPECT_EQ(teste::TextoDaMensagem(mensagem), kt::textos_copia::kSucesso);
    for (int id : {IDC_lblStatus, IDC_lblCopia, IDC_lblPara})
        EXPECT_GT(anuncios.Contagem(EVENT_OBJECT_NAMECHANGE, pontilha.Controle(id)), 0) << id;
    for (int id : {IDC_ProgressoGeral, IDC_ProgressoAtual})
        EXPECT_GT(anuncios.Contagem(EVENT_OBJECT_VALUECHANGE, pontilha.Controle(id)), 0) << id;
    teste::Digitar(VK_RETURN);
    DWORD codigo = 1;
    ASSERT_TRUE(pontilha.EsperarFim(codigo, 30s));
    EXPECT_EQ(codigo, 0u);
    EsperarInstalado(pasta);

    ProgramaEmTeste desinstalador(kt::produto::kDesinstalador, Instalado{pasta});
    desinstalador.Iniciar();
    ASSERT_TRUE(desinstalador.EsperarAssistente(textos::kTituloDaJanela));
    ASSERT_TRUE(teste::EsperarAte([&] { return GetForegroundWindow() == desinstalador.Janela(); }));
    const auto focoEm = [&](int id) {
        return teste::EsperarAte(
            [&] { return teste::Foco(desinstalador.Janela()) == desinstalador.Controle(id); });
    };
    ASSERT_TRUE(focoEm(IDC_botaoInstalar));
    // "Alterar" is disabled for Pontilha: Tab goes on to "Desinstalar".
    teste::Digitar(VK_TAB);
    ASSERT_TRUE(focoEm(IDC_botaoDesinstalar));
    teste::Digitar(VK_RETURN);
    mensagem = desinstalador.EsperarCaixa(textos::kInformacao, 60s);
    ASSERT_TRUE(mensagem);
    EXPECT_EQ(teste::TextoDaMensagem(mensagem), textos::kDesinstalacaoTerminada);
    ASSERT_TRUE(teste::EsperarAte([&] { return GetForegroundWindow() == mensagem; }));
    teste::Digitar(VK_RETURN);
    ASSERT_TRUE(desinstalador.EsperarFim(codigo));
    EXPECT_TRUE(teste::EsperarAte([&] { return !teste::Existe(pasta); }, 30s));
    for (const std::wstring& atalho : AtalhosDoPontilha())
        EXPECT_FALSE(teste::Existe(atalho)) << kt::Utf8(atalho);
    LimparPontilha(pasta);
}

} // namespace
