// The Solutions Center end to end: what a report shows, read from the window by a robot thread;
// the layout that follows the solution's height; the Help button and the record it launches;
// reports that follow each other; a service's report through the installed slot, from the main
// thread and from a worker; a worker's report that waits for the one on screen; the hint pause;
// the lock.
#include "dialogs/CentralSolucoes.h"
#include "fileops/Ansi.h"
#include "fileops/RelatorioDeErro.h"
#include "fileops/TamanhoArquivo.h"
#include "fileops/TextosFramework.h"
#include "payload/container/Descompactar.h"
#include "resources/CentralSolucoesIds.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/Captura.h"
#include "tests/win/comum/Janelas.h"
#include "tests/win/comum/Robo.h"
#include "tests/win/comum/RoboCentral.h"
#include "ui/Application.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using teste::Linha;

using namespace kt;
using teste::ComRobo;
using teste::TRelatorioVisto;

std::wstring NaoInformado() {
    return std::wstring(TextoFramework(ids::kNaoInformado));
}

TfrmCentralSolucoes& Central() {
    return *CentralSolucoesDoPrograma();
}

TRegistroAjuda AjudaDoTipo(std::int32_t tipo, const std::wstring& arquivo = {},
                           const std::wstring& parametros = {}) {
    TRegistroAjuda ajuda{};
    ajuda.Tamanho = kTamanhoRegistroAjuda;
    ajuda.Tipo = tipo;
    ajuda.Contexto = 9;
    CopiarAnsi(arquivo, ajuda.ArquivoAjuda, kTamanhoNomeAjuda);
    CopiarAnsi(parametros, ajuda.Parametros, kTamanhoNomeAjuda);
    return ajuda;
}

// Shows one report with the robot answering it; returns what the robot saw.
TRelatorioVisto Relatar(std::wstring_view modulo, std::wstring_view problema,
                        std::wstring_view arquivos, std::wstring_view solucao,
                        const TRegistroAjuda* ajuda = nullptr,
                        const std::function<void(const TRelatorioVisto&)>& aoVer = {}) {
    bool mostrado = false;
    const auto vistos = ComRobo(
        [&] {
            mostrado = MostrarCentralSolucoes(modulo, problema, arquivos, solucao, ajuda, nullptr);
        },
        aoVer);
    EXPECT_TRUE(mostrado);
    EXPECT_EQ(vistos.size(), 1u);
    return vistos.empty() ? TRelatorioVisto{} : vistos[0];
}

HWND FocoDaTarefa(HWND janela) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(janela, nullptr), &info);
    return info.hwndFocus;
}

TEST(CentralSolucoes, IsMadeHiddenAtStartUp) {
    ASSERT_NE(CentralSolucoesDoPrograma(), nullptr);
    EXPECT_FALSE(Central().Visible());
    EXPECT_EQ(Central().Caption(), textos_central::kTitulo);
}

TEST(CentralSolucoes, AReportShowsItsTextsWithTheirPrefixes) {
    bool focoEmContinuar = false;
    const TRelatorioVisto visto = Relatar(
        L"Pontilha.exe", L"Erro de I/O inexperado.", L"C:\\Arquivos de programas\\Pontilha\\a.swf",
        L"", nullptr, [&](const TRelatorioVisto& v) {
            focoEmContinuar = teste::EsperarAte([&] {
                return FocoDaTarefa(v.Janela) == teste::Controle(v.Janela, IDC_bitContinuar);
            });
            teste::Capturar(v.Janela, L"central-curta");
        });
    EXPECT_EQ(visto.Titulo, textos_central::kTitulo);
    EXPECT_EQ(visto.Cabecalho, textos_central::kUtilitarios);
    EXPECT_EQ(visto.Programa, L"kt_win_tests.exe");
    EXPECT_EQ(visto.Modulo, Linha(ids::kModulo, L"Pontilha.exe"));
    EXPECT_EQ(visto.Problema, Linha(ids::kProblema, L"Erro de I/O inexperado."));
    EXPECT_EQ(visto.Arquivos, Linha(ids::kArquivos, L"C:\\Arquivos de programas\\Pontilha\\a.swf"));
    EXPECT_EQ(visto.Solucao, Linha(ids::kSolucao, NaoInformado()));
    EXPECT_EQ(visto.Continuar, textos_central::kContinuar);
    EXPECT_EQ(visto.Ajuda, textos_central::kAjuda);
    EXPECT_TRUE(focoEmContinuar);
    EXPECT_FALSE(Central().Visible());
}

