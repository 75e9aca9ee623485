// The options page and what lies behind it: the default directory and options, the refusal of a
// blank, relative or too long directory, advanced options and the components page, the close box,
// a second start while the wizard runs. The copying page is the installation's
// (InstalacaoTest.cpp, GrandeTest.cpp).
#include "core/formularios/TextosAssistente.h"
#include "fileops/Caminhos.h"
#include "resources/AssistenteIds.h"
#include "fileops/Texto.h"
#include "tests/e2e/Instalacao.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/Registro.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/win/comum/Arquivos.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using namespace e2e;
namespace textos = kt::textos_assistente;

// Pontilha started from an empty folder and taken to its options page.
class Opcoes : public testing::Test {
protected:
    void SetUp() override {
        pontilha.Iniciar();
        ASSERT_TRUE(pontilha.EsperarAssistente(textos::kTituloDaJanela));
        pontilha.Clicar(IDC_botaoInstalar);
        ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaOpcoes));
    }

    // Clicks the button and answers the message that refuses the directory, which must be the
    // one given; false when none came.
    bool RecusaDiretorio(int botao, const wchar_t* texto) {
        pontilha.Clicar(botao);
        HWND mensagem = pontilha.EsperarCaixa(textos::kInformacao);
        if (!mensagem)
            return false;
        pontilha.Capturar(mensagem, L"diretorio-recusado");
        EXPECT_EQ(teste::TextoDaMensagem(mensagem), texto);
        teste::Responder(mensagem, IDOK);
        return teste::EsperarAte([&] { return !IsWindow(mensagem); });
    }

    ProgramaEmTeste pontilha{produtos::kPontilha};
};

TEST_F(Opcoes, TheDirectoryIsTheProgramFilesOfThe32BitViewPlusTheProductsName) {
    pontilha.Capturar(L"cenaOpcoes");
    const std::wstring programFiles = ProgramFilesDe32Bits();
    ASSERT_FALSE(programFiles.empty());
    EXPECT_EQ(pontilha.Texto(IDC_txtDir), kt::ComDelimitador(programFiles) + L"Pontilha 1.0");
}

TEST_F(Opcoes, BothShortcutOptionsAreCheckedAndCompactInstallationIsDisabled) {
    EXPECT_TRUE(pontilha.Visivel(IDC_chkOpcao2));
    EXPECT_TRUE(pontilha.Marcado(IDC_chkOpcao2));
    EXPECT_EQ(pontilha.Texto(IDC_chkOpcao2), L"Criar atalho no menu iniciar");
    EXPECT_TRUE(pontilha.Visivel(IDC_chkOpcao3));
    EXPECT_TRUE(pontilha.Marcado(IDC_chkOpcao3));
    EXPECT_EQ(pontilha.Texto(IDC_chkOpcao3), L"Criar atalho na área de trabalho");
    EXPECT_FALSE(pontilha.Visivel(IDC_chkOpcao4));

    EXPECT_FALSE(pontilha.Habilitado(IDC_chkCompacta));
    EXPECT_FALSE(pontilha.Marcado(IDC_chkCompacta));
    EXPECT_EQ(pontilha.Texto(IDC_chkCompacta), textos::kInstalacaoCompacta);
    EXPECT_FALSE(pontilha.Marcado(IDC_chkAvancado));
    EXPECT_EQ(pontilha.Texto(IDC_chkAvancado), textos::kOpcoesAvancadas);

    EXPECT_EQ(pontilha.Texto(IDC_lblOpcoes), textos::kSelecioneOpcoes);
    EXPECT_EQ(pontilha.Texto(IDC_lblInstrucoesDir), textos::kEscolhaDiretorio);
    EXPECT_EQ(pontilha.Texto(IDC_bitProcurar), textos::kProcurar);
    EXPECT_EQ(pontilha.Texto(IDC_botaoProsseguir), textos::kInstalar);
    // Without a licence page there is nothing to go back to.
    EXPECT_FALSE(pontilha.Visivel(IDC_botaoVoltarOpcoes));
}

