// Pontilha installed for real, run from a folder that stands for the CD: the course byte for byte,
// the uninstaller, both shortcuts, the Uninstall entry (also as Wine's own list of programs shows
// it), the closing message and the exit code; into the default folder and into one whose name has
// Portuguese accents; then installed again over itself, with the overwrite question answered for
// all files at once. The time from "&Instalar" to the closing message is printed, never asserted.
#include "core/formularios/TextosAssistente.h"
#include "core/program/Produto.h"
#include "core/program/ValoresDesinstalacao.h"
#include "dialogs/CentralSolucoes.h"
#include "dialogs/TextosDialogos.h"
#include "fileops/Texto.h"
#include "fileops/TextosFramework.h"
#include "payload/TextosCopia.h"
#include "resources/AssistenteIds.h"
#include "resources/SobrescreverIds.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/RastrosPontilha.h"
#include "tests/e2e/Registro.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/LerAtalho.h"
#include "tests/win/comum/RoboCentral.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>

namespace {

using namespace e2e;
namespace fs = std::filesystem;
namespace produto = kt::produto;
namespace textos = kt::textos_copia;

// The site's files in the source tree, as the installation must leave them.
const std::wstring kFontesDoSite = L"" KT_FONTES_PAYLOAD;

// The files under a folder, by their path relative to it.
std::map<std::wstring, fs::path> Arvore(const std::wstring& pasta) {
    std::map<std::wstring, fs::path> arquivos;
    std::error_code erro;
    for (const auto& item : fs::recursive_directory_iterator(pasta, erro))
        if (item.is_regular_file())
            arquivos[fs::relative(item.path(), pasta).wstring()] = item.path();
    return arquivos;
}

const std::array<std::wstring, 2> kAtalhos = AtalhosDoPontilha();

// The output of a console program of the prefix.
std::string Saida(std::wstring linhaDeComando) {
    SECURITY_ATTRIBUTES herdavel{sizeof herdavel, nullptr, TRUE};
    HANDLE leitura = nullptr;
    HANDLE escrita = nullptr;
    if (!CreatePipe(&leitura, &escrita, &herdavel, 0))
        return {};
    SetHandleInformation(leitura, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    inicio.dwFlags = STARTF_USESTDHANDLES;
    inicio.hStdOutput = escrita;
    inicio.hStdError = escrita;
    PROCESS_INFORMATION processo{};
    const bool iniciado = CreateProcessW(nullptr, linhaDeComando.data(), nullptr, nullptr, TRUE,
                                         CREATE_NO_WINDOW, nullptr, nullptr, &inicio, &processo);
    CloseHandle(escrita);
    std::string saida;
    if (iniciado) {
        char bloco[4096];
        DWORD lidos = 0;
        while (ReadFile(leitura, bloco, sizeof bloco, &lidos, nullptr) && lidos > 0)
            saida.append(bloco, lidos);
        WaitForSingleObject(processo.hProcess, 10000);
        CloseHandle(processo.hThread);
        CloseHandle(processo.hProcess);
    }
    CloseHandle(leitura);
    return saida;
}

// Runs Pontilha from its CD folder and installs it into the folder, answering the overwrite
// question (when given) the first time it comes; fails the test on a second one. Returns the
// closing message and prints how long the installation took.
std::wstring InstalarPontilha(const std::wstring& pasta, int respostaAPergunta = 0) {
    ProgramaEmTeste pontilha(produtos::kPontilha);
    pontilha.Iniciar();
    if (!pontilha.EsperarAssistente(kt::textos_assistente::kTituloDaJanela)) {
        ADD_FAILURE() << "the wizard did not come";
        return {};
    }
    const auto inicio = std::chrono::steady_clock::now();
    if (!pontilha.Instalar(pasta)) {
        ADD_FAILURE() << "the copying page did not come";
        return {};
    }
    if (respostaAPergunta != 0) {
        HWND pergunta = pontilha.EsperarCaixa(std::wstring(kt::textos_sobrescrever::kTitulo), 30s);
        EXPECT_TRUE(pergunta) << "no overwrite question";
        if (pergunta) {
            pontilha.Capturar(pergunta, L"pergunta");
            teste::Clicar(teste::Controle(pergunta, respostaAPergunta));
            EXPECT_TRUE(teste::EsperarAte([&] { return !IsWindow(pergunta); }));
        }
    }
    HWND mensagem = pontilha.EsperarCaixa(kt::textos_assistente::kInformacao, 60s);
    const auto duracao = std::chrono::steady_clock::now() - inicio;
    EXPECT_FALSE(pontilha.HaJanela(std::wstring(kt::textos_sobrescrever::kTitulo)))
        << "a second overwrite question";
    if (!mensagem) {
        ADD_FAILURE() << "no closing message";
        return {};
    }
    pontilha.Capturar(mensagem, L"fim");
    std::printf("[ medida ] Pontilha, de \"&Instalar\" à mensagem final: %.2f s\n",
                std::chrono::duration<double>(duracao).count());
    const std::wstring texto = pontilha.ResponderInformacao();
    DWORD codigo = 1;
    EXPECT_TRUE(pontilha.EsperarFim(codigo, 30s));
    EXPECT_EQ(codigo, 0u);
    return texto;
}

void EsperarInstalado(const std::wstring& pasta) {
    const auto fontes = Arvore(kFontesDoSite);
    auto instalados = Arvore(pasta);
    ASSERT_EQ(fontes.size(), 62u);
    for (const auto& [relativo, fonte] : fontes) {
        SCOPED_TRACE(kt::Utf8(relativo));
        ASSERT_TRUE(instalados.count(relativo));
        EXPECT_EQ(teste::LerArquivo(instalados[relativo].wstring()),
                  teste::LerArquivo(fonte.wstring()));
        instalados.erase(relativo);
    }
    ASSERT_EQ(instalados.size(), 1u) << "only the uninstaller besides the course";
    EXPECT_EQ(teste::LerArquivo(pasta + produto::kDesinstalador),
              teste::LerArquivo(PastaDosProgramas() + L"\\" + produtos::kPontilha));
    std::printf("[ medida ] Pontilha instalado: %zu arquivos\n", fontes.size() + 1);

    for (const std::wstring& atalho : kAtalhos) {
        SCOPED_TRACE(kt::Utf8(atalho));
        const teste::TAtalhoLido lido = teste::LerAtalho(atalho);
        EXPECT_TRUE(lido.Carregado);
        EXPECT_EQ(lido.Alvo, pasta + produto::kPaginaInicial);
        EXPECT_EQ(lido.Descricao, produto::kNomeExibido);
    }

    for (const auto& [nome, esperado] : kt::ValoresDesinstalacao(pasta))
        EXPECT_EQ(ValorDe32Bits(produto::kChaveDesinstalacao, nome), esperado) << kt::Utf8(nome);
}

class InstalacaoPontilha : public testing::TestWithParam<const wchar_t*> {};

TEST_P(InstalacaoPontilha, InstallsTheCourseTheUninstallerTheShortcutsAndTheUninstallEntry) {
    const std::wstring pasta = ProgramFilesDe32Bits() + L"\\" + GetParam() + L"\\";
    LimparPontilha(pasta);
    EXPECT_EQ(InstalarPontilha(pasta), textos::kSucesso);
    EsperarInstalado(pasta);
    // Wine's own list of installed programs shows the entry.
    const std::string lista = Saida(L"uninstaller.exe --list");
    EXPECT_NE(lista.find("|||Pontilha 1.0"), std::string::npos) << lista;
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
// cut down to the uninstaller and a little of the course. One report, "O disco está cheio.",
// naming that file; no success message; and nothing of the run is left on the disk, not even the
// part of the course that fitted.
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
    const teste::TRelatorioVisto relatorio = teste::LerRelatorio(central);
    EXPECT_EQ(relatorio.Problema,
              teste::Linha(kt::ids::kProblema, kt::TextoFramework(kt::ids::kDiscoCheio)));
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
    for (const std::wstring& atalho : kAtalhos)
        EXPECT_FALSE(teste::Existe(atalho));
    DeleteFileW(enchimento.c_str());
}

} // namespace
