// Uninstall from the installed copy of the program: Pontilha, installed from its CD folder,
// removes itself and its course without a trace but what the user made, and only the course's
// files beside a copy kept under another name; installed into a folder of the user's, it removes
// only what its installations wrote, whatever its diary is made to say and wherever a link leads;
// the uninstall product shows the steps' order, what stays without self-removal or with a "não"
// row, the end of the sequence at a hook that raises, and an uninstall killed halfway finished.
#include "core/formularios/TextosAssistente.h"
#include "core/produto/Produto.h"
#include "core/produto/ValoresDesinstalacao.h"
#include "dialogs/TextosDialogos.h"
#include "fileops/LinhasDoDiario.h"
#include "fileops/Texto.h"
#include "instalacao/TextosCopia.h"
#include "resources/AssistenteIds.h"
#include "resources/SobrescreverIds.h"
#include "tests/e2e/Instalacao.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/RastrosPontilha.h"
#include "tests/e2e/Registro.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/win/comum/Arquivos.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iostream>
#include <sstream>

namespace {

using namespace e2e;
namespace textos = kt::textos_assistente;

// The four steps' check marks as the page shows them: "1100" for the first two.
std::wstring Marcas(const ProgramaEmTeste& programa) {
    std::wstring marcas;
    for (int imagem : {IDC_imgArquivos, IDC_imgDirs, IDC_imgAtalhos, IDC_imgRegistro}) {
        DWORD_PTR icone = 0;
        SendMessageTimeoutW(programa.Controle(imagem), STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 2000,
                            &icone);
        marcas += icone ? L'1' : L'0';
    }
    return marcas;
}

// Clicks "Desinstalar" (as many times as asked, quickly, as an impatient user does) and waits for
// the closing message; null when it never came.
HWND Desinstalar(const ProgramaEmTeste& programa, int cliques = 1) {
    for (int i = 0; i < cliques; ++i)
        programa.Clicar(IDC_botaoDesinstalar);
    return programa.EsperarCaixa(textos::kInformacao);
}

// Starts the program, uninstalls from its operation page, finds the success message there and
// answers it, and waits for the program to end: a second message would keep it running.
void DesinstalarAteOFim(ProgramaEmTeste& programa, int cliques = 1) {
    programa.Iniciar();
    ASSERT_TRUE(programa.EsperarAssistente(textos::kTituloDaJanela));
    HWND mensagem = Desinstalar(programa, cliques);
    ASSERT_TRUE(mensagem);
    EXPECT_EQ(teste::TextoDaMensagem(mensagem), textos::kDesinstalacaoTerminada);
    teste::Responder(mensagem, IDOK);
    DWORD codigo = 1;
    ASSERT_TRUE(programa.EsperarFim(codigo));
    EXPECT_EQ(codigo, 0u);
}

long long Milissegundos(std::chrono::steady_clock::duration duracao) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(duracao).count();
}

// A self-removal batch file that names the program, in either temporary folder it may go to.
bool LoteQueRemove(const std::wstring& programa) {
    wchar_t temporaria[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temporaria);
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::string nome = kt::Utf8(std::filesystem::path(programa).filename().wstring());
    for (const std::wstring& pasta :
         {std::wstring(temporaria), std::wstring(windows) + L"\\Temp"}) {
        std::error_code erro;
        for (const auto& entrada : std::filesystem::directory_iterator(pasta, erro))
            if (entrada.path().extension() == L".bat" &&
                teste::LerArquivo(entrada.path().wstring()).find(nome) != std::string::npos)
                return true;
    }
    return false;
}