// Refused on "&Instalar" and, with advanced options, on "Continuar": the box keeps its text and
// nothing is made. A relative directory would put the course somewhere below the current one; a
// directory one character longer than the course's longest path allows would have files cut.
TEST_F(Opcoes, ABlankRelativeOrTooLongDirectoryIsRefusedOnInstallAndOnContinue) {
    std::size_t maisLongo = 0;
    for (const std::wstring& arquivo : ArquivosDoCurso())
        maisLongo = std::max(maisLongo, arquivo.size());
    const std::wstring longo =
        PastaDoTeste() +
        std::wstring(kt::kMaximoDoCaminho - maisLongo - PastaDoTeste().size(), 'p');
    const std::pair<std::wstring, const wchar_t*> casos[] = {
        {L"   ", textos::kDiretorioVazio},
        {L"relativo", textos::kDiretorioIncompleto},
        {L"C:relativo", textos::kDiretorioIncompleto},
        {L"\\relativo", textos::kDiretorioIncompleto},
        {longo, textos::kDiretorioLongo},
    };
    for (bool avancado : {false, true}) {
        if (avancado) {
            pontilha.Clicar(IDC_chkAvancado);
            ASSERT_TRUE(teste::EsperarAte(
                [&] { return pontilha.Texto(IDC_botaoProsseguir) == textos::kContinuar; }));
        }
        for (const auto& [digitado, recusa] : casos) {
            SCOPED_TRACE(kt::Utf8(digitado));
            teste::DefinirTexto(pontilha.Controle(IDC_txtDir), digitado);
            ASSERT_TRUE(RecusaDiretorio(IDC_botaoProsseguir, recusa));
            EXPECT_EQ(pontilha.CenaVisivel(), IDC_cenaOpcoes);
            EXPECT_EQ(pontilha.Texto(IDC_txtDir), digitado);
        }
    }
    EXPECT_EQ(teste::Nomes(pontilha.Pasta()), std::vector<std::wstring>{produtos::kPontilha});
    EXPECT_FALSE(teste::Existe(L"C:\\relativo"));
    EXPECT_FALSE(teste::Existe(longo));
}

TEST_F(Opcoes, AdvancedOptionsTurnInstallIntoContinueAndLeadToTheComponents) {
    pontilha.Clicar(IDC_chkAvancado);
    ASSERT_TRUE(teste::EsperarAte(
        [&] { return pontilha.Texto(IDC_botaoProsseguir) == textos::kContinuar; }));
    pontilha.Capturar(L"cenaOpcoes-avancado");

    pontilha.Clicar(IDC_botaoProsseguir);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaOQue));
    pontilha.Capturar(L"cenaOQue");
    HWND lista = pontilha.Controle(IDC_chkOQue);
    ASSERT_EQ(teste::ContarItens(lista), 1);
    EXPECT_EQ(teste::TextoDoItem(lista, 0), L"Arquivos do Programa");
    EXPECT_TRUE(teste::ItemMarcado(lista, 0));
    EXPECT_EQ(pontilha.Texto(IDC_lblSelecione), textos::kSelecioneComponentes);

    pontilha.Clicar(IDC_botaoVoltarOQue);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaOpcoes));
    pontilha.Clicar(IDC_chkAvancado);
    EXPECT_TRUE(teste::EsperarAte(
        [&] { return pontilha.Texto(IDC_botaoProsseguir) == textos::kInstalar; }));
}

// Two wizards in one folder would take each other's files for their own.
TEST_F(Opcoes, ASecondStartWhileTheWizardRunsSaysSoAndEndsWithExitCodeZero) {
    const std::wstring outra = PastaAoLado(L"segundo");
    RemoverPasta(outra);
    ASSERT_TRUE(CreateDirectoryW(outra.c_str(), nullptr));
    ASSERT_TRUE(CopyFileW((PastaDosProgramas() + L"\\" + produtos::kPontilha).c_str(),
                          (outra + produtos::kPontilha).c_str(), FALSE));
    ProgramaEmTeste segundo(produtos::kPontilha, Instalado{outra});
    segundo.Iniciar();
    HWND mensagem = segundo.EsperarCaixa(textos::kInformacao);
    ASSERT_TRUE(mensagem);
    segundo.Capturar(mensagem, L"em-execucao");
    EXPECT_EQ(teste::TextoDaMensagem(mensagem), textos::kAssistenteEmExecucao);
    EXPECT_FALSE(segundo.HaJanela(textos::kTituloDaJanela));
    teste::Responder(mensagem, IDOK);
    DWORD codigo = 1;
    ASSERT_TRUE(segundo.EsperarFim(codigo));
    EXPECT_EQ(codigo, 0u);
    EXPECT_EQ(pontilha.CenaVisivel(), IDC_cenaOpcoes);
}

