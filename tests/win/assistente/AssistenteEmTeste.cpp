#include "tests/win/assistente/AssistenteEmTeste.h"

#include "resources/AssistenteIds.h"
#include "ui/Application.h"

#include <atomic>
#include <thread>

namespace teste {
namespace {

// The wizard is the one window of the program that holds the banner.
kt::TfrmAssistente* AssistenteAtivo() {
    HWND janela = ui::Application::ActiveModalWindow();
    if (!janela || !GetDlgItem(janela, IDC_imgFaixa))
        return nullptr;
    return static_cast<kt::TfrmAssistente*>(ui::Form::FromHandle(janela));
}

} // namespace

void NoAssistente(const std::function<void(kt::TfrmAssistente&)>& passo) {
    ui::Application::RunOnMainThread([&] {
        if (kt::TfrmAssistente* assistente = AssistenteAtivo())
            passo(*assistente);
    });
}

kt::TCena CenaAtual() {
    kt::TCena cena = kt::cenaIniciar;
    NoAssistente([&](kt::TfrmAssistente& a) { cena = a.CenaAtual(); });
    return cena;
}

bool EsperarCena(kt::TCena cena) {
    return EsperarAte([&] { return CenaAtual() == cena; });
}

bool ExecutarAssistenteCom(const kt::TConteudoDescricao& conteudo,
                           const std::function<void(HWND janela)>& robo,
                           const kt::TRotinasProduto& rotinas, kt::TCena cena) {
    std::atomic<bool> chegou{false};
    std::atomic<bool> acabou{false};
    std::thread tarefa([&] {
        HWND janela = nullptr;
        EsperarAte([&] {
            NoAssistente([&](kt::TfrmAssistente& a) { janela = a.Handle(); });
            return janela != nullptr;
        });
        chegou = janela && EsperarCena(cena);
        if (chegou)
            robo(janela);
        // A modal message box left open would keep the wizard's loop waiting under it.
        if (janela)
            for (HWND outra : JanelasDaTarefa(GetWindowThreadProcessId(janela, nullptr)))
                if (outra != janela && Visivel(outra) && Classe(outra) == L"#32770")
                    Responder(outra, IDOK);
        NoAssistente([](kt::TfrmAssistente& a) {
            a.PodeFechar = true;
            a.EndModal(ui::mrOk);
        });
        acabou = true;
    });
    kt::ExecutarAssistente(L"kt.ikt", rotinas, conteudo);
    // The robot may still hand this thread a step: keep running them until it is done.
    EsperarAte([&] {
        ui::Application::ProcessMessages();
        return acabou.load();
    });
    tarefa.join();
    return chegou;
}

} // namespace teste
