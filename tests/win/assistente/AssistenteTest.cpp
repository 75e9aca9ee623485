// The wizard in this process: what the launcher hands it, what start-up reads and applies, the
// licence files, the close query, the options' button, the components and the start of an
// installation, each checked on the window's own state.
#include "core/produto/ConteudoPontilha.h"
#include "core/formularios/DiretoriosDoSistema.h"
#include "core/formularios/TextosAssistente.h"
#include "fileops/Caminhos.h"
#include "fileops/Registro.h"
#include "resources/AssistenteIds.h"
#include "resources/Imagens.h"
#include "tests/win/assistente/AssistenteEmTeste.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/RelatoriosGravados.h"
#include "tests/win/comum/RoboNavegador.h"
#include "dialogs/TextosDialogos.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "base/Exception.h"
#include "ui/Glyphs.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <thread>

namespace {

using namespace teste;
namespace textos = kt::textos_assistente;

void RotinaA(const std::wstring&) {}
void RotinaB(const std::wstring&) {}

// Pontilha's content with the settings changed by the function given.
kt::TConteudoDescricao PontilhaCom(std::function<void(kt::TConfiguracaoInstalacao&)> mudar) {
    return [mudar](kt::TDadosDescricao& dados, const std::wstring& diretorio) {
        kt::PreencherConteudoPontilha(dados, diretorio);
        mudar(dados.Configuracao);
    };
}

HWND CaixaDeMensagem(HWND assistente) {
    HWND caixa = nullptr;
    EsperarAte([&] {
        for (HWND j : JanelasDaTarefa(GetWindowThreadProcessId(assistente, nullptr)))
            if (j != assistente && Visivel(j) && Classe(j) == L"#32770")
                caixa = j;
        return caixa != nullptr;
    });
    return caixa;
}

// The icon a message box shows: its static control with an icon.
HICON IconeDaCaixa(HWND caixa) {
    for (HWND c = GetWindow(caixa, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (Classe(c) == L"Static" && (GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
            return reinterpret_cast<HICON>(SendMessageW(c, STM_GETICON, 0, 0));
    return nullptr;
}

TEST(ExecutarAssistente, CopiesExactly44BytesWhateverTheSizeFieldSays) {
    kt::TRotinasProduto rotinas{};
    rotinas.TamanhoRotinas = 12;
    rotinas.Reservado1 = 0x11223344;
    rotinas.Reservado2 = 0x55667788;
    rotinas.RegistrarProduto = RotinaA;
    rotinas.RemoverAtalhos = RotinaB;
    const kt::TRotinasProduto original = rotinas;
    kt::TRotinasProduto copia{};
    const auto conteudo = [&](kt::TDadosDescricao& dados, const std::wstring& diretorio) {
        // The caller's record changes while the wizard runs.
        rotinas.RegistrarProduto = RotinaB;
        rotinas.Reservado1 = 0;
        NoAssistente([&](kt::TfrmAssistente& a) { copia = a.Rotinas; });
        kt::PreencherConteudoPontilha(dados, diretorio);
    };
    ASSERT_TRUE(ExecutarAssistenteCom(
        conteudo, [](HWND) {}, rotinas));
    EXPECT_EQ(std::memcmp(&copia, &original, kt::kTamanhoRotinas), 0);
}

TEST(ExecutarAssistente, KeepsTheDescriptionNameAsAShortStringAndDestroysTheWindow) {
    HWND janela = nullptr;
    std::wstring nome;
    std::thread robo([&] {
        EsperarAte([&] {
            NoAssistente([&](kt::TfrmAssistente& a) {
                janela = a.Handle();
                nome = a.NomeDescricao;
            });
            return janela != nullptr && EsperarCena(kt::cenaConfigurar);
        });
        NoAssistente([](kt::TfrmAssistente& a) {
            a.PodeFechar = true;
            a.Close();
        });
    });
    kt::ExecutarAssistente(std::wstring(300, L'd'), kt::TRotinasProduto{});
    robo.join();
    EXPECT_EQ(nome, std::wstring(255, L'd'));
    ASSERT_NE(janela, nullptr);
    EXPECT_FALSE(IsWindow(janela));
}

TEST(Inicio, ReadsTheDirectoriesWithTrailingDelimitersAndFillsTheHelpRecord) {
    std::wstring diretorioDoConteudo;
    const auto conteudo = [&](kt::TDadosDescricao& dados, const std::wstring& diretorio) {
        diretorioDoConteudo = diretorio;
        kt::PreencherConteudoPontilha(dados, diretorio);
    };
    ASSERT_TRUE(ExecutarAssistenteCom(conteudo, [&](HWND) {
        NoAssistente([&](kt::TfrmAssistente& a) {
            wchar_t caminho[MAX_PATH];
            GetWindowsDirectoryW(caminho, MAX_PATH);
            EXPECT_EQ(a.DiretorioDoWindows, std::wstring(caminho) + L"\\");
            GetSystemDirectoryW(caminho, MAX_PATH);
            EXPECT_EQ(a.DiretorioDoSistema, std::wstring(caminho) + L"\\");
            GetModuleFileNameW(nullptr, caminho, MAX_PATH);
            std::wstring programa = caminho;
            programa.erase(programa.find_last_of(L'\\') + 1);
            EXPECT_EQ(a.DiretorioDoPrograma, programa);
            EXPECT_EQ(a.DiretorioEscolhido, programa);
            EXPECT_EQ(a.DiretorioProgramFiles,
                      kt::ComDelimitador(kt::LerTextoDoRegistro(HKEY_LOCAL_MACHINE,
                                                                kt::kChaveVersaoDoWindows,
                                                                kt::kValorProgramFiles)
                                             .value_or(L"")));
            EXPECT_EQ(a.Ajuda.Tamanho, kt::kTamanhoRegistroAjuda);
            EXPECT_EQ(a.Ajuda.Tipo, kt::kAjudaArquivoDeAjuda);
            EXPECT_EQ(a.Ajuda.Contexto, kt::kContextoPadrao);
            EXPECT_EQ(a.Ajuda.ArquivoAjuda[0], '\0');
            EXPECT_FALSE(a.PodeFechar);
            EXPECT_EQ(ui::Gauge(a.Item(IDC_Progresso)).Position(), 100);
            EXPECT_EQ(diretorioDoConteudo, programa);
        });
    }));
}

TEST(Inicio, ARegistryValueThatIsMissingOrNotAStringReadsAsEmpty) {
    const std::wstring chave =
        L"Software\\KtTestes\\Registro" + std::to_wstring(GetCurrentProcessId());
    HKEY aberta = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, chave.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &aberta, nullptr),
              ERROR_SUCCESS);
    const DWORD numero = 7;
    RegSetValueExW(aberta, L"Numero", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&numero),
                   sizeof numero);
    const wchar_t texto[] = L"C:\\Arquivos";
    RegSetValueExW(aberta, L"Texto", 0, REG_SZ, reinterpret_cast<const BYTE*>(texto), sizeof texto);
    RegCloseKey(aberta);

    EXPECT_EQ(kt::LerTextoDoRegistro(HKEY_CURRENT_USER, chave, L"Texto"), L"C:\\Arquivos");
    EXPECT_EQ(kt::LerTextoDoRegistro(HKEY_CURRENT_USER, chave, L"Numero"), L"");
    EXPECT_EQ(kt::LerTextoDoRegistro(HKEY_CURRENT_USER, chave, L"Ausente"), L"");
    EXPECT_EQ(kt::LerTextoDoRegistro(HKEY_CURRENT_USER, chave + L"\\Ausente", L"Texto"),
              std::nullopt);
    RegDeleteKeyW(HKEY_CURRENT_USER, chave.c_str());
}

// Start-up fills the description once: a later start message, whoever posts it, runs nothing.
TEST(Inicio, ALaterStartMessageIsIgnored) {
    ASSERT_TRUE(ExecutarAssistenteCom(kt::PreencherConteudoPontilha, [](HWND janela) {
        int componentes = 0;
        int arquivos = 0;
        NoAssistente([&](kt::TfrmAssistente& a) {
            componentes = a.Descricao.Componentes().Contar();
            arquivos = a.Descricao.Arquivos().Contar();
        });
        for (int vez = 0; vez < 2; ++vez)
            SendMessageW(janela, kt::kMensagemIniciarAssistente, 0, 0);
        NoAssistente([&](kt::TfrmAssistente& a) {
            EXPECT_EQ(a.Descricao.Componentes().Contar(), componentes);
            EXPECT_EQ(a.Descricao.Arquivos().Contar(), arquivos);
            EXPECT_EQ(a.CenaAtual(), kt::cenaConfigurar);
        });
    }));
}

// A click that reaches the window in the middle of start-up waits until start-up is over: the
// about page that it asks for is the page shown afterwards, not one that start-up covers again.
TEST(Inicio, AClickDuringStartUpIsHandledOnceStartUpIsOver) {
    const auto conteudo = [](kt::TDadosDescricao& dados, const std::wstring& diretorio) {
        NoAssistente([](kt::TfrmAssistente& a) {
            PostMessageW(a.Handle(), WM_COMMAND, MAKEWPARAM(IDC_bitSobre, BN_CLICKED),
                         reinterpret_cast<LPARAM>(a.Item(IDC_bitSobre)));
        });
        kt::PreencherConteudoPontilha(dados, diretorio);
    };
    ASSERT_TRUE(ExecutarAssistenteCom(
        conteudo,
        [](HWND janela) {
            EXPECT_EQ(Texto(Controle(janela, IDC_lblSobre)), textos::TextoSobre());
            EXPECT_EQ(ui::Gauge(Controle(janela, IDC_Progresso)).Position(), 100);
        },
        {}, kt::cenaSobre));
}

// A start-up that fails ends the wizard after its report, and the caller learns which error it
// was.
TEST(Inicio, TheErrorThatEndedStartUpIsReportedAndReturned) {
    std::exception_ptr erro;
    const auto relatorios = Gravando([&] {
        erro = kt::ExecutarAssistente(L"kt.ikt", {}, [](kt::TDadosDescricao&, const std::wstring&) {
            throw base::EConvertError(L"'x' não é um número inteiro válido");
        });
    });
    ASSERT_TRUE(erro);
    try {
        std::rethrow_exception(erro);
    } catch (const base::EConvertError& e) {
        EXPECT_EQ(e.Message(), L"'x' não é um número inteiro válido");
    } catch (...) {
        ADD_FAILURE() << "another error ended start-up";
    }
    ASSERT_EQ(relatorios.size(), 1u);
    EXPECT_EQ(relatorios[0].Modulo, textos::kModuloDoAssistente);
    EXPECT_EQ(relatorios[0].Problema, textos::kErroNaInicializacao);
    EXPECT_EQ(relatorios[0].Arquivos, L"");
    EXPECT_EQ(relatorios[0].Solucao, textos::kSolucaoErroNaInicializacao);
}

// Start-up makes the loading and operation pages only; a page is made when it is first shown,
// with its texts, titles and actions as the pages made at start-up have them.
TEST(Cenas, APageIsMadeWhenItIsFirstShown) {
    ASSERT_TRUE(
        ExecutarAssistenteCom(PontilhaCom([](kt::TConfiguracaoInstalacao&) {}), [](HWND janela) {
            EXPECT_NE(Controle(janela, IDC_cenaIniciar), nullptr);
            EXPECT_NE(Controle(janela, IDC_cenaConfigurar), nullptr);
            for (int cena : {IDC_cenaDesinstalar, IDC_cenaLicenca, IDC_cenaOpcoes, IDC_cenaOQue,
                             IDC_cenaInstala, IDC_cenaSobre})
                EXPECT_EQ(Controle(janela, cena), nullptr) << cena;

            NoAssistente([](kt::TfrmAssistente& a) { a.SelecionarCena(kt::cenaOpcoes); });
            HWND opcoes = Controle(janela, IDC_cenaOpcoes);
            ASSERT_NE(opcoes, nullptr);
            EXPECT_TRUE(Visivel(opcoes));
            EXPECT_FALSE(Visivel(Controle(janela, IDC_cenaConfigurar)));
            EXPECT_EQ(Texto(opcoes), textos::kOpcoesDeInstalacao);
            EXPECT_EQ(Texto(Controle(janela, IDC_lblOpcoesInstalacao2)),
                      textos::kOpcoesDeInstalacao);
            EXPECT_FALSE(Visivel(Controle(janela, IDC_lblOpcoesInstalacao1)));
            EXPECT_EQ(Texto(Controle(janela, IDC_lblOpcoes)), textos::kSelecioneOpcoes);
            EXPECT_EQ(Texto(Controle(janela, IDC_bitProcurar)), textos::kProcurar);
            EXPECT_EQ(Texto(Controle(janela, IDC_botaoProsseguir)), textos::kInstalar);
            EXPECT_EQ(Controle(janela, IDC_cenaOQue), nullptr);
        }));
}

TEST(Configuracao, TheDescriptionsSettingsReachTheControls) {
    const auto conteudo = PontilhaCom([](kt::TConfiguracaoInstalacao& c) {
        c.TituloDaJanela = L"Instalação de teste";
        c.Instrucoes = L"Instruções de teste";
        c.Opcoes[0] = {false, false, L"Primeira"};
        c.Opcoes[1] = {true, false, L"Segunda"};
        c.Opcoes[2] = {true, true, L"Terceira"};
        c.ObservacaoLicenca = L"Observação";
        c.NomeDoDiretorioPadrao = L"Destino";
        c.Instalado = true;
        c.PermiteAlterar = true;
        c.PermiteReinstalar = false;
        c.PermiteCompacta = true;
    });
    // Each page as it shows: the operation page first, the others once they are selected.
    ASSERT_TRUE(ExecutarAssistenteCom(conteudo, [](HWND janela) {
        EXPECT_EQ(Texto(janela), L"Instalação de teste");
        EXPECT_EQ(Texto(Controle(janela, IDC_lblInstrucoes)), L"Instruções de teste");
        EXPECT_FALSE(Habilitado(Controle(janela, IDC_botaoInstalar)));
        EXPECT_TRUE(Habilitado(Controle(janela, IDC_botaoAlterar)));
        EXPECT_TRUE(Habilitado(Controle(janela, IDC_botaoDesinstalar)));

        NoAssistente([](kt::TfrmAssistente& a) { a.SelecionarCena(kt::cenaOpcoes); });
        const int caixas[] = {IDC_chkOpcao2, IDC_chkOpcao3, IDC_chkOpcao4};
        const bool visiveis[] = {false, true, true};
        const bool marcadas[] = {false, false, true};
        const wchar_t* legendas[] = {L"Primeira", L"Segunda", L"Terceira"};
        for (int i = 0; i < 3; ++i) {
            HWND caixa = Controle(janela, caixas[i]);
            EXPECT_EQ((GetWindowLongW(caixa, GWL_STYLE) & WS_VISIBLE) != 0, visiveis[i]);
            EXPECT_EQ(Marcado(caixa), marcadas[i]);
            EXPECT_EQ(Texto(caixa), legendas[i]);
        }
        std::wstring programFiles;
        NoAssistente([&](kt::TfrmAssistente& a) { programFiles = a.DiretorioProgramFiles; });
        EXPECT_EQ(Texto(Controle(janela, IDC_txtDir)), programFiles + L"Destino");
        EXPECT_TRUE(Habilitado(Controle(janela, IDC_chkCompacta)));

        NoAssistente([](kt::TfrmAssistente& a) { a.SelecionarCena(kt::cenaLicenca); });
        EXPECT_EQ(Texto(Controle(janela, IDC_lblOBS)), L"Observação");
    }));
}

// A licence file of this test's own in a temporary folder.
class Licenca : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(GravarArquivo(arquivo_, "Termos de uso do teste.")); }

