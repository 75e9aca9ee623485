// The insert-disk prompt on screen, answered by a robot as a user would: the instruction text
// with the number and the set, every answer by mouse and keyboard, and the quit question that
// "&Cancelar" asks (No leaves the prompt as it was).
#include "dialogs/TextosDialogos.h"
#include "dialogs/TrocarDiscos.h"
#include "fileops/Texto.h"
#include "fileops/TextosFramework.h"
#include "resources/TrocarDiscosIds.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/Captura.h"
#include "tests/win/comum/Janelas.h"
#include "tests/win/comum/Robo.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using namespace kt;
namespace textos = textos_inserir_disco;
using teste::TextoDe;

const std::wstring kTitulo(textos::kTitulo);
const std::wstring kConfirmacao(textos::kConfirmacao);

struct TPromptVisto {
    std::wstring Instrucoes;
    std::vector<std::wstring> Botoes;
};

struct TResultado {
    std::int32_t Resposta = -1;
    TPromptVisto Visto;
};

TResultado Pedir(std::int32_t disco, const std::wstring& conjunto, const std::wstring& pergunta,
                 const std::function<void(HWND)>& responder) {
    TResultado r;
    teste::ComRoboDeJanelas(
        [&] { r.Resposta = PedirDisco(disco, conjunto, pergunta); },
        {{kTitulo, [&](HWND janela) {
              r.Visto.Instrucoes = TextoDe(janela, IDC_lblInstrucoesDisco);
              for (int id : {IDC_bitCancelarDisco, IDC_bitProsseguir, IDC_bitNaoChecar})
                  r.Visto.Botoes.push_back(TextoDe(janela, id));
              responder(janela);
          }}});
    return r;
}

std::wstring Instrucoes(std::wstring_view numero, std::wstring_view conjunto) {
    return L"        Por favor insira o disco número " + std::wstring(numero) + L" do " +
           std::wstring(conjunto) + L".";
}

// What the quit question showed, and whether the prompt stayed after No.
struct TPerguntaVista {
    std::wstring Texto;
    bool ComIcone = true;
    bool PromptFicou = false;
};

