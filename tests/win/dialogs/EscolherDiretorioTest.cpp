// The directory browser as the service shows it, worked from a robot thread as a user would: where
// it opens, its texts and options, the path box, walking the list, the drive box with a CD drive
// that has no medium, new folders (also refused names), deletions and their report, the user's
// documents, the pop-up menu; and which directories the browser never deletes.
#include "dialogs/AbrirDir.h"
#include "dialogs/EscolherDiretorio.h"
#include "dialogs/TextosDialogos.h"
#include "fileops/Caminhos.h"
#include "fileops/PastasDoShell.h"
#include "fileops/Texto.h"
#include "fileops/TextosFramework.h"
#include "resources/AbrirDirIds.h"
#include "resources/NovaPastaIds.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/Captura.h"
#include "tests/win/comum/Janelas.h"
#include "tests/win/comum/Robo.h"
#include "tests/win/comum/RoboCentral.h"
#include "tests/win/comum/RoboNavegador.h"
#include "ui/Application.h"

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using namespace kt;
using namespace teste;
namespace textos = kt::textos_diretorios;

// The tests' Wine prefix has this letter as a CD drive without a medium (tools/wine-run.in; a
// prefix made before that has none: remove build/wineprefix).
constexpr wchar_t kUnidadeDeCD = L'X';

std::wstring Txt(std::wstring_view texto) {
    return std::wstring(texto);
}

struct TEscolha {
    bool Resultado = false;
    std::wstring Diretorio = L"(não escrito)";
};

// Runs the browser on this thread while the robot works it from another. A browser that the
// robot leaves open is cancelled, so that a failing test cannot hang.
TEscolha Escolher(const std::wstring& inicial, const std::function<void(HWND)>& robo,
                  std::int32_t opcoes = 0, const std::wstring& titulo = {},
                  std::int32_t maximo = 255) {
    const DWORD principal = GetCurrentThreadId();
    const std::wstring legenda =
        titulo.find_first_not_of(L' ') == std::wstring::npos ? Txt(textos::kTituloPadrao) : titulo;
    std::atomic<bool> acabou{false};
    std::thread tarefa([&] {
        HWND janela = EsperarJanelaDaTarefa(principal, legenda);
        if (janela)
            robo(janela);
        else
            ADD_FAILURE() << "the browser did not open";
        for (HWND aberta : JanelasDaTarefa(principal))
            if (Visivel(aberta))
                PostMessageW(aberta, WM_COMMAND, IDCANCEL, 0);
        acabou = true;
    });
    TEscolha escolha;
    try {
        escolha.Resultado = EscolherDiretorio(inicial, escolha.Diretorio, maximo, opcoes, titulo);
    } catch (const std::exception& erro) {
        ADD_FAILURE() << "the browser failed: " << erro.what();
        acabou = true;
    }
    EsperarAte([&] {
        ui::Application::ProcessMessages();
        return acabou.load();
    });
    tarefa.join();
    return escolha;
}

HWND Lista(HWND janela) {
    return Controle(janela, IDC_Diretorios);
}