TEST(CentralSolucoes, BlankValuesShowTheFallbacksAndLeadingBlanksAreKept) {
    const TRelatorioVisto vazio = Relatar(L"   ", L" \t ", L"", L"  ");
    EXPECT_EQ(vazio.Modulo, Linha(ids::kModulo, NaoInformado()));
    EXPECT_EQ(vazio.Problema, Linha(ids::kProblema, NaoInformado()));
    EXPECT_EQ(vazio.Arquivos, Linha(ids::kArquivos, TextoFramework(ids::kNenhumArquivo)));
    EXPECT_EQ(vazio.Solucao, Linha(ids::kSolucao, NaoInformado()));

    const TRelatorioVisto espacado =
        Relatar(L" Pontilha.exe", L"  Problema ", L" a.txt", L" Feche.");
    EXPECT_EQ(espacado.Modulo, L"Módulo:  Pontilha.exe");
    EXPECT_EQ(espacado.Problema, Linha(ids::kProblema, L"  Problema "));
    EXPECT_EQ(espacado.Arquivos, Linha(ids::kArquivos, L" a.txt"));
    EXPECT_EQ(espacado.Solucao, Linha(ids::kSolucao, L" Feche."));
}

TEST(CentralSolucoes, ShortStringsAreCutTo255AndTheHintsCarryTheWholeLines) {
    const std::wstring longo(300, L'p');
    const std::wstring solucao(600, L's');
    const TRelatorioVisto visto = Relatar(longo, longo, longo, solucao);
    EXPECT_EQ(visto.Modulo, Linha(ids::kModulo, longo.substr(0, 255)));
    EXPECT_EQ(visto.Problema, Linha(ids::kProblema, longo.substr(0, 255)));
    EXPECT_EQ(visto.Arquivos, Linha(ids::kArquivos, longo.substr(0, 255)));
    EXPECT_EQ(visto.Solucao, Linha(ids::kSolucao, solucao));
    for (int id : {IDC_lblModulo, IDC_lblProblema, IDC_lblArquivo})
        EXPECT_EQ(Central().Hint(Central().Item(id)), teste::Texto(Central().Item(id)));
    EXPECT_EQ(Central().Hint(Central().Item(IDC_lblProblema)), visto.Problema);
}

struct TDisposicao {
    int AlturaJanela;
    int AlturaMoldura;
    int FundoMoldura;
    int TopoBotoes;
    int FundoBotoes;
    int AlturaSolucao;
    int FundoSolucao;
    int AlturaCliente;
};

RECT NoCliente(HWND controle) {
    return ui::Control(controle).Bounds();
}

TDisposicao Disposicao() {
    TfrmCentralSolucoes& central = Central();
    RECT janela{};
    GetWindowRect(central.Handle(), &janela);
    RECT cliente{};
    GetClientRect(central.Handle(), &cliente);
    const RECT moldura = NoCliente(central.Item(IDC_Bevel));
    const RECT continuar = NoCliente(central.Item(IDC_bitContinuar));
    const RECT ajuda = NoCliente(central.Item(IDC_bitAjuda));
    const RECT solucao = NoCliente(central.Item(IDC_lblSolucao));
    EXPECT_EQ(continuar.top, ajuda.top);
    return {
        janela.bottom - janela.top, moldura.bottom - moldura.top, moldura.bottom, continuar.top,
        continuar.bottom,           solucao.bottom - solucao.top, solucao.bottom, cliente.bottom};
}

void EsperarFormula(const TDisposicao& d) {
    const int h = d.AlturaSolucao;
    EXPECT_EQ(d.AlturaJanela, h + ui::Form::Scale(kAlturaJanelaCentral));
    EXPECT_EQ(d.AlturaMoldura, h + ui::Form::Scale(kAlturaMolduraCentral));
    EXPECT_EQ(d.TopoBotoes, h + ui::Form::Scale(kTopoBotoesCentral));
    EXPECT_LE(d.FundoSolucao, d.FundoMoldura) << "the solution stays inside the frame";
    EXPECT_GT(d.TopoBotoes, d.FundoMoldura) << "the buttons stand below the frame";
    EXPECT_LE(d.FundoBotoes, d.AlturaCliente) << "the buttons stay inside the window";
}