bool TemIcone(HWND caixa) {
    for (HWND c = GetWindow(caixa, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (teste::Visivel(c) && teste::Classe(c) == L"Static" &&
            (GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON &&
            SendMessageW(c, STM_GETICON, 0, 0) != 0)
            return true;
    return false;
}

// "&Cancelar", then No; the prompt must stay; then "&Cancelar" and Yes.
std::function<void(HWND)> CancelarNaoDepoisSim(TPerguntaVista& vista) {
    return [&vista](HWND janela) {
        const DWORD tarefa = GetWindowThreadProcessId(janela, nullptr);
        for (int resposta : {IDNO, IDYES}) {
            teste::Clicar(teste::Controle(janela, IDC_bitCancelarDisco));
            HWND caixa = teste::EsperarJanelaDaTarefa(tarefa, kConfirmacao);
            ASSERT_TRUE(caixa);
            vista.Texto = teste::TextoDaMensagem(caixa);
            vista.ComIcone = TemIcone(caixa);
            teste::Responder(caixa, resposta);
            teste::EsperarAte([&] { return !IsWindow(caixa); });
            if (resposta == IDNO)
                vista.PromptFicou =
                    !teste::EsperarAte([&] { return !teste::Visivel(janela); }, teste::Prazo(300));
        }
    };
}

TEST(InserirDisco, ShowsTheNumberAndTheSetAndProceedsWithEnter) {
    const TResultado r = Pedir(2, L"Pontilha.exe", L"",
                               [](HWND janela) { teste::PressionarTecla(janela, VK_RETURN); });
    EXPECT_EQ(r.Resposta, kDiscoProsseguir);
    EXPECT_EQ(r.Visto.Instrucoes, Instrucoes(L"2", L"Pontilha.exe"));
    EXPECT_EQ(r.Visto.Botoes, (std::vector<std::wstring>{std::wstring(textos::kCancelar),
                                                         std::wstring(textos::kProsseguir),
                                                         std::wstring(textos::kNaoChecar)}));
}

struct TCasoResposta {
    const char* Nome;
    std::function<void(HWND)> Responder;
    std::int32_t Resposta;
};

TEST(InserirDisco, EachWayOfAnsweringGivesItsAnswer) {
    const auto clicar = [](int id) {
        return [id](HWND j) { teste::Clicar(teste::Controle(j, id)); };
    };
    const std::vector<TCasoResposta> casos = {
        {"Prosseguir", clicar(IDC_bitProsseguir), kDiscoProsseguir},
        {"Não checar", clicar(IDC_bitNaoChecar), kDiscoNaoChecar},
        {"Alt+P", [](HWND j) { teste::PressionarMnemonico(j, L'p'); }, kDiscoProsseguir},
        {"Escape", [](HWND j) { teste::PressionarTecla(j, VK_ESCAPE); }, kDiscoParar},
        {"fechar", [](HWND j) { teste::Fechar(j); }, kDiscoParar},
    };
    for (const TCasoResposta& caso : casos) {
        SCOPED_TRACE(caso.Nome);
        EXPECT_EQ(Pedir(1, L"Pontilha.exe", L"", caso.Responder).Resposta, caso.Resposta);
    }
}

TEST(InserirDisco, ANegativeNumberKeepsItsSign) {
    EXPECT_EQ(Pedir(-3, L"Curso", L"", [](HWND j) { teste::PressionarTecla(j, VK_ESCAPE); })
                  .Visto.Instrucoes,
              Instrucoes(L"-3", L"Curso"));
}

struct TCasoSaida {
    std::wstring Dada;
    std::wstring Perguntada;
};

TEST(InserirDisco, CancellingAsksTheQuitQuestionAndNoLeavesThePromptAsItWas) {
    const std::wstring padrao(TextoFramework(ids::kSair));
    const std::vector<TCasoSaida> casos = {
        {L"", padrao},
        {L" \t ", padrao},
        {L"  Parar a cópia?  ", L"  Parar a cópia?  "},
    };
    for (const TCasoSaida& caso : casos) {
        SCOPED_TRACE(kt::Utf8(caso.Dada));
        TPerguntaVista vista;
        const TResultado r = Pedir(2, L"Pontilha.exe", caso.Dada, CancelarNaoDepoisSim(vista));
        EXPECT_EQ(r.Resposta, kDiscoParar);
        EXPECT_EQ(vista.Texto, caso.Perguntada);
        EXPECT_FALSE(vista.ComIcone);
        EXPECT_TRUE(vista.PromptFicou);
    }
}

// Alone on the screen, also for the screenshots.
TEST(InserirDiscoTeclado, TheFocusStartsOnProceedAndTabWalksTheButtonsInReadingOrder) {
    std::vector<int> percurso;
    Pedir(1, L"Pontilha.exe", L"", [&](HWND j) {
        EXPECT_TRUE(teste::EsperarAte(
            [&] { return teste::Foco(j) == teste::Controle(j, IDC_bitProsseguir); }));
        teste::Capturar(j, L"inserir-disco");
        percurso = teste::PercorrerComTab(j);
        teste::Clicar(teste::Controle(j, IDC_bitCancelarDisco));
        HWND caixa =
            teste::EsperarJanelaDaTarefa(GetWindowThreadProcessId(j, nullptr), kConfirmacao);
        ASSERT_TRUE(caixa);
        teste::Capturar(caixa, L"inserir-disco-sair");
        teste::Responder(caixa, IDNO);
        teste::EsperarAte([&] { return !IsWindow(caixa); });
        teste::Clicar(teste::Controle(j, IDC_bitProsseguir));
    });
    EXPECT_EQ(percurso,
              (std::vector<int>{IDC_bitProsseguir, IDC_bitNaoChecar, IDC_bitCancelarDisco}));
}

} // namespace