POINT Centro(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool CaminhoSeTorna(HWND janela, const std::wstring& esperado) {
    return EsperarAte([&] { return CaminhoDoNavegador(janela) == esperado; });
}

void ClicarFerramenta(HWND janela, int comando) {
    HWND barra = Controle(janela, IDC_BarraFerramentas);
    RECT botao{};
    SendMessageW(barra, TB_GETRECT, static_cast<WPARAM>(comando), reinterpret_cast<LPARAM>(&botao));
    ClicarEm(barra, Centro(botao));
}

// The visible top-level windows of the browser's thread other than the browser.
std::vector<HWND> OutrasJanelas(HWND janela) {
    std::vector<HWND> outras;
    for (HWND h : JanelasDaTarefa(GetWindowThreadProcessId(janela, nullptr)))
        if (h != janela && Visivel(h) && Classe(h) != TOOLTIPS_CLASSW)
            outras.push_back(h);
    return outras;
}

// A folder of the test with subfolders; a file and a hidden folder that the list leaves out.
class Navegador : public testing::Test {
protected:
    void SetUp() override {
        for (const wchar_t* nome : {L"beta", L"Alfa", L"oculta"})
            CreateDirectoryW((pasta / nome).c_str(), nullptr);
        SetFileAttributesW((pasta / L"oculta").c_str(), FILE_ATTRIBUTE_HIDDEN);
        GravarArquivo(pasta / L"arquivo.txt", "x");
    }
    PastaTemporaria pastaTemporaria{L"kt navegador"};
    const std::wstring& base = pastaTemporaria.Caminho();
    // The folder without its trailing delimiter, as the list names its directories.
    const std::wstring dir = base.substr(0, base.size() - 1);
    const PastaTemporaria& pasta = pastaTemporaria;
};

TEST_F(Navegador, OpensAtTheDirectoryWithItsAncestorsAndSubfolders) {
    std::vector<std::wstring> entradas;
    std::wstring titulo, drive, diretorio, abrir, cancelar, ajuda;
    Escolher(dir, [&](HWND janela) {
        entradas = EntradasDoNavegador(janela);
        titulo = Texto(janela);
        drive = Texto(Controle(janela, IDC_lblDrive));
        diretorio = Texto(Controle(janela, IDC_lblDiretorio));
        abrir = Texto(Controle(janela, IDC_bitAbrir));
        cancelar = Texto(Controle(janela, IDC_bitCancelar));
        ajuda = Texto(Controle(janela, IDC_bitAjuda));
        EXPECT_EQ(CaminhoDoNavegador(janela), dir);
        HWND barra = Controle(janela, IDC_BarraFerramentas);
        for (const auto& [comando, dica] :
             {std::pair{IDC_ToolButton3, textos::kDicaNovaPasta},
              std::pair{IDC_ToolButton6, textos::kDicaExcluir},
              std::pair{IDC_ToolButton5, textos::kDicaMeusDocumentos}}) {
            wchar_t texto[MAX_PATH] = {};
            SendMessageW(barra, TB_GETBUTTONTEXTW, static_cast<WPARAM>(comando),
                         reinterpret_cast<LPARAM>(texto));
            EXPECT_EQ(std::wstring(texto), dica);
        }
        Capturar(janela, L"abrir-diretorio");
    });
    ASSERT_GE(entradas.size(), 4u);
    EXPECT_EQ(entradas.front(), dir.substr(0, 3));
    const std::wstring nome(kt::NomeDe(dir));
    EXPECT_EQ(entradas[entradas.size() - 3], nome) << "the current directory, then its subfolders";
    EXPECT_EQ(entradas[entradas.size() - 2], L"Alfa");
    EXPECT_EQ(entradas.back(), L"beta");
    EXPECT_EQ(titulo, textos::kTituloPadrao);
    EXPECT_EQ(drive, textos::kDrive);
    EXPECT_EQ(diretorio, textos::kDiretorio);
    EXPECT_EQ(abrir, textos::kAbrir);
    EXPECT_EQ(cancelar, textos::kCancelar);
    EXPECT_EQ(ajuda, textos::kAjuda);
}

TEST_F(Navegador, TheCaptionIsTheGivenOneUnlessItIsBlank) {
    struct Caso {
        std::wstring dado;
        std::wstring mostrado;
    };
    for (const Caso& caso :
         {Caso{L"", Txt(textos::kTituloPadrao)}, Caso{L"   ", Txt(textos::kTituloPadrao)},
          Caso{L" Onde instalar? ", L" Onde instalar? "}}) {
        std::wstring visto;
        Escolher(
            dir, [&](HWND janela) { visto = Texto(janela); }, 0, caso.dado);
        EXPECT_EQ(visto, caso.mostrado) << "caption \"" << Utf8(caso.dado) << "\"";
    }
}

TEST_F(Navegador, OptionsDisableTheDrivesMakeTheWindowSizeableAndHideTheToolbar) {
    struct Caso {
        std::int32_t opcoes;
        bool drives;
        bool redimensionavel;
        bool ferramentas;
    };
    for (const Caso& caso :
         {Caso{0, true, false, true}, Caso{4, false, false, true}, Caso{8, true, true, true},
          Caso{16, true, false, false}, Caso{4 | 8 | 16, false, true, false},
          Caso{1 | 2 | 32, true, false, true}}) {
        Escolher(
            dir,
            [&](HWND janela) {
                EXPECT_TRUE(Visivel(Controle(janela, IDC_Drives)));
                EXPECT_EQ(Habilitado(Controle(janela, IDC_Drives)), caso.drives);
                EXPECT_EQ(Visivel(Controle(janela, IDC_BarraFerramentas)), caso.ferramentas);
                const bool moldura = (GetWindowLongW(janela, GWL_STYLE) & WS_THICKFRAME) != 0;
                EXPECT_EQ(moldura, caso.redimensionavel);
                if (!moldura)
                    return;
                // Never smaller than designed; larger, the list and the path box grow with it
                // and the buttons keep to the bottom right corner.
                RECT antes{};
                GetWindowRect(janela, &antes);
                MINMAXINFO limites{};
                SendMessageW(janela, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limites));
                EXPECT_EQ(limites.ptMinTrackSize.x, antes.right - antes.left);
                EXPECT_EQ(limites.ptMinTrackSize.y, antes.bottom - antes.top);
                const RECT lista = ui::Control(Lista(janela)).Bounds();
                const RECT abrir = ui::Control(Controle(janela, IDC_bitAbrir)).Bounds();
                SetWindowPos(janela, nullptr, 0, 0, antes.right - antes.left + 100,
                             antes.bottom - antes.top + 50, SWP_NOMOVE | SWP_NOZORDER);
                const RECT listaMaior = ui::Control(Lista(janela)).Bounds();
                const RECT abrirMovido = ui::Control(Controle(janela, IDC_bitAbrir)).Bounds();
                EXPECT_EQ(listaMaior.right - lista.right, 100);
                EXPECT_EQ(listaMaior.bottom - lista.bottom, 50);
                EXPECT_EQ(abrirMovido.left - abrir.left, 100);
                EXPECT_EQ(abrirMovido.top - abrir.top, 50);
            },
            caso.opcoes);
    }
}

