// The Solutions Center: the one window through which every failure of the framework and of the
// wizard reaches the user, with the program, the module, the problem, the files involved, a
// suggested solution and a help record that its Help button launches.
//
// How it works: one window serves the whole run. TCentralSolucoesDoPrograma creates it hidden at
// start-up and destroys it at the end; MostrarCentralSolucoes refills it for each report and
// shows it modally. A report asked for on another thread is shown on the main thread, which owns
// the window, while the asking thread waits; when another report is on screen at that moment, the
// asking thread waits for it to be closed first. The layout is the window's template; only the
// height follows the solution text.
#pragma once

#include "fileops/Ajuda.h"
#include "ui/Form.h"

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

namespace kt {

// The window's own texts.
namespace textos_central {
inline constexpr std::wstring_view kTitulo = L"Central de Soluções";
inline constexpr std::wstring_view kUtilitarios = L"Utilitários Vendrel";
inline constexpr std::wstring_view kContinuar = L"&Continuar";
inline constexpr std::wstring_view kDicaContinuar = L"Continuar a operação atual";
inline constexpr std::wstring_view kAjuda = L"&Ajuda";
inline constexpr std::wstring_view kDicaAjuda = L"Exibir ajuda da solução";
inline constexpr std::wstring_view kSobre = L"&?";
inline constexpr std::wstring_view kDicaSobre = L"Exibir ajuda sobre a Central de Soluções";
} // namespace textos_central

// How long the hints with the full texts stay up while a report is shown.
inline constexpr int kPausaDicasCentral = 50000;

// The heights in pixels at 96 dots per inch, scaled for the screen: with H the height of the
// solution text, the window is H + 215 high, the frame H + 100, and the buttons stand at H + 151.
// Everything else is where the template puts it.
inline constexpr int kAlturaJanelaCentral = 215;
inline constexpr int kAlturaMolduraCentral = 100;
inline constexpr int kTopoBotoesCentral = 151;

struct TRelatorio {
    std::wstring Modulo;
    std::wstring Problema;
    std::wstring Arquivos;
    std::wstring Solucao;
    const TRegistroAjuda* Ajuda = nullptr;
};

class TfrmCentralSolucoes : public ui::Form {
public:
    TfrmCentralSolucoes();

    // Sets every text, the layout and the report's help record; shows nothing. Each report
    // overwrites all that the previous one set. The first one also makes the fonts, icons and
    // actions of the window, which start-up leaves for it.
    void Preencher(const TRelatorio& relatorio);
    // Shows the filled window modally until the user closes it; meanwhile hints stay up for
    // kPausaDicasCentral milliseconds. The application's hint pause is the same afterwards.
    void Exibir();

    const TRegistroAjuda& AjudaDoRelatorio() const { return ajudaRelatorio_; }
    // Help about the Solutions Center itself, read once when the window is made.
    const TRegistroAjuda& AjudaPropria() const { return ajudaPropria_; }

private:
    void PrepararControles();
    void PreencherLinha(int id, std::wstring_view prefixo, std::wstring_view valor,
                        std::wstring_view seVazio);
    int AlturaDaSolucao() const;
    void Dispor();
    void MudarAltura(int id, int altura) const;
    void MudarTopo(int id, int topo) const;

    TRegistroAjuda ajudaRelatorio_{};
    TRegistroAjuda ajudaPropria_{};
    // The fonts, icons and actions that only a report shows are made for the first one.
    bool preparada_ = false;
};

// The Solutions Center of the program's run: made hidden by the constructor, on the main thread
// right after ui::Application::Initialize(), and destroyed by the destructor.
class TCentralSolucoesDoPrograma {
public:
    TCentralSolucoesDoPrograma();
    ~TCentralSolucoesDoPrograma();
    TCentralSolucoesDoPrograma(const TCentralSolucoesDoPrograma&) = delete;
    TCentralSolucoesDoPrograma& operator=(const TCentralSolucoesDoPrograma&) = delete;

private:
    std::unique_ptr<TfrmCentralSolucoes> janela_;
};

// The program's Solutions Center window; null outside the life of TCentralSolucoesDoPrograma.
TfrmCentralSolucoes* CentralSolucoesDoPrograma();

// Shows a report and returns when the user has closed it: true then, false when anything failed
// while filling or showing the window (also when no window was made, or when the main thread asks
// while it is already showing a report). Module, problem and files are short strings, cut to 255
// characters; blank values show "Não Informado" ("Nenhum arquivo envolvido" for the files). No
// help record, or one of kind 0, disables the Help button. The lock, when given, is held from
// before the window is filled until after it is hidden. Callable from any thread; never throws.
bool MostrarCentralSolucoes(std::wstring_view modulo, std::wstring_view problema,
                            std::wstring_view arquivos, std::wstring_view solucao,
                            const TRegistroAjuda* ajuda, CRITICAL_SECTION* trava) noexcept;

} // namespace kt
