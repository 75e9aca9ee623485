// "&Procurar" on the options page: the directory browser opens at the directory box's text (or,
// when that is no directory yet, at the program's folder); a folder walked into by the list, a
// new folder made there from the keyboard and opened, and "&Abrir" put that path into the box.
// "&Cancelar" leaves the box as it was.
#include "core/formularios/TextosAssistente.h"
#include "dialogs/TextosDialogos.h"
#include "resources/AssistenteIds.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/win/comum/RoboNavegador.h"

#include <gtest/gtest.h>

namespace {

using namespace e2e;
namespace textos = kt::textos_assistente;

class Procurar : public testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryW((pontilha.Pasta() + L"destino").c_str(), nullptr);
        pontilha.Iniciar();
        ASSERT_TRUE(pontilha.EsperarAssistente(textos::kTituloDaJanela));
        pontilha.Clicar(IDC_botaoInstalar);
        ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaOpcoes));
    }

    HWND AbrirNavegador() {
        pontilha.Clicar(IDC_bitProcurar);
        return pontilha.EsperarCaixa(std::wstring(kt::textos_diretorios::kTituloPadrao));
    }

    bool Fechou(HWND navegador) {
        return teste::EsperarAte([&] { return !IsWindow(navegador); });
    }

    ProgramaEmTeste pontilha{produtos::kPontilha};
};

TEST_F(Procurar, AFolderMadeAndOpenedInTheBrowserGoesIntoTheDirectoryBox) {
    HWND navegador = AbrirNavegador();
    ASSERT_TRUE(navegador);
    // Program Files has no "Pontilha 1.0" yet.
    EXPECT_EQ(teste::CaminhoDoNavegador(navegador) + L"\\", pontilha.Pasta());
    ASSERT_TRUE(teste::AbrirEntrada(navegador, L"destino"));
    ASSERT_TRUE(teste::CriarPastaNoNavegador(navegador, L"Pontilha"));
    ASSERT_TRUE(teste::AbrirEntrada(navegador, L"Pontilha"));
    pontilha.Capturar(navegador, L"navegador");
    teste::PressionarAbrir(navegador);
    ASSERT_TRUE(Fechou(navegador));

    const std::wstring escolhido = pontilha.Pasta() + L"destino\\Pontilha";
    EXPECT_EQ(pontilha.Texto(IDC_txtDir), escolhido);
    EXPECT_EQ(GetFileAttributesW(escolhido.c_str()) & FILE_ATTRIBUTE_DIRECTORY,
              static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(pontilha.CenaVisivel(), IDC_cenaOpcoes);
}

TEST_F(Procurar, CancelLeavesTheDirectoryBoxAsItWas) {
    const std::wstring antes = pontilha.Texto(IDC_txtDir);
    HWND navegador = AbrirNavegador();
    ASSERT_TRUE(navegador);
    ASSERT_TRUE(teste::AbrirEntrada(navegador, L"destino"));
    teste::PressionarCancelar(navegador);
    ASSERT_TRUE(Fechou(navegador));
    EXPECT_EQ(pontilha.Texto(IDC_txtDir), antes);
    EXPECT_EQ(pontilha.CenaVisivel(), IDC_cenaOpcoes);
}

} // namespace