TEST_F(Navegador, AStartDirectoryThatIsNotThereOpensTheProgramsFolder) {
    const std::wstring programa = ProgramaDeTeste(L"");
    for (const std::wstring& inicial : {pasta / L"nao existe", std::wstring(), Txt(L"Q:\\")}) {
        std::wstring aberto;
        Escolher(inicial, [&](HWND janela) { aberto = CaminhoDoNavegador(janela); });
        EXPECT_EQ(aberto, programa.substr(0, programa.size() - 1)) << Utf8(inicial);
    }
}

TEST_F(Navegador, OpenReturnsTheTypedPathAsTypedAndCancelReturnsNothing) {
    const std::wstring digitado = pasta / L"não existe\\ainda";
    const TEscolha aberta = Escolher(dir, [&](HWND janela) {
        DefinirTexto(Controle(janela, IDC_txtDiretorio), digitado);
        Clicar(Controle(janela, IDC_bitAbrir));
    });
    EXPECT_TRUE(aberta.Resultado);
    EXPECT_EQ(aberta.Diretorio, digitado);

    const TEscolha cancelada = Escolher(dir, [&](HWND janela) {
        DefinirTexto(Controle(janela, IDC_txtDiretorio), digitado);
        Clicar(Controle(janela, IDC_bitCancelar));
    });
    EXPECT_FALSE(cancelada.Resultado);
    EXPECT_EQ(cancelada.Diretorio, L"");

    const TEscolha cortada = Escolher(
        dir, [&](HWND janela) { Clicar(Controle(janela, IDC_bitAbrir)); }, 0, {}, 10);
    EXPECT_TRUE(cortada.Resultado);
    EXPECT_EQ(cortada.Diretorio, dir.substr(0, 10));
}

