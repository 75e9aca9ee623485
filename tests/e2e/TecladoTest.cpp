// The keyboard: on every scene that can be reached, Tab visits each control that takes input, in
// the order in which the eye reads them (rows from the top, each from the left), and comes back.
#include "core/formularios/TextosAssistente.h"
#include "resources/AssistenteIds.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/unit/AuxiliaresFluxo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

namespace {

using namespace e2e;
namespace textos = kt::textos_assistente;

// Controls whose tops differ by less than this stand in one row.
constexpr LONG kToleranciaDaLinha = 8;

// Class names compare without case: Windows registers some as the templates do not spell them.
bool DaClasse(HWND controle, const wchar_t* classe) {
    return CompareStringOrdinal(teste::Classe(controle).c_str(), -1, classe, -1, TRUE) ==
           CSTR_EQUAL;
}

bool RecebeEntrada(HWND controle) {
    if (DaClasse(controle, L"Button"))
        return (GetWindowLongW(controle, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX;
    return DaClasse(controle, L"Edit") || DaClasse(controle, L"RichEdit50W") ||
           DaClasse(controle, L"SysListView32");
}

// The scene's visible, enabled controls that take input, in reading order.
std::vector<HWND> OrdemDeLeitura(HWND cena) {
    std::vector<std::pair<RECT, HWND>> controles;
    for (HWND c = GetWindow(cena, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (teste::Visivel(c) && teste::Habilitado(c) && RecebeEntrada(c)) {
            RECT r{};
            GetWindowRect(c, &r);
            controles.emplace_back(r, c);
        }
    std::sort(controles.begin(), controles.end(),
              [](const auto& a, const auto& b) { return a.first.top < b.first.top; });
    // Rows by their first control's top, then left to right within each row.
    std::vector<HWND> ordem;
    for (std::size_t inicio = 0; inicio < controles.size();) {
        std::size_t fim = inicio;
        while (fim < controles.size() &&
               controles[fim].first.top - controles[inicio].first.top < kToleranciaDaLinha)
            ++fim;
        std::sort(controles.begin() + inicio, controles.begin() + fim,
                  [](const auto& a, const auto& b) { return a.first.left < b.first.left; });
        for (std::size_t i = inicio; i < fim; ++i)
            ordem.push_back(controles[i].second);
        inicio = fim;
    }
    return ordem;
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

} // namespace
