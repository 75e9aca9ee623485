// What surrounds the copy, as the user meets it: a directory that cannot be made (reported, then
// back to the options, where another one is chosen); a shortcut hook that fails (reported, the
// next one skipped, the installation goes on); the closing message; then the program that
// follows the installation, started and waited for, and the question to restart the computer,
// answered no (yes would restart the Wine session that every test shares).
#include "core/formularios/TextosAssistente.h"
#include "dialogs/CentralSolucoes.h"
#include "fileops/TextosFramework.h"
#include "instalacao/TextosCopia.h"
#include "resources/AssistenteIds.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/RoboCentral.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

using namespace e2e;
namespace textos = kt::textos_copia;
namespace assistente = kt::textos_assistente;

// The Solutions Center's report, read and closed.
teste::TRelatorioVisto Relatorio(const ProgramaEmTeste& programa, const std::wstring& passo) {
    HWND central = programa.EsperarCaixa(std::wstring(kt::textos_central::kTitulo));
    if (!central)
        return {};
    programa.Capturar(central, passo);
    const teste::TRelatorioVisto visto = teste::LerRelatorio(central);
    teste::Continuar(central);
    teste::EsperarAte([&] { return !teste::Visivel(central); });
    return visto;
}

TEST(FimDaInstalacao, AnotherDirectoryAFailedHookTheProgramAfterAndTheRestartQuestion) {
    ProgramaEmTeste produto(produtos::kProdutoFim);
    produto.CriarArquivo(produtos::kArquivoFim, "Leia-me do produto.");
    ASSERT_TRUE(CopyFileW((PastaDosProgramas() + L"\\kt_prog_marcador.exe").c_str(),
                          (produto.Pasta() + produtos::kProgramaAoTerminar).c_str(), FALSE));
    const std::wstring instalado = PastaAoLado(L"instalado");
    RemoverPasta(instalado);
    produto.Iniciar();
    ASSERT_TRUE(produto.EsperarAssistente(produtos::kTituloFim));

    // A drive that is not there.
    const std::wstring impossivel = L"Q:\\Não há\\";
    ASSERT_TRUE(produto.Instalar(impossivel));
    const teste::TRelatorioVisto diretorio = Relatorio(produto, L"diretorio");
    EXPECT_EQ(diretorio.Problema, teste::Linha(kt::ids::kProblema, impossivel));
    EXPECT_EQ(diretorio.Arquivos, teste::Linha(kt::ids::kArquivos, impossivel));
    EXPECT_EQ(diretorio.Solucao, teste::Linha(kt::ids::kSolucao, textos::kDiretorioNaoCriado));
    ASSERT_TRUE(produto.EsperarCena(IDC_cenaOpcoes));

    teste::DefinirTexto(produto.Controle(IDC_txtDir), instalado);
    produto.Clicar(IDC_botaoProsseguir);
    const teste::TRelatorioVisto atalho = Relatorio(produto, L"atalho");
    EXPECT_EQ(atalho.Problema,
              teste::Linha(kt::ids::kProblema, kt::TextoFramework(kt::ids::kNaoInformado)));
    EXPECT_EQ(atalho.Solucao, teste::Linha(kt::ids::kSolucao, textos::kErroNoAtalho));
    EXPECT_EQ(produto.ResponderInformacao(30s), textos::kSucesso);

    HWND reiniciar = produto.EsperarCaixa(assistente::kConfirmacao, 30s);
    ASSERT_TRUE(reiniciar);
    EXPECT_TRUE(teste::Existe(produto.Pasta() + produtos::kMarcaDoPrograma))
        << "asked before the program had ended";
    produto.Capturar(reiniciar, L"reiniciar");
    EXPECT_EQ(teste::TextoDaMensagem(reiniciar), assistente::kReiniciar);
    teste::Responder(reiniciar, IDNO);
    DWORD codigo = 1;
    EXPECT_TRUE(produto.EsperarFim(codigo, 30s));
    EXPECT_EQ(codigo, 0u);

    EXPECT_EQ(teste::LerArquivo(instalado + produtos::kArquivoFim), "Leia-me do produto.");
    EXPECT_FALSE(teste::Existe(instalado + produtos::kMarcaDaOpcao2))
        << "the hook after the failed one was called";
    RemoverPasta(instalado);
}

} // namespace