TEST(CentralSolucoes, WindowFrameAndButtonsFollowTheSolutionsHeight) {
    Relatar(L"Pontilha.exe", L"Problema", L"a.txt", L"Uma linha.");
    const TDisposicao uma = Disposicao();
    EsperarFormula(uma);

    Relatar(L"Pontilha.exe", L"Problema", L"a.txt", L"Linha 1\r\nLinha 2\r\nLinha 3\r\nLinha 4");
    const TDisposicao quatro = Disposicao();
    EsperarFormula(quatro);
    const int crescimento = quatro.AlturaSolucao - uma.AlturaSolucao;
    EXPECT_EQ(quatro.AlturaSolucao, 4 * uma.AlturaSolucao) << "the solution's label is four lines";
    EXPECT_EQ(quatro.AlturaJanela - uma.AlturaJanela, crescimento);
    EXPECT_EQ(quatro.AlturaMoldura - uma.AlturaMoldura, crescimento);
    EXPECT_EQ(quatro.TopoBotoes - uma.TopoBotoes, crescimento);

    // A long solution wraps at the label's width and grows the window the same way.
    const std::wstring longa = std::wstring(TextoFramework(ids::kViolacaoDeAcessoSolucao)) + L" " +
                               std::wstring(TextoFramework(ids::kAcessoNegadoSolucao));
    Relatar(L"Pontilha.exe", TextoFramework(ids::kViolacaoDeAcesso), L"C:\\Pontilha\\kt.ikt", longa,
            nullptr, [](const TRelatorioVisto& v) { teste::Capturar(v.Janela, L"central-longa"); });
    const TDisposicao quebrada = Disposicao();
    EsperarFormula(quebrada);
    EXPECT_GE(quebrada.AlturaSolucao, 3 * uma.AlturaSolucao);
    EXPECT_EQ(quebrada.AlturaSolucao % uma.AlturaSolucao, 0);

    Relatar(L"Pontilha.exe", L"Problema", L"a.txt", L"");
    EXPECT_EQ(Disposicao().AlturaJanela, uma.AlturaJanela) << "one line is the smallest layout";
}

TEST(CentralSolucoes, TheHelpButtonIsEnabledByTheRecordsKind) {
    const TRegistroAjuda nenhuma = AjudaDoTipo(kAjudaNenhuma, L"KT.hlp");
    const TRegistroAjuda arquivo = AjudaDoTipo(kAjudaArquivoDeAjuda, L"C:\\Vendrel\\KT.hlp");
    const TRelatorioVisto semRegistro = Relatar(L"m", L"p", L"a", L"s", nullptr);
    EXPECT_FALSE(semRegistro.AjudaHabilitada);
    EXPECT_TRUE(semRegistro.SobreHabilitado);
    EXPECT_EQ(Central().AjudaDoRelatorio().Tamanho, 534);
    EXPECT_EQ(Central().AjudaDoRelatorio().Tipo, 0);
    EXPECT_FALSE(Relatar(L"m", L"p", L"a", L"s", &nenhuma).AjudaHabilitada);
    const TRelatorioVisto comArquivo = Relatar(L"m", L"p", L"a", L"s", &arquivo);
    EXPECT_TRUE(comArquivo.AjudaHabilitada);
    EXPECT_TRUE(comArquivo.SobreHabilitado);
    EXPECT_EQ(std::memcmp(&Central().AjudaDoRelatorio(), &arquivo, sizeof arquivo), 0);
}

TEST(CentralSolucoes, PressingHelpLaunchesTheReportsRecord) {
    teste::PastaTemporaria pasta(L"kt central");
    const std::wstring marca = pasta / L"ajuda.txt";
    const TRegistroAjuda programa = AjudaDoTipo(
        kAjudaPrograma, teste::ProgramaDeTeste(L"kt_prog_marcador.exe"), L" \"" + marca + L"\"");
    bool lancada = false;
    Relatar(L"m", L"p", L"a", L"s", &programa, [&](const TRelatorioVisto& v) {
        teste::Clicar(teste::Controle(v.Janela, IDC_bitAjuda));
        lancada = teste::EsperarAte([&] { return !teste::LerArquivo(marca).empty(); });
    });
    EXPECT_TRUE(lancada);
}

