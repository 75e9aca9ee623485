// The installation's worker and the uninstall's removal run here against a page of the test's own:
// the dialogs answer from a script, the reports are recorded, and every way a run ends is seen
// with what it leaves on disk, in milliseconds.
#include "fileops/DiarioDeInstalacao.h"
#include "instalacao/Desinstalacao.h"
#include "instalacao/TextosCopia.h"
#include "instalacao/ThreadCopia.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/Janelas.h"
#include "tests/win/comum/RelatoriosGravados.h"
#include "ui/Application.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace kt;
namespace textos = textos_copia;
using teste::Existe;
using teste::LerArquivo;

class PaginaFalsa final : public TJanelaDaCopia, public TJanelaDaDesinstalacao {
public:
    TListaLinhas Diretorios;
    TListaLinhas Arquivos;
    std::atomic<bool> PodeFechar{false};
    // The closing messages, and "erro" for each error shown.
    std::vector<std::wstring> Mensagens;
    std::vector<TPassoDaRemocao> Passos;

    TListaLinhas& LinhasDeDiretorio() override { return Diretorios; }
    TListaLinhas& LinhasDeArquivo() override { return Arquivos; }
    void DefinirPodeFechar() override { PodeFechar = true; }
    void MostrarMensagemFinal(const wchar_t* mensagem) override { Mensagens.push_back(mensagem); }
    void MostrarErro(std::exception_ptr) override { Mensagens.push_back(L"erro"); }
    void MostrarTela(const TTela&) override {}
    void RemocaoConcluida(TPassoDaRemocao passo) override { Passos.push_back(passo); }
};

// Runs the worker to its termination notification, the main thread's messages running meanwhile.
template <class T>
void Rodar(std::unique_ptr<T> trabalho, const std::function<void(T&)>& aoTerminar) {
    bool terminou = false;
    TTrabalho::Iniciar<T>(std::move(trabalho), [&](T& t) {
        aoTerminar(t);
        terminou = true;
    });
    ASSERT_TRUE(teste::EsperarAte([&] {
        ui::Application::ProcessMessages();
        return terminou;
    }));
}

// Where a run is told to stop, or what goes wrong in it.
enum class TPercalco {
    Nenhum,
    PararNaPergunta,
    PararNoDisco,
    PararNoAtalho,
    DiscoRecusado,
    DestinoOcupado,
    LinhaInvalida,
    RegistroFalha,
    PastaImpossivel
};

struct TCenario {
    const char* Nome;
    TPercalco Percalco;
    TFimDaCopia Fim;
    std::vector<std::wstring> Mensagens;
    // What is in the installation afterwards: a.txt, sub\b.txt ("novo" or "antigo"), novas\c.txt.
    bool A;
    const char* B;
    bool C;
    bool Diario;
};

void PrintTo(const TCenario& cenario, std::ostream* saida) {
    *saida << cenario.Nome;
}

class Copia : public testing::TestWithParam<TCenario> {};