TEST_F(Navegador, EnterInThePathBoxMovesTheListOrIsIgnoredSilently) {
    Escolher(dir, [&](HWND janela) {
        HWND caminho = Controle(janela, IDC_txtDiretorio);
        DefinirTexto(caminho, pasta / L"beta");
        Tecla(caminho, VK_RETURN);
        EXPECT_TRUE(CaminhoSeTorna(janela, dir + L"\\beta"));
        EXPECT_EQ(EntradasDoNavegador(janela).back(), L"beta");

        DefinirTexto(caminho, L"..");
        Tecla(caminho, VK_RETURN);
        EXPECT_TRUE(CaminhoSeTorna(janela, dir)) << "relative to the list's directory";

        for (const std::wstring& ruim : {pasta / L"nada", pasta / L"arquivo.txt", Txt(L"Q:\\")}) {
            DefinirTexto(caminho, ruim);
            Tecla(caminho, VK_RETURN);
            EXPECT_FALSE(EsperarAte([&] { return !OutrasJanelas(janela).empty(); }, 200ms))
                << Utf8(ruim);
            EXPECT_EQ(CaminhoDoNavegador(janela), ruim) << "the box keeps what was typed";
            EXPECT_EQ(EntradasDoNavegador(janela).back(), L"beta") << "the list did not move";
        }
        EXPECT_TRUE(Visivel(janela)) << "Enter did not press \"&Abrir\"";
    });
}

TEST_F(Navegador, DoubleClickOrEnterOpensAnEntryAndTheAncestorsLeadBack) {
    Escolher(dir, [&](HWND janela) {
        HWND lista = Lista(janela);
        ASSERT_TRUE(AbrirEntrada(janela, L"Alfa"));
        EXPECT_EQ(CaminhoDoNavegador(janela), dir + L"\\Alfa");

        const int acima = EntradaDoNavegador(janela, std::wstring(kt::NomeDe(dir)));
        ClicarEm(lista, MeioDaEntrada(janela, acima));
        Tecla(lista, VK_RETURN);
        EXPECT_TRUE(CaminhoSeTorna(janela, dir));
        EXPECT_TRUE(Visivel(janela)) << "Enter did not press \"&Abrir\"";

        ClicarEm(lista, MeioDaEntrada(janela, 0));
        Tecla(lista, VK_RETURN);
        EXPECT_TRUE(CaminhoSeTorna(janela, dir.substr(0, 3)));
    });
}