TEST(CentralSolucoes, TwoReportsInARowShareNothing) {
    const TRegistroAjuda arquivo = AjudaDoTipo(kAjudaArquivoDeAjuda, L"C:\\Vendrel\\KT.hlp");
    const TRelatorioVisto primeiro =
        Relatar(L"Pontilha.exe", L"Disco cheio", L"C:\\a.txt", L"Libere espaço.", &arquivo);
    EXPECT_TRUE(primeiro.AjudaHabilitada);
    const TRelatorioVisto segundo = Relatar(L"", L"", L"", L"", nullptr);
    EXPECT_EQ(segundo.Modulo, Linha(ids::kModulo, NaoInformado()));
    EXPECT_EQ(segundo.Problema, Linha(ids::kProblema, NaoInformado()));
    EXPECT_EQ(segundo.Arquivos, Linha(ids::kArquivos, TextoFramework(ids::kNenhumArquivo)));
    EXPECT_EQ(segundo.Solucao, Linha(ids::kSolucao, NaoInformado()));
    EXPECT_FALSE(segundo.AjudaHabilitada);
    EXPECT_EQ(Central().AjudaDoRelatorio().Tipo, 0);
    EXPECT_EQ(Central().AjudaDoRelatorio().ArquivoAjuda[0], '\0');
    EXPECT_EQ(Central().Hint(Central().Item(IDC_lblArquivo)), segundo.Arquivos);
}

TEST(CentralSolucoes, HintsStayUpLongWhileShownAndThePauseIsTheSameAfter) {
    ui::Application::SetHintHidePause(1234);
    int pausaDurante = 0;
    Relatar(L"m", L"p", L"a", L"s", nullptr, [&](const TRelatorioVisto& v) {
        for (HWND dica : teste::JanelasDaTarefa(GetWindowThreadProcessId(v.Janela, nullptr)))
            if (teste::Classe(dica) == TOOLTIPS_CLASSW && GetWindow(dica, GW_OWNER) == v.Janela)
                pausaDurante =
                    static_cast<int>(SendMessageW(dica, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));
    });
    EXPECT_EQ(pausaDurante, kPausaDicasCentral);
    EXPECT_EQ(ui::Application::HintHidePause(), 1234);
}

// The report slot, installed as the program installs it, brings a service's report here: from
// the main thread, and from a worker, which waits until the report is closed.
TEST(CentralSolucoes, TheInstalledSlotBringsAServicesReportHereFromAnyThread) {
    teste::PastaTemporaria pasta(L"kt central");
    const std::wstring ausente = pasta / L"ausente.bin";
    const std::wstring origem = pasta / L"falta.zlib";
    const std::wstring destino = pasta / L"falta.txt";
    std::int32_t tamanho = 0;
    std::atomic<bool> continuou{false};
    bool esperouOFechamento = false;
    std::vector<DWORD> tarefasDaJanela;
    const auto vistos = ComRobo(
        [&] {
            tamanho = TamanhoArquivo(ausente);
            std::thread trabalhador([&] {
                DescompactarArquivo(origem, destino, {});
                continuou = true;
            });
            teste::EsperarAte([&] {
                ui::Application::ProcessMessages();
                return continuou.load();
            });
            trabalhador.join();
        },
        [&](const TRelatorioVisto& v) {
            tarefasDaJanela.push_back(GetWindowThreadProcessId(v.Janela, nullptr));
            if (tarefasDaJanela.size() == 2)
                esperouOFechamento =
                    !teste::EsperarAte([&] { return continuou.load(); }, teste::Prazo(300));
        });
    EXPECT_EQ(tamanho, -1);
    ASSERT_EQ(vistos.size(), 2u);
    for (const TRelatorioVisto& visto : vistos) {
        EXPECT_EQ(visto.Modulo, Linha(ids::kModulo, kModuloDoFramework));
        EXPECT_EQ(visto.Problema, Linha(ids::kProblema, TextoFramework(ids::kErroInesperado)));
    }
    EXPECT_EQ(vistos[0].Arquivos, Linha(ids::kArquivos, ausente));
    EXPECT_EQ(vistos[1].Arquivos, Linha(ids::kArquivos, origem + L" e " + destino));
    EXPECT_EQ(tarefasDaJanela, (std::vector<DWORD>{GetCurrentThreadId(), GetCurrentThreadId()}));
    EXPECT_TRUE(esperouOFechamento);
    EXPECT_TRUE(continuou);
}