// Two disks: a.txt and sub\b.txt (which is there, and asked about) on the first, novas\c.txt on
// the second; the shortcut hook on the main thread, the registry and last hooks on the worker's.
TEST_P(Copia, EndsInOneOutcomeWithWhatItLeavesOnDisk) {
    const TCenario& c = GetParam();
    const teste::PastaTemporaria pasta(L"kt copia");
    const std::wstring fonte = pasta / L"fonte\\";
    const std::wstring destino = c.Percalco == TPercalco::PastaImpossivel
                                     ? fonte + L"a.txt\\destino\\"
                                     : pasta / L"destino\\";
    CreateDirectoryW(fonte.c_str(), nullptr);
    for (const wchar_t* nome : {L"a.txt", L"b.txt", L"c.txt"})
        ASSERT_TRUE(teste::GravarArquivo(fonte + nome, "novo"));
    CreateDirectoryW((pasta / L"destino").c_str(), nullptr);
    CreateDirectoryW((pasta / L"destino\\sub").c_str(), nullptr);
    ASSERT_TRUE(teste::GravarArquivo(pasta / L"destino\\sub\\b.txt", "antigo"));
    if (c.Percalco == TPercalco::DestinoOcupado) {
        CreateDirectoryW((pasta / L"destino\\novas").c_str(), nullptr);
        CreateDirectoryW((pasta / L"destino\\novas\\c.txt").c_str(), nullptr);
    }

    PaginaFalsa pagina;
    pagina.Diretorios.Adicionar(L"sub, 0, 0, sim");
    pagina.Diretorios.Adicionar(L"novas, 0, 0, sim");
    pagina.Arquivos.Adicionar(L"a.txt, 0, copiar, Base, , a.txt, 1, 1, sim");
    pagina.Arquivos.Adicionar(L"b.txt, 0, copiar, Base, sub, b.txt, 1, 1, sim");
    if (c.Percalco == TPercalco::LinhaInvalida)
        pagina.Arquivos.Adicionar(L"c.txt, 0, copiar, Base, , x.txt, x, 1, sim");
    pagina.Arquivos.Adicionar(L"c.txt, 0, copiar, Base, novas, c.txt, 2, 1, sim");
    std::vector<std::wstring> ganchos;
    TCopiaDeArquivos* copia = nullptr;
    const auto pararSe = [&](TPercalco onde) {
        if (c.Percalco == onde)
            copia->Parar();
    };
    TDadosDaCopia dados;
    dados.Destinos = {L"C:\\windows\\", L"C:\\windows\\system32\\", destino};
    dados.DiretorioDoPrograma = fonte;
    dados.NumeroDeDiscos = 2;
    dados.Opcoes[0] = [&](const std::wstring&) {
        ganchos.push_back(L"atalho");
        pararSe(TPercalco::PararNoAtalho);
    };
    dados.RegistrarProduto = [&](const std::wstring& d) {
        ganchos.push_back(L"registro " + d);
        if (c.Percalco == TPercalco::RegistroFalha)
            throw base::Exception(L"registro bloqueado");
    };
    dados.AoFinalizar = [&](const std::wstring&) { ganchos.push_back(L"fim"); };

    TServicosDeJanela respostas;
    respostas.PerguntarSobrescrever = [&](std::wstring_view, std::wstring_view, std::int32_t,
                                          bool) {
        pararSe(TPercalco::PararNaPergunta);
        return std::int32_t{kSobrescrever};
    };
    respostas.PedirDisco = [&](std::int32_t, std::wstring_view, std::wstring_view) {
        pararSe(TPercalco::PararNoDisco);
        return std::int32_t{c.Percalco == TPercalco::DiscoRecusado ? kDiscoParar
                                                                   : kDiscoProsseguir};
    };
    TFimDaCopia fim{};
    const auto relatorios = teste::Gravando(
        [&] {
            auto trabalho = std::make_unique<TCopiaDeArquivos>(pagina, std::move(dados));
            copia = trabalho.get();
            Rodar<TCopiaDeArquivos>(std::move(trabalho),
                                    [&](TCopiaDeArquivos& t) { fim = t.Fim(); });
        },
        respostas);

    EXPECT_EQ(fim, c.Fim);
    EXPECT_EQ(pagina.Mensagens, c.Mensagens);
    EXPECT_EQ(Existe(destino + L"a.txt"), c.A);
    EXPECT_EQ(LerArquivo(pasta / L"destino\\sub\\b.txt"), c.B);
    EXPECT_EQ(LerArquivo(destino + L"novas\\c.txt") == "novo", c.C);
    EXPECT_EQ(Existe(destino + kArquivoDoDiario), c.Diario);
    // Every disk processed, and then only, the window may close without asking.
    EXPECT_EQ(pagina.PodeFechar, c.C);
    // The hooks ran in their order with the directory, unless the run ended before them.
    std::vector<std::wstring> esperados = {L"atalho", L"registro " + destino, L"fim"};
    if (c.Fim == TFimDaCopia::ErroNoPasso)
        esperados.pop_back();
    else if (c.Fim != TFimDaCopia::Concluida && c.Fim != TFimDaCopia::DiscoRecusado &&
             c.Fim != TFimDaCopia::ErroNosArquivos)
        esperados.clear();
    EXPECT_EQ(ganchos, esperados);
    // Only a file that could not be written, or a directory, is reported.
    EXPECT_EQ(relatorios.size(),
              c.Fim == TFimDaCopia::EscritaFalhou || c.Fim == TFimDaCopia::DiretorioNaoCriado ? 1u
                                                                                              : 0u);
}

