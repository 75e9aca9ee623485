// The overwrite confirmation on screen, answered by a robot as a user would: the texts of both
// files (names, size lines, dates in the prefix's Brazilian short format, versions of programs and
// containers), the rows of buttons and the window's height, every answer by mouse and keyboard,
// the describe-source switch, and the report of a file that cannot be opened for its date.
#include "dialogs/Sobrescrever.h"
#include "dialogs/TextosDialogos.h"
#include "fileops/TextosFramework.h"
#include "payload/container/CabecalhoZLib.h"
#include "resources/SobrescreverIds.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/Captura.h"
#include "tests/win/comum/Janelas.h"
#include "tests/win/comum/Robo.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using teste::Linha;

using namespace kt;
namespace textos = textos_sobrescrever;
using teste::PastaTemporaria;
using teste::TextoDe;

const std::wstring kTitulo(textos::kTitulo);

std::wstring T(std::wstring_view texto) {
    return std::wstring(texto);
}

// What the question showed, read from its window.
struct TPerguntaVista {
    std::wstring NomePara, TamPara, DataPara, VersaoPara;
    std::wstring NomeDe, TamDe, DataDe, VersaoDe;
    std::vector<int> Botoes; // the visible buttons
    int Altura = 0;
};

TPerguntaVista Ler(HWND janela) {
    TPerguntaVista v;
    v.NomePara = TextoDe(janela, IDC_lblNomePara);
    v.TamPara = TextoDe(janela, IDC_lblTamPara);
    v.DataPara = TextoDe(janela, IDC_lblDataPara);
    v.VersaoPara = TextoDe(janela, IDC_lblVersaoPara);
    v.NomeDe = TextoDe(janela, IDC_lblNomeDe);
    v.TamDe = TextoDe(janela, IDC_lblTamDe);
    v.DataDe = TextoDe(janela, IDC_lblDataDe);
    v.VersaoDe = TextoDe(janela, IDC_lblVersaoDe);
    for (int id : {IDC_bitSim, IDC_bitNao, IDC_bitSimTodos, IDC_bitNaoTodos})
        if (teste::Visivel(teste::Controle(janela, id)))
            v.Botoes.push_back(id);
    RECT r{};
    GetWindowRect(janela, &r);
    v.Altura = r.bottom - r.top;
    return v;
}

struct TResultado {
    std::int32_t Resposta = -1;
    TPerguntaVista Vista;
    std::vector<teste::TRelatorioVisto> Relatorios;
};

// Asks once; the robot reads the window, then answers it with `responder`.
TResultado Perguntar(const std::wstring& origem, const std::wstring& destino, std::uint8_t botoes,
                     bool descrever, const std::function<void(HWND)>& responder) {
    TResultado r;
    r.Relatorios = teste::ComRoboDeJanelas(
        [&] { r.Resposta = PerguntarSobrescrever(origem, destino, botoes, descrever); },
        {{kTitulo, [&](HWND janela) {
              r.Vista = Ler(janela);
              responder(janela);
          }}});
    return r;
}

std::function<void(HWND)> Clicar(int id) {
    return [id](HWND janela) { teste::Clicar(teste::Controle(janela, id)); };
}