TEST(Desinstalacao, NothingOfPontilhaIsLeftButTheFolderAboveIt) {
    const std::wstring instalado = PastaAoLado(L"instalado");
    const std::wstring acima = instalado + L"Programação Ótima\\";
    const std::wstring pasta = acima + L"Pontilha 1.0\\";
    LimparPontilha(instalado);
    ASSERT_EQ(InstalarPontilha(pasta), kt::textos_copia::kSucesso);
    for (const std::wstring& atalho : AtalhosDoPontilha())
        ASSERT_TRUE(teste::Existe(atalho));
    ASSERT_TRUE(NaListaDeProgramas());
    ProgramaEmTeste pontilha(kt::produto::kDesinstalador, Instalado{pasta});
    pontilha.Iniciar();
    ASSERT_TRUE(pontilha.EsperarAssistente(textos::kTituloDaJanela));
    ASSERT_TRUE(pontilha.Habilitado(IDC_botaoDesinstalar));

    const auto clique = std::chrono::steady_clock::now();
    HWND mensagem = Desinstalar(pontilha);
    ASSERT_TRUE(mensagem);
    const auto mensagemVista = std::chrono::steady_clock::now();
    EXPECT_EQ(teste::TextoDaMensagem(mensagem), textos::kDesinstalacaoTerminada);
    EXPECT_EQ(GetWindow(mensagem, GW_OWNER), pontilha.Janela());
    EXPECT_EQ(pontilha.CenaVisivel(), IDC_cenaDesinstalar);
    EXPECT_EQ(Marcas(pontilha), L"1111");
    EXPECT_FALSE(pontilha.Habilitado(IDC_bitCancelar));
    pontilha.Capturar(L"cenaDesinstalar");
    teste::Responder(mensagem, IDOK);

    DWORD codigo = 1;
    ASSERT_TRUE(pontilha.EsperarFim(codigo));
    EXPECT_EQ(codigo, 0u);
    const bool removida = teste::EsperarAte([&] { return !teste::Existe(pasta); }, 30s);
    const auto fim = std::chrono::steady_clock::now();
    std::cout << "[ medida ] desinstalacao do Pontilha: " << Milissegundos(mensagemVista - clique)
              << " ms do clique a mensagem, " << Milissegundos(fim - clique)
              << " ms do clique ao ultimo arquivo removido\n";
    EXPECT_TRUE(removida);
    EXPECT_TRUE(teste::Existe(acima));
    for (const std::wstring& atalho : AtalhosDoPontilha())
        EXPECT_FALSE(teste::Existe(atalho)) << kt::Utf8(atalho);
    EXPECT_FALSE(NaListaDeProgramas());
    LimparPontilha(instalado);
}

TEST(Desinstalacao, AUsersFileKeepsItsFolderAndFilesDeletedByHandOrReadOnlyStillEndInSuccess) {
    const std::wstring pasta = PastaAoLado(L"instalado");
    LimparPontilha(pasta);
    ASSERT_EQ(InstalarPontilha(pasta), kt::textos_copia::kSucesso);
    const std::vector<std::wstring> curso = ArquivosDoCurso();
    // The start page stays: it makes the folder an installation.
    for (std::size_t i = 1; i < curso.size(); i += 5)
        ASSERT_TRUE(DeleteFileW((pasta + curso[i]).c_str()));
    // Made read-only by the user, it is still the course's.
    ASSERT_TRUE(SetFileAttributesW((pasta + curso[2]).c_str(), FILE_ATTRIBUTE_READONLY));
    const std::wstring anotacoes = pasta + L"Portugues\\minhas anotações.txt";
    ASSERT_TRUE(teste::GravarArquivo(anotacoes, "Ponto 1 e 2: letra b."));
    ProgramaEmTeste pontilha(kt::produto::kDesinstalador, Instalado{pasta});
    ASSERT_NO_FATAL_FAILURE(DesinstalarAteOFim(pontilha));
    EXPECT_TRUE(teste::EsperarAte([&] { return !teste::Existe(pontilha.Caminho()); }, 30s));

    for (const std::wstring& arquivo : curso)
        EXPECT_FALSE(teste::Existe(pasta + arquivo)) << kt::Utf8(arquivo);
    EXPECT_FALSE(teste::Existe(pasta + L"Portugues\\frases"));
    EXPECT_FALSE(teste::Existe(pasta + L"Portugues\\scripts"));
    EXPECT_EQ(teste::LerArquivo(anotacoes), "Ponto 1 e 2: letra b.");
    LimparPontilha(pasta);
}

