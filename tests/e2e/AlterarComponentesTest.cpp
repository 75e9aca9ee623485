// Changing the components of an installed product that allows it: the components page shows
// them as installed, with no way back to the options, and "&Instalar" starts the installation.
#include "core/formularios/TextosAssistente.h"
#include "resources/AssistenteIds.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/produtos/Produtos.h"

#include <gtest/gtest.h>

namespace {

using namespace e2e;

TEST(AlterarComponentes, TheComponentsAsInstalledWithoutTheWayBackThenTheInstallation) {
    ProgramaEmTeste produto(produtos::kProdutoComponentes);
    produto.CriarArquivo(produtos::kManualComponentes, "<html></html>");
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
    EXPECT_TRUE(produto.EsperarCena(IDC_cenaInstala));
}

} // namespace
