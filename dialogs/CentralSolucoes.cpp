#include "dialogs/CentralSolucoes.h"

#include "base/Concat.h"
#include "dialogs/Aparencia.h"
#include "dialogs/TextosDialogos.h"
#include "fileops/AbrirAjuda.h"
#include "fileops/Caminhos.h"
#include "fileops/Texto.h"
#include "fileops/TextosFramework.h"
#include "resources/CentralSolucoesIds.h"
#include "resources/Imagens.h"
#include "ui/Application.h"
#include "base/Exception.h"
#include "ui/Glyphs.h"
#include "base/Owned.h"

#include <cstring>
#include <utility>

namespace kt {

namespace {

constexpr int kPontosTitulo = 14;
constexpr int kPontosPrograma = 12;

TfrmCentralSolucoes* g_janela = nullptr;

int Px(int pixels96) {
    return ui::Form::Scale(pixels96);
}

// Set while no report is on screen: a thread that finds the window showing one waits for it.
// It lives as long as the process, so that no wait outlives it.
HANDLE JanelaLivre() {
    static const base::UniqueHandle livre(CreateEventW(nullptr, TRUE, TRUE, nullptr));
    return livre.Get();
}

// The window is taken for the length of a report.
class TJanelaOcupada {
public:
    TJanelaOcupada() { ResetEvent(JanelaLivre()); }
    ~TJanelaOcupada() { SetEvent(JanelaLivre()); }
    TJanelaOcupada(const TJanelaOcupada&) = delete;
    TJanelaOcupada& operator=(const TJanelaOcupada&) = delete;
};

// The file name, without directory, of the running executable.
std::wstring NomeDoPrograma() {
    return Texto(NomeDe(ui::Application::ExePath()));
}

class TPausaDeDicas {
public:
    explicit TPausaDeDicas(int pausa) : salva_(ui::Application::HintHidePause()) {
        ui::Application::SetHintHidePause(pausa);
    }
    ~TPausaDeDicas() { ui::Application::SetHintHidePause(salva_); }
    TPausaDeDicas(const TPausaDeDicas&) = delete;
    TPausaDeDicas& operator=(const TPausaDeDicas&) = delete;

private:
    int salva_;
};

enum class TDesfecho { Exibido, Ocupada };

// On the main thread: the report, unless the window is already showing one.
TDesfecho ExibirNaTarefaPrincipal(const TRelatorio& relatorio) {
    if (!g_janela)
        base::Throw(L"A Central de Soluções não foi criada.");
    if (g_janela->Modal())
        return TDesfecho::Ocupada;
    g_janela->Preencher(relatorio);
    g_janela->Exibir();
    return TDesfecho::Exibido;
}

// From another thread: the step runs on the main thread while this one waits, and waits again
// for as long as another report is on screen.
void ExibirDeOutraTarefa(const TRelatorio& relatorio) {
    for (;;) {
        TDesfecho desfecho = TDesfecho::Ocupada;
        ui::Application::RunOnMainThread([&] { desfecho = ExibirNaTarefaPrincipal(relatorio); });
        if (desfecho == TDesfecho::Exibido)
            return;
        WaitForSingleObject(JanelaLivre(), INFINITE);
    }
}

} // namespace

// The window is made at start-up, so that a report is possible when memory has run out; what only
// a report shows waits for the first one (a few small texts and system objects, as every report
// needs anyway).
TfrmCentralSolucoes::TfrmCentralSolucoes() : ui::Form(IDD_CENTRAL_SOLUCOES) {
    PreencherAjuda(ajudaPropria_, kContextoCentral);
    // The window keeps the focus of its last report; "&Continuar" gets it back each time it opens.
    SetActiveControl(IDC_bitContinuar);
    SetCaption(textos_central::kTitulo);
}

void TfrmCentralSolucoes::PrepararControles() {
    SetLabelFont(IDC_Titulo, kPontosTitulo, true, true);
    SetLabelFont(IDC_lblPrograma, kPontosPrograma, true, true);
    ui::Picture(Item(IDC_Icone)).SetIcon(ui::Glyphs::Icon(IDI_CENTRAL_SOLUCOES, Px(kIconeDialogo)));
    ui::Picture(Item(IDC_IconePRG)).SetIcon(LoadIconW(nullptr, IDI_APPLICATION));

    ui::Action continuar(
        Texto(textos_central::kContinuar), [this] { EndModal(ui::mrOk); },
        Texto(textos_central::kDicaContinuar));
    continuar.SetGlyph(IDI_PROSSEGUIR);
    Bind(IDC_bitContinuar, continuar);
    ui::Action ajuda(
        Texto(textos_central::kAjuda), [this] { AbrirAjuda(&ajudaRelatorio_); },
        Texto(textos_central::kDicaAjuda));
    ajuda.SetGlyph(IDI_SOBRE);
    Bind(IDC_bitAjuda, ajuda);
    Bind(
        IDC_BitBtn1, textos_central::kSobre, [this] { AbrirAjuda(&ajudaPropria_); },
        textos_central::kDicaSobre);
}

void TfrmCentralSolucoes::PreencherLinha(int id, std::wstring_view prefixo, std::wstring_view valor,
                                         std::wstring_view seVazio) {
    // Tested without its blanks, shown as given.
    const std::wstring texto = base::Concat({prefixo, Aparar(valor).empty() ? seVazio : valor});
    ui::Label(Item(id)).SetText(texto);
}

void TfrmCentralSolucoes::Preencher(const TRelatorio& relatorio) {
    if (!std::exchange(preparada_, true))
        PrepararControles();
    ui::Label(Item(IDC_lblPrograma)).SetText(NomeDoPrograma());
    const std::wstring_view naoInformado = TextoFramework(ids::kNaoInformado);
    PreencherLinha(IDC_lblModulo, TextoFramework(ids::kModulo), relatorio.Modulo, naoInformado);
    PreencherLinha(IDC_lblProblema, TextoFramework(ids::kProblema), relatorio.Problema,
                   naoInformado);
    PreencherLinha(IDC_lblArquivo, TextoFramework(ids::kArquivos), relatorio.Arquivos,
                   TextoFramework(ids::kNenhumArquivo));
    PreencherLinha(IDC_lblSolucao, TextoFramework(ids::kSolucao), relatorio.Solucao, naoInformado);
    // The one-line labels are cut at the window's edge; their hints carry the whole text.
    for (int id : {IDC_lblModulo, IDC_lblProblema, IDC_lblArquivo})
        SetHint(Item(id), ui::Label(Item(id)).Text());
    Dispor();

    std::memset(&ajudaRelatorio_, 0, sizeof ajudaRelatorio_);
    ajudaRelatorio_.Tamanho = kTamanhoRegistroAjuda;
    if (relatorio.Ajuda)
        std::memcpy(&ajudaRelatorio_, relatorio.Ajuda, sizeof ajudaRelatorio_);
    ui::Button(Item(IDC_bitAjuda)).SetEnabled(ajudaRelatorio_.Tipo != kAjudaNenhuma);

    SetItemText(IDC_bitContinuar, textos_central::kContinuar);
    SetItemText(IDC_bitAjuda, textos_central::kAjuda);
    SetCaption(textos_central::kTitulo);
    SetItemText(IDC_Titulo, textos_central::kUtilitarios);
}

// The height, in pixels, that the word-wrapped solution takes at its label's width.
int TfrmCentralSolucoes::AlturaDaSolucao() const {
    HWND rotulo = FindItem(IDC_lblSolucao);
    const std::wstring texto = ui::Label(rotulo).Text();
    const RECT modelo = ui::Control(rotulo).Bounds();
    HDC dc = GetDC(rotulo);
    HGDIOBJ anterior =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(rotulo, WM_GETFONT, 0, 0)));
    RECT area{0, 0, modelo.right - modelo.left, 0};
    DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &area,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_LEFT);
    SelectObject(dc, anterior);
    ReleaseDC(rotulo, dc);
    return area.bottom - area.top;
}

