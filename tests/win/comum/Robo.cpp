#include "tests/win/comum/Robo.h"

#include "dialogs/CentralSolucoes.h"
#include "tests/win/comum/Janelas.h"

#include <atomic>
#include <thread>

namespace teste {

namespace {

// Runs this thread's messages, so that the robot's questions to its windows get answers.
void ProcessarMensagens() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

HWND VisivelDaTarefa(DWORD tarefa, const std::wstring& titulo) {
    for (HWND janela : JanelasDaTarefa(tarefa))
        if (Visivel(janela) && Texto(janela) == titulo)
            return janela;
    return nullptr;
}

} // namespace

std::vector<TRelatorioVisto> ComRoboDeJanelas(const std::function<void()>& acao,
                                              const std::vector<TTratador>& tratadores) {
    const DWORD principal = GetCurrentThreadId();
    std::atomic<bool> acaoTerminou{false};
    std::atomic<bool> roboTerminou{false};
    std::vector<TRelatorioVisto> vistos;
    std::vector<TTratador> todos = tratadores;
    // One window shows every report: the next one may be up before the robot sees it hidden.
    todos.push_back({std::wstring(kt::textos_central::kTitulo),
                     [&](HWND janela) {
                         vistos.push_back(LerRelatorio(janela));
                         Continuar(janela);
                     },
                     Prazo(500)});
    std::thread robo([&] {
        while (!acaoTerminou) {
            for (const TTratador& tratador : todos) {
                HWND janela = VisivelDaTarefa(principal, tratador.Titulo);
                if (!janela)
                    continue;
                tratador.Tratar(janela);
                EsperarAte([&] { return !IsWindow(janela) || !Visivel(janela); }, tratador.Espera);
            }
            Sleep(20);
        }
        roboTerminou = true;
    });
    acao();
    acaoTerminou = true;
    EsperarAte([&] {
        ProcessarMensagens();
        return roboTerminou.load();
    });
    robo.join();
    return vistos;
}

std::wstring TextoDe(HWND janela, int id) {
    return Texto(Controle(janela, id));
}

namespace {

// The control with the focus; the window itself when the focus is elsewhere (another test's
// window became active), where the dialog manager still takes Enter, Escape and mnemonics.
HWND Alvo(HWND janela) {
    HWND foco = Foco(janela);
    return foco && (foco == janela || IsChild(janela, foco)) ? foco : janela;
}

} // namespace

void PressionarTab(HWND janela) {
    Tecla(Alvo(janela), VK_TAB);
}

void PressionarMnemonico(HWND janela, wchar_t letra) {
    PostMessageW(Alvo(janela), WM_SYSCHAR, letra, 1 << 29);
}

void PressionarTecla(HWND janela, UINT tecla) {
    Tecla(Alvo(janela), tecla);
}

// The id of the window's control that holds the focus: a control made of others (a ComboBoxEx
// and its combo box) counts as one.
int ControleComFoco(HWND janela) {
    for (HWND h = Foco(janela); h && h != janela; h = GetParent(h))
        if (GetParent(h) == janela)
            return GetDlgCtrlID(h);
    return 0;
}

std::vector<int> PercorrerComTab(HWND janela) {
    HWND inicio = Foco(janela);
    std::vector<int> visitados{ControleComFoco(janela)};
    for (HWND atual = inicio; visitados.size() < 20;) {
        PressionarTab(janela);
        EsperarAte([&] { return Foco(janela) != atual; }, Prazo(1000));
        atual = Foco(janela);
        if (atual == inicio)
            break;
        visitados.push_back(ControleComFoco(janela));
    }
    return visitados;
}

} // namespace teste
