#include "tests/win/comum/RoboCentral.h"

#include "dialogs/CentralSolucoes.h"
#include "fileops/TextosFramework.h"
#include "resources/CentralSolucoesIds.h"
#include "tests/win/comum/Janelas.h"

#include <atomic>
#include <thread>

namespace teste {

namespace {

const std::wstring kTituloCentral(kt::textos_central::kTitulo);

// Runs this thread's messages, so that the robot's questions to its windows get answers.
void ProcessarMensagens() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool MesmoRelatorio(const TRelatorioVisto& a, const TRelatorioVisto& b) {
    return a.Modulo == b.Modulo && a.Problema == b.Problema && a.Arquivos == b.Arquivos &&
           a.Solucao == b.Solucao;
}

} // namespace

std::wstring Linha(int prefixo, std::wstring_view valor) {
    return std::wstring(kt::TextoFramework(prefixo)) + std::wstring(valor);
}

TRelatorioVisto LerRelatorio(HWND janela) {
    TRelatorioVisto visto;
    visto.Janela = janela;
    visto.Titulo = Texto(janela);
    visto.Cabecalho = Texto(Controle(janela, IDC_Titulo));
    visto.Programa = Texto(Controle(janela, IDC_lblPrograma));
    visto.Modulo = Texto(Controle(janela, IDC_lblModulo));
    visto.Problema = Texto(Controle(janela, IDC_lblProblema));
    visto.Arquivos = Texto(Controle(janela, IDC_lblArquivo));
    visto.Solucao = Texto(Controle(janela, IDC_lblSolucao));
    visto.Continuar = Texto(Controle(janela, IDC_bitContinuar));
    visto.Ajuda = Texto(Controle(janela, IDC_bitAjuda));
    visto.AjudaHabilitada = Habilitado(Controle(janela, IDC_bitAjuda));
    visto.SobreHabilitado = Habilitado(Controle(janela, IDC_BitBtn1));
    return visto;
}

void Continuar(HWND janela) {
    Clicar(Controle(janela, IDC_bitContinuar));
}

std::vector<TRelatorioVisto> ComRobo(const std::function<void()>& acao,
                                     const std::function<void(const TRelatorioVisto&)>& aoVer) {
    const DWORD principal = GetCurrentThreadId();
    std::atomic<bool> acaoTerminou{false};
    std::atomic<bool> roboTerminou{false};
    std::vector<TRelatorioVisto> vistos;
    std::thread robo([&] {
        while (!acaoTerminou) {
            HWND janela = EsperarJanelaDaTarefa(principal, kTituloCentral, Prazo(100));
            if (!janela)
                continue;
            vistos.push_back(LerRelatorio(janela));
            if (aoVer)
                aoVer(vistos.back());
            Continuar(janela);
            // Until it is closed, or shows the next report: the window can be hidden and shown
            // again between two looks.
            EsperarAte([&] {
                return !Visivel(janela) || !MesmoRelatorio(LerRelatorio(janela), vistos.back());
            });
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

} // namespace teste