// A copy of the program that the user keeps under another name beside a start page, in a folder
// that holds files of the user's: uninstalling there removes the course's files and nothing else.
TEST(Desinstalacao, ACopyUnderAnotherNameRemovesOnlyTheCoursesFilesAndNotItself) {
    ProgramaEmTeste copia(produtos::kPontilha, L"Meus documentos");
    copia.Renomear(L"Pontilha (2).exe");
    const std::wstring curso[] = {L"Pontilha.pt.html", L"Portugues\\braille.html"};
    const std::wstring doUsuario[] = {L"index.html", L"Portugues\\minha página.html"};
    std::filesystem::create_directories(copia.Pasta() + L"Portugues");
    for (const std::wstring& arquivo : curso)
        ASSERT_TRUE(teste::GravarArquivo(copia.Pasta() + arquivo, "<html></html>"));
    for (const std::wstring& arquivo : doUsuario)
        ASSERT_TRUE(teste::GravarArquivo(copia.Pasta() + arquivo, "<html>meu</html>"));
    ASSERT_NO_FATAL_FAILURE(DesinstalarAteOFim(copia));

    EXPECT_FALSE(LoteQueRemove(copia.Caminho()));
    EXPECT_TRUE(teste::Existe(copia.Caminho()));
    for (const std::wstring& arquivo : curso)
        EXPECT_FALSE(teste::Existe(copia.Pasta() + arquivo)) << kt::Utf8(arquivo);
    for (const std::wstring& arquivo : doUsuario)
        EXPECT_TRUE(teste::Existe(copia.Pasta() + arquivo)) << kt::Utf8(arquivo);
}

// Installs from the program's folder, answering the first overwrite question with the button.
void InstalarRespondendo(ProgramaEmTeste& programa, const std::wstring& pasta, int botao) {
    programa.Iniciar();
    ASSERT_TRUE(programa.EsperarAssistente(textos::kTituloDaJanela));
    ASSERT_TRUE(programa.Instalar(pasta));
    HWND pergunta = programa.EsperarCaixa(std::wstring(kt::textos_sobrescrever::kTitulo), 30s);
    ASSERT_TRUE(pergunta);
    teste::Clicar(teste::Controle(pergunta, botao));
    EXPECT_EQ(programa.ResponderInformacao(60s), kt::textos_copia::kSucesso);
    DWORD codigo = 1;
    ASSERT_TRUE(programa.EsperarFim(codigo, 30s));
}

// Run as a second download beside an unrelated "Pontilha.exe", installed into a folder of the
// user's where a page of the user's has a course file's name, then again: the program that ran is
// the uninstaller, quoted in the entry for the blank in its path; the uninstall keeps the user's
// page, its folder and the folder it was all installed into, the files that a diary edited by
// hand names and the files behind a link that replaced a folder of the course.
TEST(Desinstalacao, OnlyWhatTheInstallationsWroteGoes) {
    const std::wstring pasta = PastaAoLado(L"Meus Downloads");
    const std::wstring fora = PastaAoLado(L"fora");
    const std::wstring scripts = pasta + L"Portugues\\scripts";
    teste::DesligarPeloLinux(scripts);
    LimparPontilha(pasta);
    RemoverPasta(fora);
    std::filesystem::create_directories(pasta + L"Portugues");
    std::filesystem::create_directories(fora);
    const std::wstring pagina = pasta + L"Portugues\\braille.html";
    ASSERT_TRUE(teste::GravarArquivo(pagina, "minha página"));
    ProgramaEmTeste cd(produtos::kPontilha);
    cd.Renomear(L"Pontilha (1).exe");
    cd.CriarArquivo(kt::produto::kDesinstalador, "outro programa");

    ASSERT_NO_FATAL_FAILURE(InstalarRespondendo(cd, pasta, IDC_bitNao));
    EXPECT_EQ(teste::LerArquivo(pasta + kt::produto::kDesinstalador),
              teste::LerArquivo(cd.Caminho()));
    EXPECT_EQ(ValorDe32Bits(kt::produto::kChaveDesinstalacao, kt::kValorDesinstalador),
              L"\"" + pasta + kt::produto::kDesinstalador + L"\"");
    const std::wstring dicas = pasta + L"Portugues\\dicas.txt";
    ASSERT_TRUE(DeleteFileW(dicas.c_str()));
    ASSERT_NO_FATAL_FAILURE(InstalarRespondendo(cd, pasta, IDC_bitNaoTodos));
    EXPECT_TRUE(teste::Existe(dicas));

    const std::wstring alheios[] = {fora + L"alheio.txt", pasta + L"lista.txt"};
    std::string diario = teste::LerArquivo(pasta + kt::kArquivoDoDiario);
    for (const std::wstring& alheio : alheios) {
        ASSERT_TRUE(teste::GravarArquivo(alheio, "do usuário"));
        diario += kt::Utf8(kt::LinhaDoArquivo(alheio));
    }
    ASSERT_TRUE(teste::GravarArquivo(pasta + kt::kArquivoDoDiario, diario));
    RemoverPasta(scripts);
    ASSERT_TRUE(teste::GravarArquivo(fora + L"jscript.js", "meu script"));
    ASSERT_TRUE(teste::LigarPeloLinux(scripts, fora));

    ProgramaEmTeste instalado(kt::produto::kDesinstalador, Instalado{pasta});
    ASSERT_NO_FATAL_FAILURE(DesinstalarAteOFim(instalado));
    EXPECT_TRUE(teste::EsperarAte([&] { return !teste::Existe(instalado.Caminho()); }, 30s));
    for (const std::wstring& arquivo : ArquivosDoCurso()) {
        if (arquivo != L"Portugues\\braille.html" && !arquivo.starts_with(L"Portugues\\scripts")) {
            EXPECT_FALSE(teste::Existe(pasta + arquivo)) << kt::Utf8(arquivo);
        }
    }
    EXPECT_EQ(teste::LerArquivo(pagina), "minha página");
    for (const std::wstring& alheio : alheios)
        EXPECT_TRUE(teste::Existe(alheio)) << kt::Utf8(alheio);
    EXPECT_EQ(teste::LerArquivo(scripts + L"\\jscript.js"), "meu script");
    EXPECT_FALSE(teste::Existe(pasta + kt::kArquivoDoDiario));
    EXPECT_FALSE(teste::Existe(pasta + L"Portugues\\frases"));
    teste::DesligarPeloLinux(scripts);
    LimparPontilha(pasta);
    RemoverPasta(fora);
}

