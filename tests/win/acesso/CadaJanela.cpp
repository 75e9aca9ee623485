#include "tests/win/acesso/CadaJanela.h"

#include "core/produto/ConteudoPontilha.h"
#include "core/formularios/TextosAssistente.h"
#include "dialogs/CentralSolucoes.h"
#include "dialogs/Encontrar.h"
#include "dialogs/EscolherDiretorio.h"
#include "dialogs/Sobrescrever.h"
#include "dialogs/TextosDialogos.h"
#include "dialogs/TrocarDiscos.h"
#include "fileops/Ajuda.h"
#include "instalacao/TextosCopia.h"
#include "resources/AssistenteIds.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/win/assistente/AssistenteEmTeste.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/Janelas.h"
#include "tests/win/comum/Robo.h"
#include "tests/win/comum/RoboCentral.h"
#include "tests/win/comum/RoboNavegador.h"
#include "ui/Controls.h"

#include <commctrl.h>

#include <gtest/gtest.h>

namespace teste {
namespace {

namespace textos = kt::textos_assistente;

std::wstring Txt(std::wstring_view texto) {
    return std::wstring(texto);
}

void FecharDialogo(HWND janela) {
    PostMessageW(janela, WM_CLOSE, 0, 0);
}

// Pontilha's content with a licence beside it and a remark under it, so that every scene has its
// texts.
kt::TConteudoDescricao PontilhaComLicenca(const std::wstring& licenca) {
    return [licenca](kt::TDadosDescricao& dados, const std::wstring& diretorio) {
        kt::PreencherConteudoPontilha(dados, diretorio);
        dados.Configuracao.ArquivoDeLicenca = licenca;
        dados.Configuracao.ObservacaoLicenca = produtos::kObservacaoLicenca;
    };
}

void Selecionar(kt::TCena cena) {
    NoAssistente([cena](kt::TfrmAssistente& a) { a.SelecionarCena(cena); });
    EXPECT_TRUE(EsperarCena(cena));
}

} // namespace

void MostrarCadaCena(const TVisita& visita) {
    PastaTemporaria pasta(L"kt cada cena");
    const std::wstring licenca = pasta / L"Licenca.txt";
    // A text licence is read in the ANSI code page.
    GravarArquivo(licenca, "Licen\xe7"
                           "a de uso do Pontilha: pode ser copiado e instalado \xe0 vontade.");
    EXPECT_TRUE(ExecutarAssistenteCom(PontilhaComLicenca(licenca), [&](HWND janela) {
        visita(janela, L"cenaConfigurar");

        Clicar(Controle(janela, IDC_bitSobre));
        ASSERT_TRUE(EsperarCena(kt::cenaSobre));
        visita(janela, L"cenaSobre");
        Clicar(Controle(janela, IDC_bitVoltar));
        ASSERT_TRUE(EsperarCena(kt::cenaConfigurar));

        Clicar(Controle(janela, IDC_botaoInstalar));
        ASSERT_TRUE(EsperarCena(kt::cenaLicenca));
        Clicar(Controle(janela, IDC_optSim));
        ASSERT_TRUE(EsperarAte([&] { return Marcado(Controle(janela, IDC_optSim)); }));
        visita(janela, L"cenaLicenca");
        Clicar(Controle(janela, IDC_botaoContinuarLicenca));
        ASSERT_TRUE(EsperarCena(kt::cenaOpcoes));
        Clicar(Controle(janela, IDC_chkAvancado));
        ASSERT_TRUE(EsperarAte(
            [&] { return Texto(Controle(janela, IDC_botaoProsseguir)) == textos::kContinuar; }));
        visita(janela, L"cenaOpcoes");

        Clicar(Controle(janela, IDC_botaoProsseguir));
        ASSERT_TRUE(EsperarCena(kt::cenaOQue));
        Tecla(Controle(janela, IDC_chkOQue), VK_HOME);
        EsperarAte([&] { return !Texto(Controle(janela, IDC_sttPainel)).empty(); });
        visita(janela, L"cenaOQue");

        // The pages of an installation and an uninstall, shown as their flows show them.
        Selecionar(kt::cenaInstala);
        NoAssistente([](kt::TfrmAssistente& a) {
            ui::Gauge(a.Item(IDC_ProgressoGeral)).SetPosition(40);
            ui::Gauge(a.Item(IDC_ProgressoAtual)).SetPosition(70);
            ui::Label(a.Item(IDC_lblStatus)).SetText(kt::textos_copia::kCopiandoArquivos);
            ui::Label(a.Item(IDC_lblCopia)).SetText(L"PONTILHA_HTML");
            ui::Label(a.Item(IDC_lblPara))
                .SetText(L"C:\\Program Files (x86)\\Pontilha 1.0\\Pontilha.pt.html");
        });
        visita(janela, L"cenaInstala");
        Selecionar(kt::cenaDesinstalar);
        visita(janela, L"cenaDesinstalar");
        Selecionar(kt::cenaIniciar);
        NoAssistente([](kt::TfrmAssistente& a) { a.AvancarCarregamento(40); });
        visita(janela, L"cenaIniciar");
    }));
}

void MostrarCadaDialogo(const TVisita& visita) {
    const kt::TRegistroAjuda ajuda = kt::AjudaSemArquivo(kt::kContextoPadrao);
    ComRobo(
        [&] {
            kt::MostrarCentralSolucoes(textos::kModuloDoAssistente, textos::kErroNaInicializacao,
                                       L"", textos::kSolucaoErroNaInicializacao, &ajuda, nullptr);
        },
        [&](const TRelatorioVisto& visto) { visita(visto.Janela, L"central"); });

    PastaTemporaria pasta(L"kt cada dialogo");
    const std::wstring origem = pasta / L"Pontilha.pt.html";
    const std::wstring destino = pasta / L"Pontilha 1.0\\Pontilha.pt.html";
    CreateDirectoryW((pasta / L"Pontilha 1.0").c_str(), nullptr);
    GravarArquivo(origem, std::string(3000, 'x'));
    GravarArquivo(destino, std::string(2000, 'y'));
    const auto visitarEFechar = [&](const wchar_t* nome) {
        return [&visita, nome](HWND janela) {
            visita(janela, nome);
            FecharDialogo(janela);
        };
    };
    ComRoboDeJanelas([&] { kt::PerguntarSobrescrever(origem, destino, 3, true); },
                     {{Txt(kt::textos_sobrescrever::kTitulo), visitarEFechar(L"sobrescrever")}});
    ComRoboDeJanelas([&] { kt::PedirDisco(2, L"Pontilha.exe", L""); },
                     {{Txt(kt::textos_inserir_disco::kTitulo), visitarEFechar(L"inserir-disco")}});
    std::wstring perdido = pasta / L"imagens\\braille.jpg";
    ComRoboDeJanelas([&] { kt::EncontrarArquivo(perdido, 255); },
                     {{Txt(kt::textos_encontrar::kTitulo), visitarEFechar(L"encontrar")}});
    std::wstring escolhido;
    ComRoboDeJanelas([&] { kt::EscolherDiretorio(pasta.Caminho(), escolhido, 255, 0, L""); },
                     {{Txt(kt::textos_diretorios::kTituloPadrao), [&](HWND navegador) {
                           visita(navegador, L"abrir-diretorio");
                           HWND novaPasta = AbrirNovaPasta(navegador);
                           EXPECT_TRUE(novaPasta);
                           if (novaPasta) {
                               visita(novaPasta, L"nova-pasta");
                               CancelarNovaPasta(novaPasta);
                           }
                           PressionarCancelar(navegador);
                       }}});
}

} // namespace teste
