// Maintenance from the installed copy. Changing the components of a product that allows it: the
// components page shows them as installed, with no way back to the options, and "&Instalar"
// installs the product in full into the directory that the options page holds. Installing
// Pontilha again into its own folder: the copy of the program onto itself is the copy routine's
// report, and the run goes on.
#include "core/formularios/TextosAssistente.h"
#include "core/produto/Produto.h"
#include "dialogs/CentralSolucoes.h"
#include "dialogs/TextosDialogos.h"
#include "fileops/Caminhos.h"
#include "fileops/TextosFramework.h"
#include "instalacao/TextosCopia.h"
#include "resources/AssistenteIds.h"
#include "resources/SobrescreverIds.h"
#include "tests/e2e/Instalacao.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/Registro.h"
#include "tests/e2e/RastrosPontilha.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/RoboCentral.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

using namespace e2e;

TEST(AlterarComponentes, TheComponentsAsInstalledWithoutTheWayBackThenAFullInstallation) {
    ProgramaEmTeste produto(produtos::kProdutoComponentes);
    produto.CriarArquivo(produtos::kManualComponentes, "<html></html>");
    produto.CriarArquivo(produtos::kArquivoComponentes, "Leia-me");
    // The options page is not on the way: the installation goes into the directory that it
    // holds, the description's.
    const std::wstring destino =
        kt::ComDelimitador(ProgramFilesDe32Bits()) + produtos::kDiretorioComponentes + L"\\";
    RemoverPasta(destino);
    produto.Iniciar();
    ASSERT_TRUE(produto.EsperarAssistente(produtos::kTituloComponentes));
    ASSERT_TRUE(produto.Habilitado(IDC_botaoAlterar));

    produto.Clicar(IDC_botaoAlterar);
    ASSERT_TRUE(produto.EsperarCena(IDC_cenaOQue));
    produto.Capturar(L"cenaOQue");
    const HWND lista = produto.Controle(IDC_chkOQue);
    ASSERT_EQ(teste::ContarItens(lista), static_cast<int>(std::size(produtos::kComponentes)));
    for (int i = 0; i < teste::ContarItens(lista); ++i) {
        EXPECT_EQ(teste::TextoDoItem(lista, i), produtos::kComponentes[i].Nome);
        EXPECT_EQ(teste::ItemMarcado(lista, i), produtos::kComponentes[i].Instalado);
    }
    EXPECT_FALSE(produto.Visivel(IDC_botaoVoltarOQue));

    produto.Clicar(IDC_botaoInstalarOQue);
    ASSERT_TRUE(produto.EsperarCena(IDC_cenaInstala));
    EXPECT_EQ(produto.ResponderInformacao(30s), kt::textos_copia::kSucesso);
    DWORD codigo = 1;
    EXPECT_TRUE(produto.EsperarFim(codigo));
    EXPECT_EQ(teste::LerArquivo(destino + produtos::kArquivoComponentes), "Leia-me");
    RemoverPasta(destino);
}

TEST(InstalacaoPontilhaDoInstalado, TheCopyOfTheProgramOntoItselfIsReportedAndTheRunGoesOn) {
    const std::wstring pasta = PastaAoLado(L"instalado");
    LimparPontilha(pasta);
    ASSERT_EQ(InstalarPontilha(pasta), kt::textos_copia::kSucesso);
    ProgramaEmTeste instalado(kt::produto::kDesinstalador, Instalado{pasta});
    instalado.Iniciar();
    ASSERT_TRUE(instalado.EsperarAssistente(kt::textos_assistente::kTituloDaJanela));
    ASSERT_TRUE(instalado.Instalar(pasta));

    // The program's own row comes first; every existing file after it is answered with it.
    HWND pergunta = instalado.EsperarCaixa(std::wstring(kt::textos_sobrescrever::kTitulo), 30s);
    ASSERT_TRUE(pergunta);
    teste::Clicar(teste::Controle(pergunta, IDC_bitSimTodos));
    HWND central = instalado.EsperarCaixa(std::wstring(kt::textos_central::kTitulo), 30s);
    ASSERT_TRUE(central);
    instalado.Capturar(central, L"relatorio");
    EXPECT_EQ(teste::LerRelatorio(central).Solucao,
              teste::Linha(kt::ids::kSolucao, kt::TextoFramework(kt::ids::kCopiaSobreSiMesmo)));
    teste::Continuar(central);

    EXPECT_EQ(instalado.ResponderInformacao(60s), kt::textos_copia::kSucesso);
    DWORD codigo = 1;
    EXPECT_TRUE(instalado.EsperarFim(codigo, 30s));
    EsperarInstalado(pasta);
    LimparPontilha(pasta);
}

} // namespace