INSTANTIATE_TEST_SUITE_P(Percalcos, Copia,
                         testing::Values(TCenario{"Nenhum",
                                                  TPercalco::Nenhum,
                                                  TFimDaCopia::Concluida,
                                                  {textos::kSucesso},
                                                  true,
                                                  "novo",
                                                  true,
                                                  true},
                                         TCenario{"PararNaPergunta",
                                                  TPercalco::PararNaPergunta,
                                                  TFimDaCopia::Cancelada,
                                                  {},
                                                  false,
                                                  "antigo",
                                                  false,
                                                  false},
                                         TCenario{"PararNoDisco",
                                                  TPercalco::PararNoDisco,
                                                  TFimDaCopia::Cancelada,
                                                  {},
                                                  false,
                                                  "novo",
                                                  false,
                                                  false},
                                         TCenario{"PararNoAtalho",
                                                  TPercalco::PararNoAtalho,
                                                  TFimDaCopia::Concluida,
                                                  {textos::kSucesso},
                                                  true,
                                                  "novo",
                                                  true,
                                                  true},
                                         TCenario{"DiscoRecusado",
                                                  TPercalco::DiscoRecusado,
                                                  TFimDaCopia::DiscoRecusado,
                                                  {textos::kInterrompida},
                                                  true,
                                                  "novo",
                                                  false,
                                                  true},
                                         TCenario{"DestinoOcupado",
                                                  TPercalco::DestinoOcupado,
                                                  TFimDaCopia::EscritaFalhou,
                                                  {textos::kErroDuranteInstalacao},
                                                  false,
                                                  "novo",
                                                  false,
                                                  false},
                                         TCenario{"LinhaInvalida",
                                                  TPercalco::LinhaInvalida,
                                                  TFimDaCopia::ErroNosArquivos,
                                                  {L"erro", textos::kInterrompida},
                                                  true,
                                                  "novo",
                                                  false,
                                                  true},
                                         TCenario{"RegistroFalha",
                                                  TPercalco::RegistroFalha,
                                                  TFimDaCopia::ErroNoPasso,
                                                  {textos::kErroDuranteInstalacao},
                                                  true,
                                                  "novo",
                                                  true,
                                                  true},
                                         TCenario{"PastaImpossivel",
                                                  TPercalco::PastaImpossivel,
                                                  TFimDaCopia::DiretorioNaoCriado,
                                                  {},
                                                  false,
                                                  "antigo",
                                                  false,
                                                  false}),
                         [](const auto& info) { return std::string(info.param.Nome); });

// The removal of an installation whose diary names two of its three files: the third, and a file
// held by another program, stay and are answered; the check marks come in the steps' order.
TEST(Desinstalacao, RemovesWhatTheDiaryNamesAndAnswersWhatItLeft) {
    const teste::PastaTemporaria pasta(L"kt desinstalacao");
    PaginaFalsa pagina;
    TDadosDaDesinstalacao dados;
    dados.Destinos = {L"C:\\windows\\", L"C:\\windows\\system32\\", pasta.Caminho()};
    dados.Diretorios.Adicionar(L"dados, 0, 0, sim");
    CreateDirectoryW((pasta / L"dados").c_str(), nullptr);
    for (const wchar_t* nome : {L"a.txt", L"preso.txt", L"alheio.txt"}) {
        dados.Arquivos.Adicionar(std::wstring(nome) + L", 0, copiar, Base, dados, " + nome +
                                 L", 1, 1, sim");
        ASSERT_TRUE(teste::GravarArquivo(pasta / L"dados\\" + nome, "x"));
    }
    SetFileAttributesW((pasta / L"dados\\a.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    {
        TDiarioDeInstalacao diario(pasta.Caminho());
        diario.AnotarPasta(pasta / L"dados");
        diario.AnotarArquivo(pasta / L"dados\\a.txt");
        diario.AnotarArquivo(pasta / L"dados\\preso.txt");
    }
    const teste::ArquivoPreso preso(pasta / L"dados\\preso.txt");
    std::vector<std::wstring> restantes;
    Rodar<TDesinstalacao>(std::make_unique<TDesinstalacao>(pagina, std::move(dados)),
                          [&](TDesinstalacao& d) { restantes = d.Restantes(); });
    EXPECT_FALSE(Existe(pasta / L"dados\\a.txt"));
    EXPECT_TRUE(Existe(pasta / L"dados\\alheio.txt"));
    EXPECT_EQ(restantes,
              (std::vector<std::wstring>{pasta / L"dados\\preso.txt", pasta / L"dados"}));
    EXPECT_EQ(pagina.Passos, (std::vector<TPassoDaRemocao>{TPassoDaRemocao::Arquivos,
                                                           TPassoDaRemocao::Diretorios}));
}

} // namespace