// The control keeps the rest of where the template put it.
void TfrmCentralSolucoes::MudarAltura(int id, int altura) const {
    const ui::Control controle(FindItem(id));
    RECT area = controle.Bounds();
    area.bottom = area.top + altura;
    controle.SetBounds(area);
}

void TfrmCentralSolucoes::MudarTopo(int id, int topo) const {
    const ui::Control controle(FindItem(id));
    RECT area = controle.Bounds();
    OffsetRect(&area, 0, topo - area.top);
    controle.SetBounds(area);
}

void TfrmCentralSolucoes::Dispor() {
    const int h = AlturaDaSolucao();
    MudarAltura(IDC_lblSolucao, h);
    MudarAltura(IDC_Bevel, h + Px(kAlturaMolduraCentral));
    for (int id : {IDC_bitContinuar, IDC_bitAjuda})
        MudarTopo(id, h + Px(kTopoBotoesCentral));
    RECT janela{};
    GetWindowRect(Handle(), &janela);
    SetWindowPos(Handle(), nullptr, 0, 0, janela.right - janela.left, h + Px(kAlturaJanelaCentral),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TfrmCentralSolucoes::Exibir() {
    const TJanelaOcupada ocupada;
    const TPausaDeDicas pausa(kPausaDicasCentral);
    if (Visible())
        Hide();
    CenterOnScreen();
    ShowModal();
    Hide();
}

TCentralSolucoesDoPrograma::TCentralSolucoesDoPrograma() {
    if (g_janela)
        base::Throw(L"A Central de Soluções já foi criada.");
    janela_ = std::make_unique<TfrmCentralSolucoes>();
    g_janela = janela_.get();
}

TCentralSolucoesDoPrograma::~TCentralSolucoesDoPrograma() {
    g_janela = nullptr;
}

TfrmCentralSolucoes* CentralSolucoesDoPrograma() {
    return g_janela;
}

bool MostrarCentralSolucoes(std::wstring_view modulo, std::wstring_view problema,
                            std::wstring_view arquivos, std::wstring_view solucao,
                            const TRegistroAjuda* ajuda, CRITICAL_SECTION* trava) noexcept {
    const base::OptionalLock travada(trava);
    try {
        const TRelatorio relatorio{Curta(modulo), Curta(problema), Curta(arquivos), Texto(solucao),
                                   ajuda};
        if (ui::Application::IsMainThread())
            return ExibirNaTarefaPrincipal(relatorio) == TDesfecho::Exibido;
        ExibirDeOutraTarefa(relatorio);
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace kt
