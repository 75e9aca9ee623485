// The wizard's start-up seen from outside: the loading page while the description is filled, and
// a description that cannot be filled.
#include "core/formularios/TextosAssistente.h"
#include "resources/AssistenteIds.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/produtos/Produtos.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

using namespace e2e;
namespace textos = kt::textos_assistente;

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

TEST(Inicio, AFailureWhileFillingTheDescriptionClosesWithoutTheCancelQuestion) {
    ProgramaEmTeste falha(produtos::kProdutoFalha);
    falha.Iniciar();
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