// Where a file of the uninstall product goes.
std::wstring Local(const ProgramaEmTeste& produto, const produtos::TArquivoDoProduto& arquivo) {
    return (std::filesystem::path(produto.Pasta()) / arquivo.Subdiretorio / arquivo.Nome).wstring();
}

// The uninstall product's files laid out as an installation leaves them.
void InstalarProduto(const ProgramaEmTeste& produto) {
    for (const produtos::TArquivoDoProduto& arquivo : produtos::kArquivosDesinstalacao) {
        std::filesystem::create_directories(produto.Pasta() + arquivo.Subdiretorio);
        ASSERT_TRUE(teste::GravarArquivo(Local(produto, arquivo), "conteúdo"));
    }
}

// The hooks' diary, in a file beside the installation folder; the variable is this process's
// and passes to the program that it starts.
std::wstring AbrirDiario() {
    const std::wstring diario = PastaDoTeste() + L"diario.txt";
    SetEnvironmentVariableW(produtos::kVariavelDiario, diario.c_str());
    return diario;
}

std::vector<std::wstring> Linhas(const std::wstring& arquivo) {
    std::vector<std::wstring> linhas;
    std::istringstream texto(teste::LerArquivo(arquivo));
    for (std::string linha; std::getline(texto, linha);)
        linhas.push_back(teste::DeUtf8(linha));
    return linhas;
}

TEST(DesinstalacaoProduto, WithoutSelfRemovalTheProgramAndANaoFileStayAndTheHooksRunInOrder) {
    ProgramaEmTeste produto(produtos::kProdutoDesinstalacao, L"Produto à parte");
    InstalarProduto(produto);
    const std::wstring diario = AbrirDiario();
    // The second click reaches the button while the first one's uninstall runs: it starts none.
    ASSERT_NO_FATAL_FAILURE(DesinstalarAteOFim(produto, 2));

    EXPECT_FALSE(LoteQueRemove(produto.Caminho()));
    EXPECT_TRUE(teste::Existe(produto.Caminho()));
    for (const produtos::TArquivoDoProduto& arquivo : produtos::kArquivosDesinstalacao)
        EXPECT_EQ(teste::Existe(Local(produto, arquivo)), arquivo.Fica) << kt::Utf8(arquivo.Nome);
    for (const wchar_t* diretorio : produtos::kDiretoriosDesinstalacao)
        EXPECT_FALSE(teste::Existe(produto.Pasta() + diretorio)) << kt::Utf8(diretorio);
    // Each hook after the check marks of the steps before it, with the directory of the program.
    const std::wstring pasta = produto.Pasta();
    EXPECT_EQ(Linhas(diario), (std::vector<std::wstring>{L"RemoverAtalhos|" + pasta + L"|1100",
                                                         L"RemoverRegistro|" + pasta + L"|1110",
                                                         L"AoDesinstalar|" + pasta + L"|1111"}));
}