TEST_F(Opcoes, TheCloseBoxAsksNoKeepsThePageAndYesEndsWithExitCodeZero) {
    pontilha.FecharJanela();
    HWND pergunta = pontilha.EsperarCaixa(textos::kConfirmacao);
    ASSERT_TRUE(pergunta);
    EXPECT_EQ(teste::TextoDaMensagem(pergunta), textos::kCancelarInstalacao);
    teste::Responder(pergunta, IDNO);
    ASSERT_TRUE(teste::EsperarAte([&] { return !IsWindow(pergunta); }));
    EXPECT_TRUE(teste::Visivel(pontilha.Janela()));
    EXPECT_EQ(pontilha.CenaVisivel(), IDC_cenaOpcoes);

    pontilha.FecharJanela();
    pergunta = pontilha.EsperarCaixa(textos::kConfirmacao);
    ASSERT_TRUE(pergunta);
    teste::Responder(pergunta, IDYES);
    DWORD codigo = 1;
    ASSERT_TRUE(pontilha.EsperarFim(codigo));
    EXPECT_EQ(codigo, 0u);
}

// The components product taken to its options page.
class Componentes : public testing::Test {
protected:
    void SetUp() override {
        produto.Iniciar();
        ASSERT_TRUE(produto.EsperarAssistente(produtos::kTituloComponentes));
        produto.Clicar(IDC_botaoInstalar);
        ASSERT_TRUE(produto.EsperarCena(IDC_cenaOpcoes));
    }

    // Sets compact installation as asked and continues to the components page.
    void ContinuarComCompacta(bool compacta) {
        if (produto.Marcado(IDC_chkCompacta) != compacta)
            produto.Clicar(IDC_chkCompacta);
        if (!produto.Marcado(IDC_chkAvancado))
            produto.Clicar(IDC_chkAvancado);
        ASSERT_TRUE(teste::EsperarAte(
            [&] { return produto.Texto(IDC_botaoProsseguir) == textos::kContinuar; }));
        ASSERT_EQ(produto.Marcado(IDC_chkCompacta), compacta);
        produto.Clicar(IDC_botaoProsseguir);
        ASSERT_TRUE(produto.EsperarCena(IDC_cenaOQue));
    }

    ProgramaEmTeste produto{produtos::kProdutoComponentes};
};

TEST_F(Componentes, TheDescriptionGivesCaptionInstructionsOptionsAndDirectory) {
    produto.Capturar(L"cenaOpcoes");
    EXPECT_EQ(teste::Texto(produto.Janela()), produtos::kTituloComponentes);
    EXPECT_EQ(produto.Texto(IDC_lblInstrucoes), produtos::kInstrucoesComponentes);
    EXPECT_TRUE(produto.Habilitado(IDC_chkCompacta));
    EXPECT_TRUE(produto.Marcado(IDC_chkOpcao2));
    EXPECT_FALSE(produto.Marcado(IDC_chkOpcao3));
    EXPECT_TRUE(produto.Visivel(IDC_chkOpcao4));
    EXPECT_TRUE(produto.Marcado(IDC_chkOpcao4));
    EXPECT_EQ(produto.Texto(IDC_chkOpcao4), produtos::kLegendaOpcao3);
    EXPECT_EQ(produto.Texto(IDC_txtDir),
              kt::ComDelimitador(ProgramFilesDe32Bits()) + produtos::kDiretorioComponentes);
}

TEST_F(Componentes, CompactInstallationChecksByTheCompactColumnAndOtherwiseByTheNormal) {
    ContinuarComCompacta(true);
    produto.Capturar(L"cenaOQue-compacta");
    HWND lista = produto.Controle(IDC_chkOQue);
    ASSERT_EQ(teste::ContarItens(lista), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(teste::TextoDoItem(lista, i), produtos::kComponentes[i].Nome);
        EXPECT_EQ(teste::ItemMarcado(lista, i), produtos::kComponentes[i].Compacta);
    }

    produto.Clicar(IDC_botaoVoltarOQue);
    ASSERT_TRUE(produto.EsperarCena(IDC_cenaOpcoes));
    ContinuarComCompacta(false);
    produto.Capturar(L"cenaOQue-normal");
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(teste::ItemMarcado(lista, i), produtos::kComponentes[i].Normal);
}

TEST_F(Componentes, SelectingAComponentByKeyOrMouseShowsItsDescription) {
    ContinuarComCompacta(false);
    HWND lista = produto.Controle(IDC_chkOQue);
    const auto mostra = [&](int componente) {
        return teste::EsperarAte([&] {
            return produto.Texto(IDC_sttPainel) == produtos::kComponentes[componente].Descricao;
        });
    };
    teste::Tecla(lista, VK_END);
    EXPECT_TRUE(mostra(1));
    teste::Tecla(lista, VK_HOME);
    EXPECT_TRUE(mostra(0));

    const RECT item = teste::RetanguloDoItem(lista, 1);
    teste::ClicarEm(lista, POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    EXPECT_TRUE(mostra(1));
    produto.Capturar(L"cenaOQue-descricao");
}

} // namespace
