// Pontilha installed for real, run from a folder that stands for the CD: the course byte for byte,
// the uninstaller, both shortcuts, the Uninstall entry (also as Wine's own list of programs shows
// it), the closing message and the exit code; into the default folder and into one whose name has
// Portuguese accents; then installed again over itself, with the overwrite question answered for
// all files at once. The time from "&Instalar" to the closing message is printed, never asserted.
// The first test runs again on the copy that tests/win/verificar_assinatura.sh signed (as
// Assinado.*, cmake/Windows.cmake): its resources read with the certificate table after them, and
// the uninstaller that it leaves is the signed file.
#include "core/formularios/TextosAssistente.h"
#include "core/produto/Produto.h"
#include "dialogs/CentralSolucoes.h"
#include "dialogs/TextosDialogos.h"
#include "fileops/Texto.h"
#include "fileops/TextosFramework.h"
#include "instalacao/TextosCopia.h"
#include "resources/AssistenteIds.h"
#include "resources/SobrescreverIds.h"
#include "tests/e2e/Instalacao.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/RastrosPontilha.h"
#include "tests/e2e/Registro.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/RoboCentral.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using namespace e2e;
namespace fs = std::filesystem;
namespace produto = kt::produto;
namespace textos = kt::textos_copia;

class InstalacaoPontilha : public testing::TestWithParam<const wchar_t*> {};

TEST_P(InstalacaoPontilha, InstallsTheCourseTheUninstallerTheShortcutsAndTheUninstallEntry) {
    const std::wstring pasta = ProgramFilesDe32Bits() + L"\\" + GetParam() + L"\\";
    LimparPontilha(pasta);
    EXPECT_EQ(InstalarPontilha(pasta), textos::kSucesso);
    EsperarInstalado(pasta);
    // Wine's own list of installed programs shows the entry.
    EXPECT_TRUE(NaListaDeProgramas());
    LimparPontilha(pasta);
}

INSTANTIATE_TEST_SUITE_P(Pastas, InstalacaoPontilha,
                         testing::Values(produto::kDiretorioPadrao, L"Lições de Braille Ação"));

// One question over a whole installation: "Não para todos" keeps the file that the user changed,
// "Sim para todos" restores it, each without a second question.
TEST(InstalacaoPontilhaNovamente, OneQuestionAndItsAnswerForAllFiles) {
    const std::wstring pasta = ProgramFilesDe32Bits() + L"\\Pontilha Reinstalado\\";
    LimparPontilha(pasta);
    ASSERT_EQ(InstalarPontilha(pasta), textos::kSucesso);
    const std::wstring alterado = pasta + L"Portugues\\dicas.txt";
    const std::string original = teste::LerArquivo(alterado);
    ASSERT_TRUE(teste::GravarArquivo(alterado, "minhas anotações"));

    EXPECT_EQ(InstalarPontilha(pasta, IDC_bitNaoTodos), textos::kSucesso);
    EXPECT_EQ(teste::LerArquivo(alterado), "minhas anotações");

    EXPECT_EQ(InstalarPontilha(pasta, IDC_bitSimTodos), textos::kSucesso);
    EXPECT_EQ(teste::LerArquivo(alterado), original);
    EsperarInstalado(pasta);
    LimparPontilha(pasta);
}

// The disk fills up while an embedded file of the course is extracted: its free space is first
// cut down to the uninstaller and a little of the course. One report, naming that file; no
// success message; and nothing of the run is left on the disk, not even the part of the course
// that fitted.
TEST(InstalacaoPontilhaDiscoCheio, OneReportNoSuccessAndNothingOfTheRunLeft) {
    std::string semDisco;
    const std::wstring disco = teste::DiscoCheio(semDisco);
    if (disco.empty())
        GTEST_SKIP() << "no full disk to install to: " << semDisco;
    const std::wstring pasta = disco + produto::kDiretorioPadrao + L"\\";
    const std::wstring enchimento = disco + L"enchimento.bin";
    LimparPontilha(pasta);
    ULARGE_INTEGER livres{};
    ASSERT_TRUE(GetDiskFreeSpaceExW(disco.c_str(), &livres, nullptr, nullptr));
    const auto programa = fs::file_size(PastaDosProgramas() + L"\\" + produtos::kPontilha);
    constexpr std::uint64_t kCursoQueCabe = 128 * 1024;
    ASSERT_GT(livres.QuadPart, programa + kCursoQueCabe);
    ASSERT_TRUE(teste::GravarArquivo(
        enchimento, std::string(livres.QuadPart - programa - kCursoQueCabe, '\0')));

    ProgramaEmTeste pontilha(produtos::kPontilha);
    pontilha.Iniciar();
    ASSERT_TRUE(pontilha.EsperarAssistente(kt::textos_assistente::kTituloDaJanela));
    ASSERT_TRUE(pontilha.Instalar(pasta));
    HWND central = pontilha.EsperarCaixa(std::wstring(kt::textos_central::kTitulo), 60s);
    ASSERT_TRUE(central);
    pontilha.Capturar(central, L"relatorio");
    // Which row a full disk gets is the copy routine's test (CopiarArquivoDiscoCheio); here, the
    // one report names a file of the course.
    const teste::TRelatorioVisto relatorio = teste::LerRelatorio(central);
    const std::wstring prefixo = teste::Linha(kt::ids::kArquivos, pasta);
    EXPECT_TRUE(relatorio.Arquivos.starts_with(prefixo)) << kt::Utf8(relatorio.Arquivos);
    EXPECT_NE(relatorio.Arquivos, prefixo + produto::kDesinstalador) << "the uninstaller fits";
    teste::Continuar(central);

    EXPECT_EQ(pontilha.ResponderInformacao(30s), textos::kErroDuranteInstalacao);
    DWORD codigo = 1;
    EXPECT_TRUE(pontilha.EsperarFim(codigo, 30s));
    EXPECT_EQ(codigo, 0u);
    EXPECT_FALSE(pontilha.HaJanela(std::wstring(kt::textos_central::kTitulo)));
    EXPECT_EQ(teste::Nomes(disco), (std::vector<std::wstring>{L"enchimento.bin"}));
    EXPECT_FALSE(ChaveExisteEm32Bits(produto::kChaveDesinstalacao));
    for (const std::wstring& atalho : AtalhosDoPontilha())
        EXPECT_FALSE(teste::Existe(atalho));
    DeleteFileW(enchimento.c_str());
}

} // namespace