    // The licence settings and text after start-up with these two names.
    void Iniciar(const std::wstring& primeiro, const std::wstring& segundo) {
        const auto conteudo = PontilhaCom([&](kt::TConfiguracaoInstalacao& c) {
            c.ArquivoDeLicenca = primeiro;
            c.ArquivoDeLicencaAlternativo = segundo;
        });
        ASSERT_TRUE(ExecutarAssistenteCom(conteudo, [&](HWND janela) {
            NoAssistente([&](kt::TfrmAssistente& a) {
                primeiro_ = a.Descricao.Configuracao().ArquivoDeLicenca;
                segundo_ = a.Descricao.Configuracao().ArquivoDeLicencaAlternativo;
            });
            texto_ = Texto(Controle(janela, IDC_Licenca));
        }));
    }

    const PastaTemporaria pasta_{L"kt licenca"};
    const std::wstring arquivo_ = pasta_ / L"licença.txt";
    std::wstring primeiro_;
    std::wstring segundo_;
    std::wstring texto_;
};

TEST_F(Licenca, AFirstFileThatLoadsLeavesBothNames) {
    Iniciar(arquivo_, L"ausente-2.txt");
    EXPECT_EQ(primeiro_, arquivo_);
    EXPECT_EQ(segundo_, L"ausente-2.txt");
    EXPECT_EQ(texto_, L"Termos de uso do teste.");
}