TEST(DesinstalacaoProduto, AHookThatRaisesEndsTheSequenceAndTheCloseQuestionStillGuardsThePage) {
    ProgramaEmTeste produto(produtos::kProdutoDesinstalacao);
    InstalarProduto(produto);
    const std::wstring diario = AbrirDiario();
    SetEnvironmentVariableW(produtos::kVariavelGanchoQueFalha, L"RemoverRegistro");
    produto.Iniciar();
    ASSERT_TRUE(produto.EsperarAssistente(textos::kTituloDaJanela));

    produto.Clicar(IDC_botaoDesinstalar);
    const std::wstring programa = std::filesystem::path(produtos::kProdutoDesinstalacao).stem();
    HWND erro = produto.EsperarCaixa(programa);
    ASSERT_TRUE(erro);
    EXPECT_EQ(teste::TextoDaMensagem(erro), produtos::kFalhaDoGancho);
    produto.Capturar(erro, L"erro");
    teste::Responder(erro, IDOK);
    ASSERT_TRUE(teste::EsperarAte([&] { return !IsWindow(erro); }));

    EXPECT_EQ(produto.CenaVisivel(), IDC_cenaDesinstalar);
    EXPECT_EQ(Marcas(produto), L"1110");
    produto.Capturar(L"cenaDesinstalar");
    EXPECT_FALSE(produto.HaJanela(textos::kInformacao));
    EXPECT_EQ(Linhas(diario).size(), 2u) << "AoDesinstalar is not called";

    produto.FecharJanela();
    HWND pergunta = produto.EsperarCaixa(textos::kConfirmacao);
    ASSERT_TRUE(pergunta);
    teste::Responder(pergunta, IDYES);
    DWORD codigo = 1;
    EXPECT_TRUE(produto.EsperarFim(codigo));
}

// Killed in a hook, once the file that marks the product installed is gone: the installed copy
// still offers to uninstall, and finishes the job.
TEST(DesinstalacaoProduto, AnUninstallKilledHalfwayIsFinishedByRunningTheInstalledCopyAgain) {
    ProgramaEmTeste cd(produtos::kProdutoDesinstalacao);
    for (const produtos::TArquivoDoProduto& arquivo : produtos::kArquivosDesinstalacao)
        cd.CriarArquivo(arquivo.Nome, "conteúdo");
    const std::wstring pasta = PastaAoLado(L"instalado");
    RemoverPasta(pasta);
    cd.Iniciar();
    ASSERT_TRUE(cd.EsperarAssistente(textos::kTituloDaJanela));
    ASSERT_TRUE(cd.Instalar(pasta));
    EXPECT_EQ(cd.ResponderInformacao(), kt::textos_copia::kSucesso);
    DWORD codigo = 1;
    ASSERT_TRUE(cd.EsperarFim(codigo));

    const std::wstring diario = AbrirDiario();
    SetEnvironmentVariableW(produtos::kVariavelGanchoQueTrava, L"RemoverRegistro");
    ProgramaEmTeste instalado(produtos::kProdutoDesinstalacao, Instalado{pasta});
    instalado.Iniciar();
    ASSERT_TRUE(instalado.EsperarAssistente(textos::kTituloDaJanela));
    instalado.Clicar(IDC_botaoDesinstalar);
    ASSERT_TRUE(instalado.MatarQuando([&] { return Linhas(diario).size() == 2; }, 30s));
    SetEnvironmentVariableW(produtos::kVariavelGanchoQueTrava, nullptr);
    ASSERT_FALSE(teste::Existe(pasta + produtos::kArquivosDesinstalacao[0].Nome));

    ASSERT_NO_FATAL_FAILURE(DesinstalarAteOFim(instalado));
    EXPECT_EQ(teste::Nomes(pasta), std::vector<std::wstring>{produtos::kProdutoDesinstalacao});
    RemoverPasta(pasta);
}

} // namespace
