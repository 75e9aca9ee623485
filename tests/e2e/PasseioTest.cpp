// The tour: every scene that can be reached, in Pontilha.exe and in the test products, saved as a
// screenshot named after the scene (build/screenshots/<scene>.png), and Pontilha installed into a
// fresh folder, with a count of what it installed and how long it took, then uninstalled by its
// installed copy. It checks only that it gets there; what each scene shows is checked by the other
// tests. tools/run.sh walks it, alone, so that no other test's window lies over the wizard; the
// test command leaves it out.
#include "core/formularios/TextosAssistente.h"
#include "core/produto/Produto.h"
#include "fileops/Texto.h"
#include "instalacao/TextosCopia.h"
#include "resources/AssistenteIds.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/win/comum/Arquivos.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

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

    pontilha.FecharJanela();
    HWND pergunta = pontilha.EsperarCaixa(textos::kConfirmacao);
    ASSERT_TRUE(pergunta);
    pontilha.CapturarComo(pergunta, L"mensagem-confirmacao");
    teste::Responder(pergunta, IDNO);
    ASSERT_TRUE(teste::EsperarAte([&] { return !IsWindow(pergunta); }));

    teste::DefinirTexto(pontilha.Controle(IDC_txtDir), L"");
    pontilha.Clicar(IDC_botaoProsseguir);
    HWND mensagem = pontilha.EsperarCaixa(textos::kInformacao);
    ASSERT_TRUE(mensagem);
    pontilha.CapturarComo(mensagem, L"mensagem-diretorio-vazio");
    teste::Responder(mensagem, IDOK);
    ASSERT_TRUE(teste::EsperarAte([&] { return !IsWindow(mensagem); }));
    const std::wstring instalado = PastaAoLado(L"instalado");
    RemoverPasta(instalado);
    teste::DefinirTexto(pontilha.Controle(IDC_txtDir), instalado);

    pontilha.Clicar(IDC_chkAvancado);
    ASSERT_TRUE(teste::EsperarAte(
        [&] { return pontilha.Texto(IDC_botaoProsseguir) == textos::kContinuar; }));
    pontilha.CapturarComo(pontilha.Janela(), L"cenaOpcoes-avancado");

    pontilha.Clicar(IDC_botaoProsseguir);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaOQue));
    teste::Tecla(pontilha.Controle(IDC_chkOQue), VK_HOME);
    teste::EsperarAte([&] { return !pontilha.Texto(IDC_sttPainel).empty(); });
    pontilha.CapturarComo(pontilha.Janela(), L"cenaOQue");

    const auto inicio = std::chrono::steady_clock::now();
    pontilha.Clicar(IDC_botaoInstalarOQue);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaInstala));
    pontilha.CapturarComo(pontilha.Janela(), L"cenaInstala");
    mensagem = pontilha.EsperarCaixa(textos::kInformacao, 60s);
    const auto duracao = std::chrono::steady_clock::now() - inicio;
    ASSERT_TRUE(mensagem);
    pontilha.CapturarComo(mensagem, L"mensagem-fim");
    EXPECT_EQ(pontilha.ResponderInformacao(), kt::textos_copia::kSucesso);
    DWORD codigo = 1;
    EXPECT_TRUE(pontilha.EsperarFim(codigo, 30s));

    std::size_t arquivos = 0;
    std::uintmax_t bytes = 0;
    for (const auto& item : std::filesystem::recursive_directory_iterator(instalado))
        if (item.is_regular_file()) {
            ++arquivos;
            bytes += item.file_size();
        }
    std::printf("[ medida ] Pontilha instalado em %s: %zu arquivos, %ju bytes, %.2f s de "
                "\"&Instalar\" à mensagem final\n",
                kt::Utf8(instalado).c_str(), arquivos, bytes,
                std::chrono::duration<double>(duracao).count());

    // The installed copy, as the list of installed programs starts it, uninstalls.
    ProgramaEmTeste desinstalador(kt::produto::kDesinstalador, Instalado{instalado});
    desinstalador.Iniciar();
    ASSERT_TRUE(desinstalador.EsperarAssistente(textos::kTituloDaJanela));
    desinstalador.CapturarComo(desinstalador.Janela(), L"cenaConfigurar-instalado");
    const auto clique = std::chrono::steady_clock::now();
    desinstalador.Clicar(IDC_botaoDesinstalar);
    mensagem = desinstalador.EsperarCaixa(textos::kInformacao);
    ASSERT_TRUE(mensagem);
    desinstalador.CapturarComo(desinstalador.Janela(), L"cenaDesinstalar");
    teste::Responder(mensagem, IDOK);
    EXPECT_TRUE(desinstalador.EsperarFim(codigo));
    EXPECT_TRUE(teste::EsperarAte([&] { return !teste::Existe(instalado); }, 30s));
    std::printf("[ medida ] Pontilha desinstalado: nada restou em %s, %.2f s do clique em "
                "\"Desinstalar\" ao último arquivo removido\n",
                kt::Utf8(instalado).c_str(),
                std::chrono::duration<double>(std::chrono::steady_clock::now() - clique).count());
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
