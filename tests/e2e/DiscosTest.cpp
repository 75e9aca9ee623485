// An installation from three disks: the test product's folder is the drive, and the test swaps its
// contents, the disk marker included, when the wizard asks for the next disk. Plain and ".ZLib"
// rows on two disks, a removal row, a row that is never installed, sources missing (ignored,
// found elsewhere, or the whole operation cancelled), a wrong disk asked for again, a disk taken
// unchecked, and the insert-disk prompt cancelled.
#include "core/formularios/TextosAssistente.h"
#include "dialogs/CentralSolucoes.h"
#include "dialogs/TextosDialogos.h"
#include "fileops/LinhasDescricao.h"
#include "fileops/LinhasDoDiario.h"
#include "fileops/Texto.h"
#include "fileops/TextosFramework.h"
#include "instalacao/MarcaDeDisco.h"
#include "instalacao/TextosCopia.h"
#include "resources/EncontrarIds.h"
#include "resources/SobrescreverIds.h"
#include "resources/TrocarDiscosIds.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/unit/AuxiliaresFluxo.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/RoboCentral.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace e2e;
using produtos::TArquivoDeDisco;
namespace textos = kt::textos_copia;

const std::wstring kPergunta(kt::textos_sobrescrever::kTitulo);
const std::wstring kEncontrar(kt::textos_encontrar::kTitulo);
const std::wstring kInserirDisco(kt::textos_inserir_disco::kTitulo);

bool EhConteiner(const TArquivoDeDisco& a) {
    return std::wstring(a.Tipo) == kt::kTipoZlib;
}

// What a row's file holds once installed; its source is that, or its container.
std::string Conteudo(const TArquivoDeDisco& a) {
    if (EhConteiner(a)) {
        const auto bytes = kt::teste::BytesDeTexto(200000, static_cast<unsigned>(a.Disco));
        return {bytes.begin(), bytes.end()};
    }
    return "Conteúdo de " + kt::Utf8(a.Origem);
}

// The sources that no disk carries.
bool Falta(const TArquivoDeDisco& a) {
    return std::wstring(a.Origem) == L"falta.txt" || std::wstring(a.Origem) == L"perdido.txt";
}

class Discos : public testing::Test {
protected:
    void SetUp() override {
        RemoverPasta(instalado);
        RemoverPasta(outraPasta);
        ColocarDisco(1, 1);
    }
    void TearDown() override {
        RemoverPasta(instalado);
        RemoverPasta(outraPasta);
    }