TEST_F(Licenca, AFirstFileThatFailsIsClearedAndTheSecondLoads) {
    Iniciar(L"ausente-1.txt", arquivo_);
    EXPECT_EQ(primeiro_, L"");
    EXPECT_EQ(segundo_, arquivo_);
    EXPECT_EQ(texto_, L"Termos de uso do teste.");
}

TEST_F(Licenca, TwoFilesThatFailAreBothClearedAndTheBoxStaysEmpty) {
    Iniciar(L"ausente-1.txt", L"C:\\ausente\\ausente-2.txt");
    EXPECT_EQ(primeiro_, L"");
    EXPECT_EQ(segundo_, L"");
    EXPECT_EQ(texto_, L"");
}

TEST(Fechar, TheQuestionShowsTheQuestionIconAndNoKeepsTheWizardOnItsPage) {
    bool perguntouDepois = false;
    ASSERT_TRUE(ExecutarAssistenteCom(kt::PreencherConteudoPontilha, [&](HWND janela) {
        Clicar(Controle(janela, IDC_botaoInstalar));
        ASSERT_TRUE(EsperarCena(kt::cenaOpcoes));
        Fechar(janela);
        HWND caixa = CaixaDeMensagem(janela);
        ASSERT_NE(caixa, nullptr);
        EXPECT_EQ(Texto(caixa), textos::kConfirmacao);
        EXPECT_EQ(IconeDaCaixa(caixa), LoadIconW(nullptr, IDI_QUESTION));
        Responder(caixa, IDNO);
        EXPECT_TRUE(EsperarAte([&] { return !IsWindow(caixa); }));
        EXPECT_EQ(CenaAtual(), kt::cenaOpcoes);
        EXPECT_TRUE(Visivel(janela));

        // Once an operation has finished the window closes without asking.
        NoAssistente([](kt::TfrmAssistente& a) { a.PodeFechar = true; });
        Fechar(janela);
        perguntouDepois = !EsperarAte([&] { return !IsWindow(janela); }, 5s);
    }));
    EXPECT_FALSE(perguntouDepois);
}