TEST(CentralSolucoes, AWorkersReportWaitsForTheReportOnScreen) {
    std::atomic<bool> trabalhadorTerminou{false};
    std::atomic<bool> trabalhadorPediu{false};
    std::thread trabalhador;
    const auto vistos = ComRobo(
        [&] {
            trabalhador = std::thread([&] {
                trabalhadorPediu = true;
                MostrarCentralSolucoes(L"", L"Segundo", L"", L"", nullptr, nullptr);
                trabalhadorTerminou = true;
            });
            MostrarCentralSolucoes(L"", L"Primeiro", L"", L"", nullptr, nullptr);
            teste::EsperarAte([&] {
                ui::Application::ProcessMessages();
                return trabalhadorTerminou.load();
            });
            trabalhador.join();
        },
        // The first report stays until the worker has asked for its own.
        [&](const TRelatorioVisto&) {
            teste::EsperarAte([&] { return trabalhadorPediu.load(); });
        });
    ASSERT_EQ(vistos.size(), 2u);
    EXPECT_EQ(vistos[0].Problema, Linha(ids::kProblema, L"Primeiro"));
    EXPECT_EQ(vistos[1].Problema, Linha(ids::kProblema, L"Segundo"));
}

TEST(CentralSolucoes, TheMainThreadGetsFalseForASecondReportInsideTheFirst) {
    std::atomic<int> aninhado{-1};
    Relatar(L"m", L"Primeiro", L"a", L"s", nullptr, [&](const TRelatorioVisto&) {
        ui::Application::RunOnMainThread([&] {
            aninhado = MostrarCentralSolucoes(L"m", L"Segundo", L"a", L"s", nullptr, nullptr);
        });
    });
    EXPECT_EQ(aninhado, 0);
}

TEST(CentralSolucoes, TheLockIsHeldWhileTheReportIsOnScreen) {
    CRITICAL_SECTION trava;
    InitializeCriticalSection(&trava);
    bool livreDurante = true;
    bool mostrado = false;
    ComRobo([&] { mostrado = MostrarCentralSolucoes(L"m", L"p", L"a", L"s", nullptr, &trava); },
            [&](const TRelatorioVisto&) {
                livreDurante = TryEnterCriticalSection(&trava);
                if (livreDurante)
                    LeaveCriticalSection(&trava);
            });
    EXPECT_TRUE(mostrado);
    EXPECT_FALSE(livreDurante);
    bool livreDepois = false;
    std::thread([&] {
        livreDepois = TryEnterCriticalSection(&trava);
        if (livreDepois)
            LeaveCriticalSection(&trava);
    }).join();
    EXPECT_TRUE(livreDepois);
    DeleteCriticalSection(&trava);
}

// Alone on the screen: the focus is followed.
TEST(CentralSolucoesTeclado, TabWalksTheButtonsFromContinueAndEscapeClosesTheReport) {
    const TRegistroAjuda arquivo = AjudaDoTipo(kAjudaArquivoDeAjuda, L"C:\\Vendrel\\KT.hlp");
    std::vector<int> percurso;
    bool fechou = false;
    Relatar(L"Pontilha.exe", L"Problema", L"a.txt", L"Solução", &arquivo,
            [&](const TRelatorioVisto& v) {
                teste::EsperarAte([&] {
                    return FocoDaTarefa(v.Janela) == teste::Controle(v.Janela, IDC_bitContinuar);
                });
                percurso = teste::PercorrerComTab(v.Janela);
                teste::PressionarTecla(v.Janela, VK_ESCAPE);
                fechou = teste::EsperarAte([&] { return !teste::Visivel(v.Janela); });
            });
    EXPECT_EQ(percurso, (std::vector<int>{IDC_bitContinuar, IDC_bitAjuda, IDC_BitBtn1}));
    EXPECT_TRUE(fechou);
}

} // namespace