    // The drive holds the files of that disk and a marker that names disco; with a broken
    // container, its ".ZLib" files hold the text that they should contain, not a container.
    void ColocarDisco(int disco, int marcado, bool conteinerQuebrado = false) {
        for (const TArquivoDeDisco& a : produtos::kArquivosDosDiscos)
            DeleteFileW((produto.Pasta() + a.Origem).c_str());
        for (const TArquivoDeDisco& a : produtos::kArquivosDosDiscos) {
            if (a.Disco != disco || Falta(a))
                continue;
            std::string bytes = Conteudo(a);
            if (EhConteiner(a) && !conteinerQuebrado) {
                const auto conteiner =
                    kt::teste::Conteiner(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
                bytes.assign(conteiner.begin(), conteiner.end());
            }
            ASSERT_TRUE(teste::GravarArquivo(produto.Pasta() + a.Origem, bytes));
        }
        // The identification is plain ASCII, the same bytes in the marker's code page.
        const auto& id = produtos::kIdentificacaoDosDiscos;
        ASSERT_TRUE(teste::GravarArquivo(
            produto.Pasta() + kt::kArquivoDeMarcaDeDisco,
            kt::Utf8(std::wstring(id[1]) + L"\r\n" + id[0] + L"\r\n" + std::to_wstring(marcado))));
    }

    // Waits for a window of the product with that caption that is not `anterior`.
    HWND Esperar(const std::wstring& titulo, HWND anterior = nullptr) {
        HWND janela = nullptr;
        teste::EsperarAte([&] {
            janela = produto.EsperarCaixa(titulo, 100ms);
            return janela && janela != anterior;
        });
        return janela != anterior ? janela : nullptr;
    }

    void Iniciar() {
        produto.Iniciar();
        ASSERT_TRUE(produto.EsperarAssistente(produtos::kTituloDiscos));
        ASSERT_TRUE(produto.Instalar(instalado));
    }

    // The locate dialog for a source of disk 1, answered by the button after the path is typed.
    void ResponderEncontrar(const wchar_t* origem, int botao, const std::wstring& caminho = {}) {
        HWND encontrar = Esperar(kEncontrar, ultimo);
        ASSERT_TRUE(encontrar) << kt::Utf8(origem);
        ultimo = encontrar;
        EXPECT_EQ(teste::Texto(teste::Controle(encontrar, IDC_txtArquivo)),
                  produto.Pasta() + origem);
        if (!caminho.empty())
            teste::DefinirTexto(teste::Controle(encontrar, IDC_txtArquivo), caminho);
        produto.Capturar(encontrar, std::wstring(L"encontrar-") + origem);
        teste::Clicar(teste::Controle(encontrar, botao));
    }

    // The insert-disk prompt for that disk.
    HWND PedidoDoDisco(int disco) {
        HWND pedido = Esperar(kInserirDisco, ultimo);
        if (!pedido)
            return nullptr;
        ultimo = pedido;
        const std::wstring instrucoes =
            teste::Texto(teste::Controle(pedido, IDC_lblInstrucoesDisco));
        EXPECT_NE(instrucoes.find(L"número " + std::to_wstring(disco) + L" do Pontilha.exe"),
                  std::wstring::npos)
            << kt::Utf8(instrucoes);
        return pedido;
    }

    std::wstring Fim() {
        const std::wstring mensagem = produto.ResponderInformacao(30s);
        DWORD codigo = 1;
        EXPECT_TRUE(produto.EsperarFim(codigo, 30s));
        EXPECT_EQ(codigo, 0u);
        return mensagem;
    }

    // The files installed, by their path under the installation directory.
    std::set<std::wstring> Instalados() {
        std::set<std::wstring> nomes;
        for (const std::wstring& pasta :
             {std::wstring(), std::wstring(produtos::kPastaDosDados) + L"\\"})
            for (const std::wstring& nome : teste::Nomes(instalado + pasta))
                if (nome != produtos::kPastaDosDados)
                    nomes.insert(pasta + nome);
        return nomes;
    }

    std::wstring Instalado(const TArquivoDeDisco& a) {
        return instalado + (*a.Pasta ? std::wstring(a.Pasta) + L"\\" : std::wstring()) + a.Nome;
    }

    ProgramaEmTeste produto{produtos::kProdutoDiscos};
    const std::wstring instalado = PastaAoLado(L"instalado");
    const std::wstring outraPasta = PastaAoLado(L"outro");
    HWND ultimo = nullptr;
};

const TArquivoDeDisco& Linha(const wchar_t* origem) {
    for (const TArquivoDeDisco& a : produtos::kArquivosDosDiscos)
        if (std::wstring(a.Origem) == origem)
            return a;
    throw std::logic_error("no such row");
}

TEST_F(Discos, ThreeDisksOneAskedForAgainOneUncheckedAndEveryKindOfRow) {
    ASSERT_TRUE(CreateDirectoryW(instalado.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW((instalado + produtos::kPastaDosDados).c_str(), nullptr));
    ASSERT_TRUE(teste::GravarArquivo(Instalado(Linha(L"antigo.txt")), "da versão anterior"));
    ASSERT_TRUE(CreateDirectoryW(outraPasta.c_str(), nullptr));
    ASSERT_TRUE(teste::GravarArquivo(outraPasta + L"achado aqui.txt", "achado em outro lugar"));
    Iniciar();

    // The removal row's target exists: asked about, "&sim" removes it.
    HWND pergunta = Esperar(kPergunta);
    ASSERT_TRUE(pergunta);
    produto.Capturar(pergunta, L"remover");
    teste::Clicar(teste::Controle(pergunta, IDC_bitSim));
    ResponderEncontrar(L"falta.txt", IDC_bitIgnorar);
    ResponderEncontrar(L"perdido.txt", IDC_bitContinuarEncontrar, outraPasta + L"achado aqui.txt");

    // Disk 1 is still in: asked for disk 2 again until disk 2 is in.
    HWND pedido = PedidoDoDisco(2);
    ASSERT_TRUE(pedido);
    produto.Capturar(pedido, L"disco-2");
    teste::Clicar(teste::Controle(pedido, IDC_bitProsseguir));
    pedido = PedidoDoDisco(2);
    ASSERT_TRUE(pedido) << "not asked again with the wrong disk in";
    ColocarDisco(2, 2);
    teste::Clicar(teste::Controle(pedido, IDC_bitProsseguir));

    // Disk 3 carries disk 2's marker: taken without the check.
    pedido = PedidoDoDisco(3);
    ASSERT_TRUE(pedido);
    ColocarDisco(3, 2);
    teste::Clicar(teste::Controle(pedido, IDC_bitNaoChecar));

    EXPECT_EQ(Fim(), textos::kSucesso);
    std::set<std::wstring> esperados;
    for (const TArquivoDeDisco& a : produtos::kArquivosDosDiscos) {
        SCOPED_TRACE(kt::Utf8(a.Origem));
        const bool instalavel =
            std::wstring(a.Estado) == kt::kSim && std::wstring(a.Origem) != L"falta.txt";
        EXPECT_EQ(teste::Existe(Instalado(a)), instalavel);
        if (!instalavel)
            continue;
        esperados.insert(Instalado(a).substr(instalado.size()));
        EXPECT_EQ(teste::LerArquivo(Instalado(a)),
                  std::wstring(a.Origem) == L"perdido.txt" ? "achado em outro lugar" : Conteudo(a));
    }
    esperados.insert(kt::kArquivoDoDiario);
    EXPECT_EQ(Instalados(), esperados) << "nothing else in the installation but its diary";
}

TEST_F(Discos, CancellingTheInsertDiskPromptKeepsDiskOneAndInterrupts) {
    Iniciar();
    ResponderEncontrar(L"falta.txt", IDC_bitIgnorar);
    ResponderEncontrar(L"perdido.txt", IDC_bitIgnorar);
    HWND pedido = PedidoDoDisco(2);
    ASSERT_TRUE(pedido);
    teste::Clicar(teste::Controle(pedido, IDC_bitCancelarDisco));
    HWND confirmacao = produto.EsperarCaixa(std::wstring(kt::textos_inserir_disco::kConfirmacao));
    ASSERT_TRUE(confirmacao);
    EXPECT_EQ(teste::TextoDaMensagem(confirmacao), kt::TextoFramework(kt::ids::kSair));
    teste::Responder(confirmacao, IDYES);

    EXPECT_EQ(Fim(), textos::kInterrompida);
    EXPECT_EQ(teste::LerArquivo(Instalado(Linha(L"leiame.txt"))), Conteudo(Linha(L"leiame.txt")));
    EXPECT_EQ(teste::LerArquivo(Instalado(Linha(L"capitulo1.ZLib"))),
              Conteudo(Linha(L"capitulo1.ZLib")));
    EXPECT_FALSE(teste::Existe(Instalado(Linha(L"capitulo2.ZLib"))));
}

TEST_F(Discos, CancellingTheOperationLeavesNothingOfTheRun) {
    Iniciar();
    ResponderEncontrar(L"falta.txt", IDC_bitCancelarEncontrar);
    // A closing message would hold the program until answered: it ends by itself.
    DWORD codigo = 1;
    EXPECT_TRUE(produto.EsperarFim(codigo, 30s));
    EXPECT_EQ(codigo, 0u);
    EXPECT_FALSE(teste::Existe(instalado)) << "the folder that the run made is gone again";
}

// A ".ZLib" source that is no container: reported, and the file cannot be installed, so the run
// stops there, without a success, and removes what it made.
TEST_F(Discos, ASourceThatIsNoContainerStopsTheRunAndLeavesNothing) {
    ColocarDisco(1, 1, true);
    Iniciar();
    HWND central = Esperar(std::wstring(kt::textos_central::kTitulo));
    ASSERT_TRUE(central);
    const teste::TRelatorioVisto relatorio = teste::LerRelatorio(central);
    EXPECT_EQ(relatorio.Problema, teste::Linha(kt::ids::kProblema, textos::kNaoEZLib));
    EXPECT_EQ(relatorio.Arquivos,
              teste::Linha(kt::ids::kArquivos, produto.Pasta() + L"capitulo1.ZLib"));
    teste::Continuar(central);
    EXPECT_EQ(Fim(), textos::kErroDuranteInstalacao);
    EXPECT_FALSE(teste::Existe(instalado)) << "the folder that the run made is gone again";
}

// A close that reaches the wizard while a question of the worker is up (the wizard is disabled
// then; Windows' "End task" still closes it): the question is answered first, then the user is
// asked whether to stop; yes stops the run, which removes what it made.
TEST_F(Discos, ClosingWhileAQuestionIsUpAsksAfterItAndStops) {
    Iniciar();
    HWND encontrar = Esperar(kEncontrar);
    ASSERT_TRUE(encontrar);
    PostMessageW(produto.Janela(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(produto.EsperarCaixa(kt::textos_assistente::kConfirmacao, 1s))
        << "asked over the question";
    teste::Clicar(teste::Controle(encontrar, IDC_bitIgnorar));
    HWND confirmacao = produto.EsperarCaixa(kt::textos_assistente::kConfirmacao);
    ASSERT_TRUE(confirmacao);
    EXPECT_EQ(teste::TextoDaMensagem(confirmacao), kt::textos_assistente::kCancelarInstalacao);
    EXPECT_FALSE(produto.HaJanela(kEncontrar)) << "the next question waits for the answer";
    teste::Responder(confirmacao, IDYES);
    DWORD codigo = 1;
    EXPECT_TRUE(produto.EsperarFim(codigo, 30s));
    EXPECT_EQ(codigo, 0u);
    EXPECT_FALSE(teste::Existe(instalado));
}

} // namespace