TEST(Opcoes, AdvancedOptionsRebindTheButtonWithTheGlyphsOfTheTwoPictures) {
    ASSERT_TRUE(ExecutarAssistenteCom(kt::PreencherConteudoPontilha, [](HWND janela) {
        Clicar(Controle(janela, IDC_botaoInstalar));
        ASSERT_TRUE(EsperarCena(kt::cenaOpcoes));
        HWND botao = Controle(janela, IDC_botaoProsseguir);
        const auto glifo = [&] {
            BUTTON_IMAGELIST imagens{};
            SendMessageW(botao, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&imagens));
            return imagens.himl;
        };
        const int tamanho = GetSystemMetrics(SM_CXSMICON);
        EXPECT_EQ(glifo(), ui::Glyphs::ImageList(IDI_INSTALAR, tamanho));

        Clicar(Controle(janela, IDC_chkAvancado));
        ASSERT_TRUE(EsperarAte([&] { return Texto(botao) == textos::kContinuar; }));
        EXPECT_EQ(glifo(), ui::Glyphs::ImageList(IDI_PROSSEGUIR, tamanho));
        EXPECT_FALSE(Visivel(Controle(janela, IDC_imgProsseguir)));
        EXPECT_NE(SendMessageW(Controle(janela, IDC_imgProsseguir), STM_GETICON, 0, 0), 0);

        Clicar(Controle(janela, IDC_chkAvancado));
        ASSERT_TRUE(EsperarAte([&] { return Texto(botao) == textos::kInstalar; }));
        EXPECT_EQ(glifo(), ui::Glyphs::ImageList(IDI_INSTALAR, tamanho));
    }));
}

