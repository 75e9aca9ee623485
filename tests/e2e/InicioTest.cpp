// The wizard's start-up seen from outside: the loading page while the description is filled, and
// a description that cannot be filled, which the Solutions Center reports.
#include "core/formularios/TextosAssistente.h"
#include "dialogs/CentralSolucoes.h"
#include "fileops/TextosFramework.h"
#include "resources/AssistenteIds.h"
#include "tests/win/comum/RoboCentral.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/produtos/Produtos.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

using namespace e2e;
namespace textos = kt::textos_assistente;
const std::wstring kTituloDaCentral(kt::textos_central::kTitulo);

int Progresso(const ProgramaEmTeste& programa) {
    DWORD_PTR posicao = 0;
    SendMessageTimeoutW(programa.Controle(IDC_Progresso), PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 2000,
                        &posicao);
    return static_cast<int>(posicao);
}

TEST(Inicio, TheLoadingPageShowsWhileTheDescriptionIsFilled) {
    ProgramaEmTeste lento(produtos::kProdutoLento);
    lento.Iniciar();
    ASSERT_TRUE(lento.EsperarJanela(textos::kTituloDaJanela));
    ASSERT_TRUE(lento.EsperarCena(IDC_cenaIniciar));
    ASSERT_TRUE(teste::EsperarAte([&] { return Progresso(lento) >= 40; }));
    EXPECT_EQ(lento.CenaVisivel(), IDC_cenaIniciar);
    EXPECT_LT(Progresso(lento), 60);
    lento.Capturar(L"cenaIniciar");
    EXPECT_EQ(lento.Texto(IDC_lblCarregando1), textos::kCarregando);
    EXPECT_EQ(lento.Texto(IDC_lblCarregando2), textos::kCarregando);
    EXPECT_EQ(lento.Texto(IDC_lblInstrucoes), textos::kInstrucoes);

    ASSERT_TRUE(lento.EsperarCena(IDC_cenaConfigurar, 30s));
    EXPECT_EQ(Progresso(lento), 100);
}

TEST(Inicio, AFailureWhileFillingTheDescriptionIsReportedThenClosesWithoutTheCancelQuestion) {
    ProgramaEmTeste falha(produtos::kProdutoFalha);
    falha.Iniciar();
    HWND central = falha.EsperarCaixa(kTituloDaCentral, 30s);
    ASSERT_NE(central, nullptr);
    const teste::TRelatorioVisto relatorio = teste::LerRelatorio(central);
    falha.CapturarComo(central, L"central-erro-na-inicializacao");
    EXPECT_EQ(relatorio.Modulo,
              std::wstring(kt::TextoFramework(kt::ids::kModulo)) + textos::kModuloDoAssistente);
    EXPECT_EQ(relatorio.Problema,
              std::wstring(kt::TextoFramework(kt::ids::kProblema)) + textos::kErroNaInicializacao);
    EXPECT_EQ(relatorio.Arquivos, std::wstring(kt::TextoFramework(kt::ids::kArquivos)) +
                                      std::wstring(kt::TextoFramework(kt::ids::kNenhumArquivo)));
    EXPECT_EQ(relatorio.Solucao, std::wstring(kt::TextoFramework(kt::ids::kSolucao)) +
                                     textos::kSolucaoErroNaInicializacao);
    EXPECT_TRUE(relatorio.AjudaHabilitada);
    teste::Continuar(central);

    bool perguntou = false;
    DWORD codigo = 1;
    const bool terminou = teste::EsperarAte(
        [&] {
            perguntou = perguntou || falha.HaJanela(textos::kConfirmacao);
            return falha.EsperarFim(codigo, 0ms);
        },
        30s);
    EXPECT_TRUE(terminou);
    EXPECT_FALSE(perguntou);
    EXPECT_EQ(codigo, 0u);
}

} // namespace
