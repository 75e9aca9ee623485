// A large installation watched from outside: the window answers within a second throughout, the
// overall gauge only goes up and ends at 100, the labels show the step, the container and each
// target; the installation stops when the user says so (with "&Sair" or the close box, early or
// in the middle) and leaves nothing of its run, and goes on when the user says no. Killed in the
// middle of a file, it is installed again over what it left and uninstalled without a trace. Its
// files, bytes and time are printed, never asserted.
#include "core/formularios/TextosAssistente.h"
#include "dialogs/TextosDialogos.h"
#include "fileops/NomeNovo.h"
#include "fileops/Texto.h"
#include "instalacao/TextosCopia.h"
#include "resources/AssistenteIds.h"
#include "resources/SobrescreverIds.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/Registro.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/unit/AuxiliaresFluxo.h"
#include "tests/win/comum/Arquivos.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <iterator>
#include <mutex>
#include <set>
#include <thread>

namespace {

using namespace e2e;
using Relogio = std::chrono::steady_clock;
namespace textos = kt::textos_copia;
namespace assistente = kt::textos_assistente;

constexpr std::size_t kTamanhoDeCadaArquivo = 2 << 20;

// What the driver saw of the copying page, sampled while the installation ran.
struct TAmostras {
    std::vector<int> Geral;
    std::set<std::wstring> Status;
    std::set<std::wstring> Copia;
    std::set<std::wstring> Para;
    Relogio::duration MaiorEspera{};
};

// A label's text in one read: the text's length and the text itself read apart could straddle a
// change of the text.
std::wstring TextoDe(HWND rotulo) {
    wchar_t texto[512] = {};
    SendMessageTimeoutW(rotulo, WM_GETTEXT, std::size(texto), reinterpret_cast<LPARAM>(texto),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
    return texto;
}

// Samples the page every few milliseconds on a thread of its own until stopped.
class Amostrador {
public:
    explicit Amostrador(const ProgramaEmTeste& programa)
        : janela_(programa.Janela()), geral_(programa.Controle(IDC_ProgressoGeral)),
          status_(programa.Controle(IDC_lblStatus)), copia_(programa.Controle(IDC_lblCopia)),
          para_(programa.Controle(IDC_lblPara)), tarefa_([this] { Amostrar(); }) {}
    ~Amostrador() { Parar(); }

    TAmostras Parar() {
        parar_ = true;
        if (tarefa_.joinable())
            tarefa_.join();
        return amostras_;
    }
    int Geral() const { return geral_atual_; }

private:
    void Amostrar() {
        while (!parar_ && IsWindow(janela_)) {
            const auto antes = Relogio::now();
            DWORD_PTR posicao = 0;
            // The window's own thread must answer: the gauge's message goes through it too.
            if (!SendMessageTimeoutW(janela_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &posicao))
                break;
            amostras_.MaiorEspera = std::max(amostras_.MaiorEspera, Relogio::now() - antes);
            SendMessageTimeoutW(geral_, PBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 5000, &posicao);
            geral_atual_ = static_cast<int>(posicao);
            amostras_.Geral.push_back(geral_atual_);
            amostras_.Status.insert(TextoDe(status_));
            amostras_.Copia.insert(TextoDe(copia_));
            amostras_.Para.insert(TextoDe(para_));
            std::this_thread::sleep_for(10ms);
        }
    }

    HWND janela_, geral_, status_, copia_, para_;
    std::atomic<bool> parar_{false};
    std::atomic<int> geral_atual_{0};
    TAmostras amostras_;
    std::thread tarefa_;
};

class Grande : public testing::Test {
protected:
    void SetUp() override {
        Limpar();
        const auto conteiner = kt::teste::Conteiner(dados);
        ASSERT_TRUE(teste::GravarArquivo(produto.Pasta() + produtos::kConteinerGrande,
                                         std::string(conteiner.begin(), conteiner.end())));
        produto.Iniciar();
        ASSERT_TRUE(produto.EsperarAssistente(produtos::kTituloGrande));
    }
    void TearDown() override { Limpar(); }

    void Limpar() {
        RemoverPasta(instalado);
        ApagarChaveDe32Bits(produtos::kChaveGrande);
    }

    // The close question, asked by "&Sair" or by the close box, once the gauge shows `geral`.
    HWND PerguntarAo(int geral, bool caixa, Amostrador& amostrador) {
        EXPECT_TRUE(teste::EsperarAte([&] { return amostrador.Geral() >= geral; }, 60s));
        if (caixa)
            produto.FecharJanela();
        else
            produto.Clicar(IDC_BitBtn9);
        HWND pergunta = produto.EsperarCaixa(assistente::kConfirmacao);
        if (pergunta) {
            EXPECT_EQ(teste::TextoDaMensagem(pergunta), assistente::kCancelarInstalacao);
        }
        return pergunta;
    }

    void EsperarFimSemMensagem() {
        DWORD codigo = 1;
        EXPECT_TRUE(produto.EsperarFim(codigo, 60s)) << "a closing message, or no end";
        EXPECT_EQ(codigo, 0u);
        EXPECT_FALSE(teste::Existe(instalado)) << "nothing of the run is left";
        EXPECT_FALSE(ChaveExisteEm32Bits(produtos::kChaveGrande));
    }

    const std::vector<std::uint8_t> dados = kt::teste::BytesDeTexto(kTamanhoDeCadaArquivo);
    ProgramaEmTeste produto{produtos::kProdutoGrande};
    const std::wstring instalado = PastaAoLado(L"instalado");
};

TEST_F(Grande, NoGoesOnAndTheWindowAnswersThroughoutWithTheGaugeOnlyGoingUp) {
    const auto inicio = Relogio::now();
    ASSERT_TRUE(produto.Instalar(instalado));
    Amostrador amostrador(produto);
    EXPECT_EQ(produto.Texto(IDC_BitBtn9), assistente::kSair);
    HWND pergunta = PerguntarAo(30, false, amostrador);
    ASSERT_TRUE(pergunta);
    const auto perguntado = Relogio::now();
    produto.Capturar(L"cenaInstala");
    // Held while the question is up (a step handed over just before it may still show).
    std::this_thread::sleep_for(300ms);
    const int antes = amostrador.Geral();
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(amostrador.Geral(), antes);
    teste::Responder(pergunta, IDNO);
    const auto respondido = Relogio::now();

    HWND mensagem = produto.EsperarCaixa(assistente::kInformacao, 120s);
    const auto duracao = Relogio::now() - inicio - (respondido - perguntado);
    ASSERT_TRUE(mensagem);
    std::this_thread::sleep_for(100ms);
    const TAmostras vistas = amostrador.Parar();
    EXPECT_EQ(produto.ResponderInformacao(), textos::kSucesso);
    DWORD codigo = 1;
    EXPECT_TRUE(produto.EsperarFim(codigo, 30s));
    EXPECT_EQ(codigo, 0u);

    EXPECT_LT(vistas.MaiorEspera, 1s);
    ASSERT_FALSE(vistas.Geral.empty());
    EXPECT_TRUE(std::is_sorted(vistas.Geral.begin(), vistas.Geral.end()));
    EXPECT_EQ(vistas.Geral.back(), 100);
    const std::set<std::wstring> passos = {L"",
                                           textos::kCriandoDiretorios,
                                           textos::kCopiandoArquivos,
                                           textos::kCriandoAtalhos,
                                           textos::kAtualizandoRegistro,
                                           textos::kFinalizando,
                                           textos::kTerminou};
    for (const std::wstring& status : vistas.Status)
        EXPECT_TRUE(passos.count(status)) << kt::Utf8(status);
    EXPECT_TRUE(vistas.Status.count(textos::kCopiandoArquivos));
    const std::set<std::wstring> origens = {L"", L" ", produto.Caminho(),
                                            produto.Pasta() + produtos::kConteinerGrande};
    EXPECT_TRUE(
        std::includes(origens.begin(), origens.end(), vistas.Copia.begin(), vistas.Copia.end()));
    std::set<std::wstring> destinos = {L"", L" ", instalado + produtos::kProdutoGrande};
    for (int i = 0; i < produtos::kArquivosGrandes; ++i)
        destinos.insert(instalado + produtos::ArquivoGrande(i));
    EXPECT_TRUE(
        std::includes(destinos.begin(), destinos.end(), vistas.Para.begin(), vistas.Para.end()));
    EXPECT_GT(vistas.Para.size(), 3u) << "the targets pass by";

    const std::string esperado(dados.begin(), dados.end());
    for (int i = 0; i < produtos::kArquivosGrandes; ++i)
        EXPECT_EQ(teste::LerArquivo(instalado + produtos::ArquivoGrande(i)), esperado) << i;
    EXPECT_EQ(ValorDe32Bits(produtos::kChaveGrande, L"DisplayName"), produtos::kNomeGrande);
    std::printf("[ medida ] instalação grande: %d arquivos, %zu bytes, %.2f s (sem a pergunta)\n",
                produtos::kArquivosGrandes, produtos::kArquivosGrandes * kTamanhoDeCadaArquivo,
                std::chrono::duration<double>(duracao).count());
}

struct TParada {
    const char* Nome;
    int Geral;  // the overall gauge at the click
    bool Caixa; // the close box, or "&Sair"
};

class GrandeParada : public Grande, public testing::WithParamInterface<TParada> {};

TEST_P(GrandeParada, YesStopsAndLeavesNothingOfTheRun) {
    ASSERT_TRUE(produto.Instalar(instalado));
    Amostrador amostrador(produto);
    HWND pergunta = PerguntarAo(GetParam().Geral, GetParam().Caixa, amostrador);
    ASSERT_TRUE(pergunta);
    teste::Responder(pergunta, IDYES);
    EsperarFimSemMensagem();
}

// The new files that a killed run leaves beside their destinations.
std::vector<teste::TEntrada> Novos(const std::wstring& pasta) {
    return teste::Entradas(pasta + produtos::kPastaDosDados + L"\\", kt::kPadraoDoNomeNovo);
}

TEST_F(Grande, KilledInTheMiddleOfAFileThenInstalledAgainAndUninstalledLeavesNothing) {
    ASSERT_TRUE(produto.Instalar(instalado));
    ASSERT_TRUE(produto.MatarQuando([&] { return !Novos(instalado).empty(); }, 60s));
    ASSERT_FALSE(Novos(instalado).empty());

    produto.Iniciar();
    ASSERT_TRUE(produto.EsperarAssistente(produtos::kTituloGrande));
    ASSERT_TRUE(produto.Instalar(instalado));
    HWND pergunta = produto.EsperarCaixa(std::wstring(kt::textos_sobrescrever::kTitulo), 30s);
    ASSERT_TRUE(pergunta) << "the files that the killed run finished are there";
    teste::Clicar(teste::Controle(pergunta, IDC_bitSimTodos));
    EXPECT_EQ(produto.ResponderInformacao(120s), textos::kSucesso);
    DWORD codigo = 1;
    ASSERT_TRUE(produto.EsperarFim(codigo, 30s));
    EXPECT_TRUE(Novos(instalado).empty());

    ProgramaEmTeste desinstalador(produtos::kProdutoGrande, Instalado{instalado});
    desinstalador.Iniciar();
    ASSERT_TRUE(desinstalador.EsperarAssistente(produtos::kTituloGrande));
    desinstalador.Clicar(IDC_botaoDesinstalar);
    EXPECT_EQ(desinstalador.ResponderInformacao(30s), assistente::kDesinstalacaoTerminada);
    ASSERT_TRUE(desinstalador.EsperarFim(codigo, 30s));
    EXPECT_TRUE(teste::EsperarAte([&] { return !teste::Existe(instalado); }, 30s))
        << "the folder that the killed run created goes too";
}

INSTANTIATE_TEST_SUITE_P(Momentos, GrandeParada,
                         testing::Values(TParada{"LogoAoComecar", 0, true},
                                         TParada{"NoMeio", 50, false}),
                         [](const auto& info) { return std::string(info.param.Nome); });

} // namespace