// Takes the wizard from the operation page to the options.
void IrParaOpcoes(HWND janela) {
    Clicar(Controle(janela, IDC_botaoInstalar));
    ASSERT_TRUE(EsperarCena(kt::cenaOpcoes));
}

// An installation with nothing to copy, into a folder typed in: the test reads what the wizard
// keeps once it starts the copy, and answers the closing message, which ends the wizard.
void InstalarEm(const std::wstring& digitado, const std::function<void(HWND janela)>& antes,
                const std::function<void(kt::TfrmAssistente& a)>& verificar) {
    ASSERT_TRUE(ExecutarAssistenteCom(
        PontilhaCom([](kt::TConfiguracaoInstalacao& c) { c.NumeroDeDiscos = 0; }),
        [&](HWND janela) {
            IrParaOpcoes(janela);
            DefinirTexto(Controle(janela, IDC_txtDir), digitado);
            antes(janela);
            Clicar(Controle(janela, IDC_botaoProsseguir));
            ASSERT_TRUE(EsperarCena(kt::cenaInstala));
            NoAssistente(verificar);
            HWND fim = EsperarJanelaDaTarefa(GetWindowThreadProcessId(janela, nullptr),
                                             textos::kInformacao);
            ASSERT_TRUE(fim);
            Responder(fim, IDOK);
        }));
}