// The date of last change, set as local time.
void DefinirData(const std::wstring& arquivo, WORD ano, WORD mes, WORD dia) {
    SYSTEMTIME local{ano, mes, 0, dia, 12, 0, 0, 0};
    FILETIME tempoLocal{};
    FILETIME tempo{};
    SystemTimeToFileTime(&local, &tempoLocal);
    LocalFileTimeToFileTime(&tempoLocal, &tempo);
    HANDLE h = CreateFileW(arquivo.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    SetFileTime(h, nullptr, nullptr, &tempo);
    CloseHandle(h);
}

std::wstring Arquivo(const PastaTemporaria& pasta, const wchar_t* nome, std::size_t tamanho) {
    const std::wstring caminho = pasta / nome;
    EXPECT_TRUE(teste::GravarArquivo(caminho, std::string(tamanho, 'k')));
    return caminho;
}

// A container whose header carries the version 7.8.9.0.
std::wstring Conteiner(const PastaTemporaria& pasta, const wchar_t* nome) {
    TCabecalhoZLib cabecalho{};
    cabecalho.TamanhoCabecalho = kTamanhoCabecalhoZLib;
    cabecalho.Assinatura = kAssinaturaZLib;
    cabecalho.Formato = kFormatoZLib;
    cabecalho.Versao = TVersaoArquivo{0, 7, 8, 9, 0, 0};
    std::string bytes(reinterpret_cast<const char*>(&cabecalho), sizeof cabecalho);
    bytes += std::string(2000, 'z');
    const std::wstring caminho = pasta / nome;
    EXPECT_TRUE(teste::GravarArquivo(caminho, bytes));
    return caminho;
}

// A copy of this test program, whose version resource is 1.2.3.4.
std::wstring Programa(const PastaTemporaria& pasta) {
    wchar_t proprio[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, proprio, MAX_PATH);
    const std::wstring caminho = pasta / L"novo.exe";
    EXPECT_TRUE(CopyFileW(proprio, caminho.c_str(), FALSE));
    return caminho;
}

TEST(Sobrescrever, ShowsBothFilesWithTheirTextsAndEnterReplaces) {
    PastaTemporaria pasta(L"kt sobrescrever");
    const std::wstring origem = Programa(pasta);
    const std::wstring destino = Conteiner(pasta, L"curso.zLiB");
    DefinirData(origem, 2024, 3, 5);
    DefinirData(destino, 2001, 12, 31);
    std::vector<std::wstring> fixos;
    const TResultado r = Perguntar(origem, destino, 0, true, [&](HWND janela) {
        for (int id : {IDC_lblDescricao, IDC_lblSubstituir, IDC_lblTam1, IDC_lblIdade1,
                       IDC_lblVersao1, IDC_lblPor, IDC_lblTam2, IDC_lblIdade2, IDC_lblVersao2,
                       IDC_bitSim, IDC_bitNao, IDC_bitSimTodos, IDC_bitNaoTodos})
            fixos.push_back(TextoDe(janela, id));
        fixos.push_back(teste::Texto(janela));
        teste::PressionarTecla(janela, VK_RETURN);
    });
    EXPECT_EQ(r.Resposta, kSobrescrever);
    EXPECT_TRUE(r.Relatorios.empty());
    const std::vector<std::wstring> esperados = {T(textos::kDescricao), T(textos::kSubstituir),
                                                 T(textos::kTamanho),   T(textos::kIdade),
                                                 T(textos::kVersao),    T(textos::kPor),
                                                 T(textos::kTamanho),   T(textos::kIdade),
                                                 T(textos::kVersao),    T(textos::kSim),
                                                 T(textos::kNao),       T(textos::kSimTodos),
                                                 T(textos::kNaoTodos),  kTitulo};
    EXPECT_EQ(fixos, esperados);
    EXPECT_EQ(r.Vista.NomePara, destino);
    EXPECT_EQ(r.Vista.NomeDe, origem);
    EXPECT_EQ(r.Vista.TamPara, L"2 kb");
    EXPECT_EQ(r.Vista.DataPara, L"31/12/2001");
    EXPECT_EQ(r.Vista.DataDe, L"05/03/2024");
    EXPECT_EQ(r.Vista.VersaoPara, L"7.8" + Linha(ids::kDistribuicao, L"9"))
        << "the container header's version";
    EXPECT_EQ(r.Vista.VersaoDe,
              L"1.2" + Linha(ids::kDistribuicao, L"3") + Linha(ids::kConstrucao, L"4"));
    EXPECT_EQ(r.Vista.Botoes, (std::vector<int>{IDC_bitSim, IDC_bitNao}));
    EXPECT_EQ(r.Vista.Altura, ui::Form::Scale(kAlturaSemTodos));
}

struct TCasoBotoes {
    std::uint8_t Botoes;
    std::vector<int> Visiveis;
    int Altura;
    std::function<void(HWND)> Responder;
    std::int32_t Resposta;
};

TEST(Sobrescrever, TheButtonsValueShowsItsRowAndEachWayOfAnsweringGivesItsAnswer) {
    using teste::PressionarMnemonico;
    using teste::PressionarTecla;
    const std::vector<int> ambos = {IDC_bitSim, IDC_bitNao, IDC_bitSimTodos, IDC_bitNaoTodos};
    const std::vector<TCasoBotoes> casos = {
        {0, {IDC_bitSim, IDC_bitNao}, kAlturaSemTodos, Clicar(IDC_bitSim), kSobrescrever},
        {0, {IDC_bitSim, IDC_bitNao}, kAlturaSemTodos, Clicar(IDC_bitNao), kManter},
        {1,
         {IDC_bitSim, IDC_bitNao, IDC_bitSimTodos},
         kAlturaComTodos,
         Clicar(IDC_bitSimTodos),
         kSobrescreverTodos},
        {2,
         {IDC_bitSim, IDC_bitNao, IDC_bitNaoTodos},
         kAlturaComTodos,
         Clicar(IDC_bitNaoTodos),
         kManterTodos},
        {3, ambos, kAlturaComTodos, [](HWND j) { PressionarMnemonico(j, L'S'); }, kSobrescrever},
        {3, ambos, kAlturaComTodos, [](HWND j) { PressionarMnemonico(j, L'n'); }, kManter},
        {3, ambos, kAlturaComTodos, [](HWND j) { PressionarTecla(j, VK_ESCAPE); }, kManter},
        {0, {IDC_bitSim, IDC_bitNao}, kAlturaSemTodos, [](HWND j) { teste::Fechar(j); }, kManter},
    };
    PastaTemporaria pasta(L"kt sobrescrever");
    const std::wstring origem = Arquivo(pasta, L"a.txt", 10);
    const std::wstring destino = Arquivo(pasta, L"b.txt", 20);
    for (const TCasoBotoes& caso : casos) {
        SCOPED_TRACE(testing::Message()
                     << "botões " << int(caso.Botoes) << ", resposta " << caso.Resposta);
        const TResultado r = Perguntar(origem, destino, caso.Botoes, true,
                                       [&](HWND janela) { caso.Responder(janela); });
        EXPECT_EQ(r.Resposta, caso.Resposta);
        EXPECT_EQ(r.Vista.Botoes, caso.Visiveis);
        EXPECT_EQ(r.Vista.Altura, ui::Form::Scale(caso.Altura));
    }
}

// Alone on the screen, also for the screenshots: one question with each height.
TEST(SobrescreverTeclado, TheFocusStartsOnYesAndTabWalksTheButtonsInReadingOrder) {
    PastaTemporaria pasta(L"kt sobrescrever");
    const std::wstring origem = Programa(pasta);
    const std::wstring destino = Conteiner(pasta, L"Pontilha.ZLib");
    Perguntar(origem, destino, 0, true, [](HWND j) {
        teste::Capturar(j, L"sobrescrever");
        teste::Clicar(teste::Controle(j, IDC_bitNao));
    });
    std::vector<int> percurso;
    Perguntar(origem, destino, 3, true, [&](HWND j) {
        EXPECT_TRUE(
            teste::EsperarAte([&] { return teste::Foco(j) == teste::Controle(j, IDC_bitSim); }));
        teste::Capturar(j, L"sobrescrever-todos");
        percurso = teste::PercorrerComTab(j);
        teste::Clicar(teste::Controle(j, IDC_bitNao));
    });
    EXPECT_EQ(percurso,
              (std::vector<int>{IDC_bitSim, IDC_bitNao, IDC_bitSimTodos, IDC_bitNaoTodos}));
}

struct TCasoTamanho {
    long long Destino;
    long long Origem;
    std::wstring LinhaDestino;
    std::wstring LinhaOrigem;
    std::size_t Relatorios; // an empty file is reported by the size service itself
};

TEST(Sobrescrever, SizeLinesShowBytesUpTo1023ThenWholeKilobytesOfTheWholeSize) {
    const std::vector<TCasoTamanho> casos = {
        {1023, 1024, L"1023 bytes", L"1 kb", 0},
        {1535, 1048576, L"1 kb", L"1024 kb", 0},
        {0, (4LL << 30) + 1536, L"0 bytes", L"4194305 kb", 1},
    };
    PastaTemporaria pasta(L"kt sobrescrever");
    const std::wstring destino = pasta / L"destino.txt";
    const std::wstring origem = pasta / L"origem.txt";
    for (const TCasoTamanho& caso : casos) {
        ASSERT_TRUE(teste::GravarArquivoVazio(destino, caso.Destino));
        ASSERT_TRUE(teste::GravarArquivoVazio(origem, caso.Origem));
        const TResultado r = Perguntar(origem, destino, 0, true, Clicar(IDC_bitNao));
        EXPECT_EQ(r.Vista.TamPara, caso.LinhaDestino);
        EXPECT_EQ(r.Vista.TamDe, caso.LinhaOrigem);
        EXPECT_EQ(r.Vista.VersaoDe, textos::kSemInformacoes) << "a data file has no version";
        ASSERT_EQ(r.Relatorios.size(), caso.Relatorios);
        if (caso.Relatorios == 1) {
            EXPECT_EQ(r.Relatorios[0].Arquivos, Linha(ids::kArquivos, destino));
        }
    }
}

TEST(Sobrescrever, WithoutDescribingTheSourceItIsNeverOpened) {
    PastaTemporaria pasta(L"kt sobrescrever");
    const std::wstring origem = Arquivo(pasta, L"preso.exe", 3000);
    const std::wstring destino = Programa(pasta);
    const teste::ArquivoPreso preso(origem);
    ASSERT_TRUE(preso.Preso());
    const TResultado r = Perguntar(origem, destino, 0, false, Clicar(IDC_bitSim));
    EXPECT_EQ(r.Resposta, kSobrescrever);
    EXPECT_TRUE(r.Relatorios.empty()) << "the locked source was opened";
    EXPECT_EQ(r.Vista.NomeDe, origem);
    EXPECT_EQ(r.Vista.TamDe, L"");
    EXPECT_EQ(r.Vista.DataDe, L"");
    EXPECT_EQ(r.Vista.VersaoDe, textos::kSemInformacoes);
    EXPECT_FALSE(r.Vista.DataPara.empty());
    EXPECT_FALSE(r.Vista.VersaoPara.empty());
}

TEST(Sobrescrever, ASourceThatCannotBeOpenedIsReportedNamingBothFilesAndTheQuestionIsShown) {
    PastaTemporaria pasta(L"kt sobrescrever");
    const std::wstring origem = Arquivo(pasta, L"preso.txt", 3000);
    const std::wstring destino = Arquivo(pasta, L"destino.txt", 2048);
    const teste::ArquivoPreso preso(origem);
    ASSERT_TRUE(preso.Preso());
    const TResultado r = Perguntar(origem, destino, 0, true, Clicar(IDC_bitNao));
    EXPECT_EQ(r.Resposta, kManter);
    const std::wstring ambos = Linha(ids::kArquivos, origem + T(textos::kE) + destino);
    int nomeandoAmbos = 0;
    for (const teste::TRelatorioVisto& relatorio : r.Relatorios)
        if (relatorio.Arquivos == ambos) {
            ++nomeandoAmbos;
            EXPECT_EQ(relatorio.Problema,
                      Linha(ids::kProblema, TextoFramework(ids::kViolacaoCompartilhamento)));
        }
    EXPECT_EQ(nomeandoAmbos, 1);
    // Filled before the failure, kept; after it, left as it was.
    EXPECT_EQ(r.Vista.TamPara, L"2 kb");
    EXPECT_EQ(r.Vista.DataDe, L"");
    EXPECT_EQ(r.Vista.DataPara, L"");
}

} // namespace