TEST_F(Navegador, TheDriveBoxListsTheDrivesAndACdDriveWithoutAMediumChangesNothing) {
    std::vector<std::wstring> nomes;
    Escolher(dir, [&](HWND janela) {
        HWND drives = Controle(janela, IDC_Drives);
        const int quantos = static_cast<int>(SendMessageW(drives, CB_GETCOUNT, 0, 0));
        int cd = -1;
        for (int i = 0; i < quantos; ++i) {
            wchar_t texto[MAX_PATH] = {};
            COMBOBOXEXITEMW item{};
            item.mask = CBEIF_TEXT;
            item.iItem = i;
            item.pszText = texto;
            item.cchTextMax = MAX_PATH;
            SendMessageW(drives, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
            nomes.push_back(texto);
            if (nomes.back().find(std::wstring{kUnidadeDeCD, L':'}) != std::wstring::npos)
                cd = i;
        }
        const auto mostrado = static_cast<int>(SendMessageW(drives, CB_GETCURSEL, 0, 0));
        ASSERT_GE(mostrado, 0);
        EXPECT_NE(nomes[mostrado].find(dir.substr(0, 2)), std::wstring::npos);
        ASSERT_GT(cd, 0) << "the prefix's CD drive";

        // Down from the drive before it, as a user goes through the closed box.
        SendMessageW(drives, CB_SETCURSEL, static_cast<WPARAM>(cd - 1), 0);
        HWND caixa = reinterpret_cast<HWND>(SendMessageW(drives, CBEM_GETCOMBOCONTROL, 0, 0));
        Tecla(caixa, VK_DOWN);
        EXPECT_TRUE(EsperarAte([&] { return SendMessageW(drives, CB_GETCURSEL, 0, 0) != cd; }))
            << "the drive is unchosen again";
        EXPECT_FALSE(EsperarAte([&] { return !OutrasJanelas(janela).empty(); }, 300ms))
            << "no error box";
        EXPECT_EQ(CaminhoDoNavegador(janela), dir);
        EXPECT_EQ(EntradasDoNavegador(janela).back(), L"beta");
        Capturar(janela, L"abrir-diretorio-cd-sem-midia");
    });
    for (const wchar_t letra : {L'C', kUnidadeDeCD, L'Z'}) {
        const std::wstring unidade{letra, L':'};
        EXPECT_TRUE(std::any_of(nomes.begin(), nomes.end(), [&](const std::wstring& n) {
            return n.find(unidade) != std::wstring::npos;
        })) << Utf8(unidade);
    }
}

TEST_F(Navegador, ANewFolderIsCreatedInTheListsDirectoryAndListed) {
    std::wstring tituloNova, instrucoes, nomeProposto, criar, cancelar;
    Escolher(dir, [&](HWND janela) {
        ClicarFerramenta(janela, IDC_ToolButton3);
        HWND nova = EsperarJanelaDaTarefa(GetWindowThreadProcessId(janela, nullptr),
                                          Txt(textos::kTituloNovaPasta));
        ASSERT_TRUE(nova);
        EXPECT_TRUE(EsperarAte([&] { return Foco(nova) == Controle(nova, IDC_txtNome); }));
        Capturar(nova, L"nova-pasta");
        tituloNova = Texto(nova);
        instrucoes = Texto(Controle(nova, IDC_lblInstrucoes));
        nomeProposto = Texto(Controle(nova, IDC_txtNome));
        criar = Texto(Controle(nova, IDC_bitCriar));
        cancelar = Texto(Controle(nova, IDC_bitCancelar));
        DefinirTexto(Controle(nova, IDC_txtNome), L"Minha pasta");
        Clicar(Controle(nova, IDC_bitCriar));
        EXPECT_TRUE(EsperarAte([&] { return EntradaDoNavegador(janela, L"Minha pasta") >= 0; }));

        // Cancelled, nothing is made.
        ClicarFerramenta(janela, IDC_ToolButton3);
        nova = EsperarJanelaDaTarefa(GetWindowThreadProcessId(janela, nullptr),
                                     Txt(textos::kTituloNovaPasta));
        ASSERT_TRUE(nova);
        Clicar(Controle(nova, IDC_bitCancelar));
        EXPECT_TRUE(EsperarAte([&] { return !Visivel(nova); }));
    });
    EXPECT_EQ(tituloNova, textos::kTituloNovaPasta);
    EXPECT_EQ(instrucoes, textos::kInstrucoes);
    EXPECT_EQ(nomeProposto, TextoFramework(ids::kNovaPasta));
    EXPECT_EQ(criar, textos::kCriar);
    EXPECT_EQ(cancelar, textos::kCancelarNovaPasta);
    EXPECT_TRUE(Existe(pasta / L"Minha pasta"));
    EXPECT_FALSE(Existe(pasta / L"Nova Pasta"));
}

TEST_F(Navegador, ANameThatWouldMakeTheFolderElsewhereIsRefusedAndTheWindowStays) {
    Escolher(dir + L"\\Alfa", [&](HWND janela) {
        const DWORD tarefa = GetWindowThreadProcessId(janela, nullptr);
        ClicarFerramenta(janela, IDC_ToolButton3);
        HWND nova = EsperarJanelaDaTarefa(tarefa, Txt(textos::kTituloNovaPasta));
        ASSERT_TRUE(nova);
        for (const std::wstring& nome :
             {Txt(L"..\\fora"), Txt(L"sub/pasta"), pasta / L"absoluta", Txt(L"C:relativa"),
              Txt(L".."), Txt(L"   "), Txt(L"nul"), Txt(L"com1.txt"), Txt(L"a*b")}) {
            DefinirTexto(Controle(nova, IDC_txtNome), nome);
            Clicar(Controle(nova, IDC_bitCriar));
            HWND aviso = nullptr;
            EsperarAte([&] {
                for (HWND h : JanelasDaTarefa(tarefa))
                    if (h != nova && Visivel(h) && Texto(h) == textos::kTituloNovaPasta &&
                        Classe(h) == L"#32770")
                        aviso = h;
                return aviso != nullptr;
            });
            ASSERT_TRUE(aviso) << Utf8(nome);
            EXPECT_EQ(TextoDaMensagem(aviso), textos::kNomeInvalido);
            Responder(aviso, IDOK);
            EXPECT_TRUE(EsperarAte([&] { return !IsWindow(aviso); }));
            EXPECT_TRUE(Visivel(nova)) << Utf8(nome);
        }
        Clicar(Controle(nova, IDC_bitCancelar));
    });
    for (const wchar_t* fora : {L"fora", L"absoluta", L"Alfa\\sub", L"Alfa\\pasta"})
        EXPECT_FALSE(Existe(pasta / fora)) << Utf8(fora);
}

TEST_F(Navegador, AFolderThatCannotBeMadeIsReportedAndTheWindowStays) {
    std::vector<TRelatorioVisto> vistos;
    ComRobo(
        [&] {
            Escolher(dir, [&](HWND janela) {
                ClicarFerramenta(janela, IDC_ToolButton3);
                HWND nova = EsperarJanelaDaTarefa(GetWindowThreadProcessId(janela, nullptr),
                                                  Txt(textos::kTituloNovaPasta));
                ASSERT_TRUE(nova);
                DefinirTexto(Controle(nova, IDC_txtNome), L"beta");
                Clicar(Controle(nova, IDC_bitCriar));
                EXPECT_FALSE(EsperarAte([&] { return !Visivel(nova); }, 500ms));
                Clicar(Controle(nova, IDC_bitCancelar));
            });
        },
        [&](const TRelatorioVisto& visto) { vistos.push_back(visto); });
    ASSERT_EQ(vistos.size(), 1u);
    EXPECT_EQ(vistos[0].Problema,
              Txt(TextoFramework(ids::kProblema)) + Txt(TextoFramework(ids::kJaExiste)));
    EXPECT_EQ(vistos[0].Arquivos, Txt(TextoFramework(ids::kArquivos)) + (pasta / L"beta"));
}

// Answers the deletion question, and returns its text.
std::wstring ResponderExclusao(HWND janela, int resposta) {
    ClicarFerramenta(janela, IDC_ToolButton6);
    HWND pergunta = nullptr;
    EsperarAte([&] {
        for (HWND h : JanelasDaTarefa(GetWindowThreadProcessId(janela, nullptr)))
            if (Visivel(h) && Texto(h) == textos::kConfirmacao)
                pergunta = h;
        return pergunta != nullptr;
    });
    if (!pergunta)
        return {};
    const std::wstring texto = TextoDaMensagem(pergunta);
    Responder(pergunta, resposta);
    EsperarAte([&] { return !IsWindow(pergunta); });
    return texto;
}

std::wstring Pergunta(const std::wstring& diretorio) {
    std::wstring pergunta(TextoFramework(ids::kExcluirDiretorio));
    return pergunta.replace(pergunta.find(L"%s"), 2, diretorio);
}

TEST_F(Navegador, DeletionAnsweredNoLeavesTheDirectoryAndAnsweredYesGoesToTheParent) {
    Escolher(dir + L"\\Alfa", [&](HWND janela) {
        EXPECT_EQ(ResponderExclusao(janela, IDNO), Pergunta(dir + L"\\Alfa"));
        EXPECT_FALSE(
            EsperarAte([&] { return CaminhoDoNavegador(janela) != dir + L"\\Alfa"; }, 200ms));
        EXPECT_TRUE(Existe(pasta / L"Alfa"));

        EXPECT_EQ(ResponderExclusao(janela, IDYES), Pergunta(dir + L"\\Alfa"));
        EXPECT_TRUE(CaminhoSeTorna(janela, dir));
        EXPECT_EQ(EntradaDoNavegador(janela, L"Alfa"), -1);
    });
    EXPECT_FALSE(Existe(pasta / L"Alfa"));
}

TEST_F(Navegador, AFolderThatHoldsAFileIsReportedByNameAndTheListIsReadAgain) {
    GravarArquivo(pasta / L"beta\\dentro.txt", "x");
    std::vector<TRelatorioVisto> vistos;
    ComRobo(
        [&] {
            Escolher(dir + L"\\beta", [&](HWND janela) {
                // Made behind the list's back: only a new reading shows it.
                CreateDirectoryW((pasta / L"beta\\recente").c_str(), nullptr);
                ResponderExclusao(janela, IDYES);
                EXPECT_TRUE(
                    EsperarAte([&] { return EntradaDoNavegador(janela, L"recente") >= 0; }));
                EXPECT_EQ(CaminhoDoNavegador(janela), dir + L"\\beta");
            });
        },
        [&](const TRelatorioVisto& visto) { vistos.push_back(visto); });
    ASSERT_EQ(vistos.size(), 1u);
    EXPECT_EQ(vistos[0].Modulo, Txt(TextoFramework(ids::kModulo)) + L"Pontilha.exe");
    EXPECT_EQ(vistos[0].Arquivos, Txt(TextoFramework(ids::kArquivos)) + dir + L"\\beta");
    EXPECT_EQ(vistos[0].Problema,
              Txt(TextoFramework(ids::kProblema)) + Txt(TextoFramework(ids::kErroInesperado)));
    EXPECT_TRUE(Existe(pasta / L"beta\\dentro.txt"));
}

TEST_F(Navegador, MyDocumentsMovesTheListToTheUsersDocumentsFolder) {
    std::wstring documentos = PastaEspecial(CSIDL_PERSONAL);
    ASSERT_FALSE(documentos.empty());
    // Wine's shell names it with a trailing delimiter; the list names it without one.
    if (documentos.back() == L'\\')
        documentos.pop_back();
    Escolher(dir, [&](HWND janela) {
        ClicarFerramenta(janela, IDC_ToolButton5);
        EXPECT_TRUE(CaminhoSeTorna(janela, documentos));
    });
}

// Tests that follow the keyboard's focus run alone: the focus leaves a window whenever another
// program's window becomes active, and so does an open pop-up menu.
class NavegadorTeclado : public Navegador {};

// From the control that has the focus when the window opens, Tab walks its controls and returns.
std::vector<int> VoltaDeTab(HWND janela, int inicio) {
    EsperarAte([&] { return ControleComFoco(janela) == inicio; });
    return PercorrerComTab(janela);
}

TEST_F(NavegadorTeclado, BothWindowsAreWalkedWithTabFromTheBoxThatHasTheFocusAtOpening) {
    std::vector<int> browser, novaPasta;
    Escolher(dir, [&](HWND janela) {
        browser = VoltaDeTab(janela, IDC_txtDiretorio);
        ClicarFerramenta(janela, IDC_ToolButton3);
        HWND nova = EsperarJanelaDaTarefa(GetWindowThreadProcessId(janela, nullptr),
                                          Txt(textos::kTituloNovaPasta));
        ASSERT_TRUE(nova);
        novaPasta = VoltaDeTab(nova, IDC_txtNome);
        // Escape closes it as "Cancela&r" does.
        Tecla(Foco(nova), VK_ESCAPE);
        EXPECT_TRUE(EsperarAte([&] { return !Visivel(nova); }));
    });
    EXPECT_EQ(browser, (std::vector<int>{IDC_txtDiretorio, IDC_bitAbrir, IDC_bitCancelar,
                                         IDC_bitAjuda, IDC_Drives, IDC_Diretorios}));
    EXPECT_EQ(novaPasta, (std::vector<int>{IDC_txtNome, IDC_bitCriar, IDC_bitCancelar}));
}

TEST_F(NavegadorTeclado, ThePopupMenuOpensOnRightClickAndTheContextMenuKeyWithoutTheToolbar) {
    Escolher(
        dir,
        [&](HWND janela) {
            HWND lista = Lista(janela);
            const POINT ponto = MeioDaEntrada(janela, 0);
            PostMessageW(lista, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(ponto.x, ponto.y));
            PostMessageW(lista, WM_RBUTTONUP, 0, MAKELPARAM(ponto.x, ponto.y));
            HWND menu = MenuNaTela(janela);
            ASSERT_TRUE(menu) << "right-click";
            Capturar(janela, L"abrir-diretorio-menu");
            Tecla(menu, VK_ESCAPE);
            ASSERT_TRUE(EsperarAte([&] { return !Visivel(menu); }));

            menu = AbrirMenuDaLista(janela);
            ASSERT_TRUE(menu) << "context-menu key";
            Tecla(menu, VK_DOWN);
            Tecla(menu, VK_RETURN);
            HWND nova = EsperarJanelaDaTarefa(GetWindowThreadProcessId(janela, nullptr),
                                              Txt(textos::kTituloNovaPasta));
            ASSERT_TRUE(nova) << "the first item is \"&Nova Pasta\"";
            Clicar(Controle(nova, IDC_bitCancelar));
        },
        kOpcaoSemFerramentas);
}

// The browser made without showing it, at a directory.
struct TNavegadorAberto {
    explicit TNavegadorAberto(const std::wstring& diretorio) { navegador.AbrirEm(diretorio); }
    TfrmNovaPasta novaPasta;
    TfrmAbrirDir navegador{novaPasta};
};

TEST(NavegadorExclusao, DrivesRootsTheWindowsFolderAndTheProgramsFolderAreNeverDeleted) {
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    const std::wstring programa = ProgramaDeTeste(L"");
    PastaTemporaria qualquer(L"kt qualquer");
    struct Caso {
        std::wstring diretorio;
        bool excluivel;
    };
    for (const Caso& caso : {Caso{L"C:\\", false}, Caso{L"Z:\\", false}, Caso{windows, false},
                             Caso{programa, false}, Caso{qualquer.Caminho(), true}}) {
        const TNavegadorAberto aberto(caso.diretorio);
        const TfrmAbrirDir& navegador = aberto.navegador;
        EXPECT_EQ(navegador.BarraFerramentas().Enabled(IDC_ToolButton6), caso.excluivel)
            << Utf8(caso.diretorio);
        EXPECT_EQ(navegador.PopupDiretorios().Enabled(IDM_Excluirdiretrio1), caso.excluivel)
            << Utf8(caso.diretorio);
        EXPECT_TRUE(navegador.BarraFerramentas().Enabled(IDC_ToolButton3));
        EXPECT_TRUE(navegador.PopupDiretorios().Enabled(IDM_popNovaPasta));
    }
}

} // namespace