TEST(Instalar, ADirectoryWithoutADelimiterGainsOneAndTheOptionsAreWrittenBack) {
    const PastaTemporaria pasta(L"kt instalar");
    const std::wstring digitado = pasta / L"Cursos\\Pontilha";
    InstalarEm(
        digitado,
        [](HWND janela) {
            Clicar(Controle(janela, IDC_chkOpcao3));
            ASSERT_TRUE(EsperarAte([&] { return !Marcado(Controle(janela, IDC_chkOpcao3)); }));
        },
        [&](kt::TfrmAssistente& a) {
            EXPECT_EQ(a.DiretorioEscolhido, digitado + L"\\");
            const kt::TConfiguracaoInstalacao& c = a.Descricao.Configuracao();
            EXPECT_EQ(c.DiretorioDeInstalacao, digitado + L"\\");
            EXPECT_TRUE(c.Opcoes[0].Marcada);
            EXPECT_FALSE(c.Opcoes[1].Marcada);
            EXPECT_FALSE(c.Opcoes[2].Marcada);
        });
}

// The typed directory as the wizard holds it: with one backslash at its end (a slash is no
// delimiter), cut before the backslash is added, so that as a short string it keeps it.
// Held as typed, with one backslash ensured, up to the longest directory that every path of the
// course still fits below (longer ones are refused: tests/e2e/OpcoesTest.cpp).
TEST(Instalar, TheTypedDirectoryIsHeldWhole) {
    const PastaTemporaria pasta(L"kt instalar");
    std::size_t maisLongo = 0;
    for (const kt::TArquivoDoSite& arquivo : kt::kArquivosDoSite)
        maisLongo = std::max(maisLongo, std::wstring(arquivo.Subdiretorio).size() + 1 +
                                            std::wstring(arquivo.Nome).size());
    const std::wstring longo =
        pasta / std::wstring(kt::kMaximoDoCaminho - maisLongo - 1 - pasta.Caminho().size(), L'p');
    const std::pair<std::wstring, std::wstring> casos[] = {
        {pasta / L"Cursos\\", pasta / L"Cursos\\"},
        {pasta / L"Cursos/", pasta / L"Cursos/\\"},
        {longo, longo + L"\\"},
    };
    for (const auto& [digitado, mantido] : casos) {
        SCOPED_TRACE(kt::Utf8(digitado));
        InstalarEm(
            digitado, [](HWND) {},
            [&](kt::TfrmAssistente& a) {
                EXPECT_EQ(a.DiretorioEscolhido, mantido);
                EXPECT_EQ(a.Descricao.Configuracao().DiretorioDeInstalacao, mantido);
            });
    }
}

