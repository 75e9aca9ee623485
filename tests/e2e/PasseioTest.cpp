// The tour: every scene that can be reached, in Pontilha.exe and in the test products, saved as a
// screenshot named after the scene (build/screenshots/<scene>.png). It checks only that it gets
// there; what each scene shows is checked by the other tests. tools/run.sh walks it, alone, so
// that no other test's window lies over the wizard; the test command leaves it out.
#include "core/formularios/TextosAssistente.h"
#include "resources/AssistenteIds.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/produtos/Produtos.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

using namespace e2e;
namespace textos = kt::textos_assistente;

TEST(Passeio, Carregando) {
    ProgramaEmTeste lento(produtos::kProdutoLento);
    lento.Iniciar();
    ASSERT_TRUE(lento.EsperarJanela(textos::kTituloDaJanela));
    ASSERT_TRUE(teste::EsperarAte([&] {
        DWORD_PTR posicao = 0;
        SendMessageTimeoutW(lento.Controle(IDC_Progresso), PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 2000,
                            &posicao);
        return posicao >= 40;
    }));
    lento.CapturarComo(lento.Janela(), L"cenaIniciar");
    ASSERT_TRUE(lento.EsperarCena(IDC_cenaConfigurar, 30s));
    EXPECT_TRUE(lento.FecharConfirmando());
}

TEST(Passeio, Pontilha) {
    ProgramaEmTeste pontilha(produtos::kPontilha);
    pontilha.Iniciar();
    ASSERT_TRUE(pontilha.EsperarAssistente(textos::kTituloDaJanela));
    pontilha.CapturarComo(pontilha.Janela(), L"cenaConfigurar");

    pontilha.Clicar(IDC_bitSobre);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaSobre));
    pontilha.CapturarComo(pontilha.Janela(), L"cenaSobre");
    pontilha.Clicar(IDC_bitVoltar);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaConfigurar));

    pontilha.Clicar(IDC_botaoInstalar);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaOpcoes));
    pontilha.CapturarComo(pontilha.Janela(), L"cenaOpcoes");

    const std::wstring diretorio = pontilha.Texto(IDC_txtDir);
    teste::DefinirTexto(pontilha.Controle(IDC_txtDir), L"");
    pontilha.Clicar(IDC_botaoProsseguir);
    HWND mensagem = pontilha.EsperarCaixa(textos::kInformacao);
    ASSERT_TRUE(mensagem);
    pontilha.CapturarComo(mensagem, L"mensagem-diretorio-vazio");
    teste::Responder(mensagem, IDOK);
    ASSERT_TRUE(teste::EsperarAte([&] { return !IsWindow(mensagem); }));
    teste::DefinirTexto(pontilha.Controle(IDC_txtDir), diretorio);

    pontilha.Clicar(IDC_chkAvancado);
    ASSERT_TRUE(teste::EsperarAte(
        [&] { return pontilha.Texto(IDC_botaoProsseguir) == textos::kContinuar; }));
    pontilha.CapturarComo(pontilha.Janela(), L"cenaOpcoes-avancado");

    pontilha.Clicar(IDC_botaoProsseguir);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaOQue));
    teste::Tecla(pontilha.Controle(IDC_chkOQue), VK_HOME);
    teste::EsperarAte([&] { return !pontilha.Texto(IDC_sttPainel).empty(); });
    pontilha.CapturarComo(pontilha.Janela(), L"cenaOQue");

    pontilha.Clicar(IDC_botaoInstalarOQue);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaInstala));
    pontilha.CapturarComo(pontilha.Janela(), L"cenaInstala");

    pontilha.FecharJanela();
    HWND pergunta = pontilha.EsperarCaixa(textos::kConfirmacao);
    ASSERT_TRUE(pergunta);
    pontilha.CapturarComo(pergunta, L"mensagem-confirmacao");
    teste::Responder(pergunta, IDYES);
    DWORD codigo = 1;
    EXPECT_TRUE(pontilha.EsperarFim(codigo));
}

TEST(Passeio, PontilhaInstalado) {
    ProgramaEmTeste pontilha(produtos::kPontilha);
    pontilha.CriarArquivo(L"Pontilha.pt.html", "<html></html>");
    pontilha.Iniciar();
    ASSERT_TRUE(pontilha.EsperarAssistente(textos::kTituloDaJanela));
    pontilha.CapturarComo(pontilha.Janela(), L"cenaConfigurar-instalado");
    EXPECT_TRUE(pontilha.FecharConfirmando());
}

TEST(Passeio, Licenca) {
    ProgramaEmTeste produto(produtos::kProdutoLicenca);
    produto.CriarArquivo(produtos::kArquivoDeLicenca,
                         "{\\rtf1\\ansi{\\b Licen\\'e7a de uso do Pontilha}\\par\\par "
                         "O Pontilha \\'e9 distribu\\'eddo gratuitamente para o ensino do "
                         "sistema Braille. Voc\\'ea pode copi\\'e1-lo e instal\\'e1-lo em "
                         "quantos computadores quiser.\\par}");
    produto.Iniciar();
    ASSERT_TRUE(produto.EsperarAssistente(textos::kTituloDaJanela));
    produto.Clicar(IDC_botaoInstalar);
    ASSERT_TRUE(produto.EsperarCena(IDC_cenaLicenca));
    produto.CapturarComo(produto.Janela(), L"cenaLicenca");
    EXPECT_TRUE(produto.FecharConfirmando());
}

TEST(Passeio, Componentes) {
    ProgramaEmTeste produto(produtos::kProdutoComponentes);
    produto.Iniciar();
    ASSERT_TRUE(produto.EsperarAssistente(produtos::kTituloComponentes));
    produto.Clicar(IDC_botaoInstalar);
    ASSERT_TRUE(produto.EsperarCena(IDC_cenaOpcoes));
    produto.Clicar(IDC_chkCompacta);
    produto.Clicar(IDC_chkAvancado);
    ASSERT_TRUE(teste::EsperarAte(
        [&] { return produto.Texto(IDC_botaoProsseguir) == textos::kContinuar; }));
    produto.CapturarComo(produto.Janela(), L"cenaOpcoes-componentes");
    produto.Clicar(IDC_botaoProsseguir);
    ASSERT_TRUE(produto.EsperarCena(IDC_cenaOQue));
    teste::Tecla(produto.Controle(IDC_chkOQue), VK_END);
    teste::EsperarAte([&] { return !produto.Texto(IDC_sttPainel).empty(); });
    produto.CapturarComo(produto.Janela(), L"cenaOQue-componentes");
    EXPECT_TRUE(produto.FecharConfirmando());
}

} // namespace