// The end of the copy seen from inside, while the wizard asks to restart: the product is
// installed, and its description is a file row of its own, kept under its name in the
// installation directory.
TEST(FimDaCopia, TheDescriptionIsAFileRowBeforeTheRestartQuestion) {
    const PastaTemporaria pasta(L"kt fim");
    ASSERT_TRUE(ExecutarAssistenteCom(
        PontilhaCom([](kt::TConfiguracaoInstalacao& c) {
            c.NumeroDeDiscos = 0;
            c.GuardarDescricao = true;
            c.ReiniciarAoTerminar = true;
        }),
        [&](HWND janela) {
            const DWORD tarefa = GetWindowThreadProcessId(janela, nullptr);
            IrParaOpcoes(janela);
            DefinirTexto(Controle(janela, IDC_txtDir), pasta.Caminho());
            Clicar(Controle(janela, IDC_botaoProsseguir));
            HWND fim = EsperarJanelaDaTarefa(tarefa, textos::kInformacao);
            ASSERT_TRUE(fim);
            Responder(fim, IDOK);
            HWND reiniciar = EsperarJanelaDaTarefa(tarefa, textos::kConfirmacao);
            ASSERT_TRUE(reiniciar);
            EXPECT_EQ(TextoDaMensagem(reiniciar), textos::kReiniciar);
            NoAssistente([&](kt::TfrmAssistente& a) {
                EXPECT_TRUE(a.Descricao.Configuracao().Instalado);
                kt::TListaLinhas& arquivos = a.Descricao.Arquivos();
                EXPECT_EQ(arquivos.Linha(arquivos.Contar() - 1), L", 0, , , , kt.ikt, , , sim, ");
                EXPECT_EQ(a.Descricao.Arquivo(), pasta / L"kt.ikt");
            });
            Responder(reiniciar, IDNO);
        }));
}

TEST(Procurar, AChosenDirectoryGoesIntoTheBoxOnlyWhenTheBoxHoldsIt) {
    struct Caso {
        std::size_t tamanho;
        bool aceito;
    };
    for (const Caso& caso : {Caso{254, true}, Caso{255, false}, Caso{300, false}}) {
        const std::wstring caminho = L"C:\\" + std::wstring(caso.tamanho - 3, L'p');
        ASSERT_TRUE(ExecutarAssistenteCom(kt::PreencherConteudoPontilha, [&](HWND janela) {
            IrParaOpcoes(janela);
            const std::wstring antes = Texto(Controle(janela, IDC_txtDir));
            Clicar(Controle(janela, IDC_bitProcurar));
            HWND navegador =
                EsperarJanelaDaTarefa(GetWindowThreadProcessId(janela, nullptr),
                                      std::wstring(kt::textos_diretorios::kTituloPadrao));
            ASSERT_TRUE(navegador);
            DigitarCaminho(navegador, caminho);
            PressionarAbrir(navegador);
            ASSERT_TRUE(EsperarAte([&] { return !IsWindow(navegador) || !Visivel(navegador); }));
            if (caso.aceito) {
                EXPECT_TRUE(
                    EsperarAte([&] { return Texto(Controle(janela, IDC_txtDir)) == caminho; }));
                return;
            }
            HWND caixa = CaixaDeMensagem(janela);
            ASSERT_TRUE(caixa) << caso.tamanho;
            EXPECT_EQ(Texto(caixa), textos::kInformacao);
            EXPECT_EQ(TextoDaMensagem(caixa), textos::kDiretorioLongo);
            Responder(caixa, IDOK);
            EXPECT_TRUE(EsperarAte([&] { return !IsWindow(caixa); }));
            EXPECT_EQ(Texto(Controle(janela, IDC_txtDir)), antes);
        })) << caso.tamanho;
    }
}

// Three component rows, the middle one without a name.
void PreencherComLinhaSemNome(kt::TDadosDescricao& dados, const std::wstring& diretorio) {
    kt::PreencherConteudoPontilha(dados, diretorio);
    dados.Configuracao.PermiteCompacta = true;
    dados.Componentes = {};
    dados.Componentes.Adicionar(L"Primeiro, Descrição do primeiro, sim, sim");
    dados.Componentes.Adicionar(L", Linha sem nome, não, não");
    dados.Componentes.Adicionar(L"Terceiro, Descrição do terceiro, não, sim");
}

TEST(Componentes, ARowWithoutANameShiftsNeitherTheStatesNorTheDescriptions) {
    ASSERT_TRUE(ExecutarAssistenteCom(PreencherComLinhaSemNome, [](HWND janela) {
        IrParaOpcoes(janela);
        Clicar(Controle(janela, IDC_chkCompacta));
        Clicar(Controle(janela, IDC_chkAvancado));
        ASSERT_TRUE(EsperarAte(
            [&] { return Texto(Controle(janela, IDC_botaoProsseguir)) == textos::kContinuar; }));
        Clicar(Controle(janela, IDC_botaoProsseguir));
        ASSERT_TRUE(EsperarCena(kt::cenaOQue));

        HWND lista = Controle(janela, IDC_chkOQue);
        ASSERT_EQ(ContarItens(lista), 2);
        EXPECT_EQ(TextoDoItem(lista, 0), L"Primeiro");
        EXPECT_EQ(TextoDoItem(lista, 1), L"Terceiro");
        EXPECT_TRUE(ItemMarcado(lista, 0));
        EXPECT_FALSE(ItemMarcado(lista, 1));

        Tecla(lista, VK_END);
        EXPECT_TRUE(EsperarAte(
            [&] { return Texto(Controle(janela, IDC_sttPainel)) == L"Descrição do terceiro"; }));
    }));
}

// Every scene has its "&Voltar" and "&Cancelar"; a mnemonic presses only the button that the
// scene shown carries.
TEST(Teclado, AMnemonicPressesTheButtonOfTheSceneShown) {
    ASSERT_TRUE(ExecutarAssistenteCom(kt::PreencherConteudoPontilha, [](HWND janela) {
        IrParaOpcoes(janela);
        Clicar(Controle(janela, IDC_chkAvancado));
        ASSERT_TRUE(EsperarAte(
            [&] { return Texto(Controle(janela, IDC_botaoProsseguir)) == textos::kContinuar; }));
        Clicar(Controle(janela, IDC_botaoProsseguir));
        ASSERT_TRUE(EsperarCena(kt::cenaOQue));
        // From the scene's last button the search for the letter passes the later scenes first.
        PostMessageW(Controle(janela, IDC_botaoInstalarOQue), WM_SYSCHAR, L'v', 1 << 29);
        EXPECT_TRUE(EsperarCena(kt::cenaOpcoes));
    }));
}

} // namespace
