#include "dialogs/CentralSolucoes.h"

#include "fileops/AbrirAjuda.h"
#include "fileops/Texto.h"
#include "fileops/TextosFramework.h"
#include "resources/CentralSolucoesIds.h"
#include "resources/Imagens.h"
#include "ui/Application.h"
#include "ui/Exception.h"
#include "ui/Glyphs.h"
#include "ui/Owned.h"

#include <cstring>

namespace kt {

namespace {

// The rest of the layout, in pixels at 96 dots per inch.
constexpr int kLarguraJanela = 450;
constexpr int kMargem = 8;
constexpr int kIcone = 32;
constexpr int kLarguraBotaoSobre = 26;
constexpr int kAlturaBotaoSobre = 24;
constexpr int kTopoTitulo = 10;
constexpr int kAlturaTitulo = 28;
constexpr int kTopoMoldura = 46;
constexpr int kRecuo = 16;
constexpr int kTopoIconePrograma = 54;
constexpr int kTopoPrograma = 60;
constexpr int kAlturaPrograma = 24;
constexpr int kTopoLinhas = 92;
constexpr int kAlturaLinha = 16;
constexpr int kTopoSolucao = kTopoLinhas + 3 * kAlturaLinha;
constexpr int kLarguraBotao = 100;
constexpr int kAlturaBotao = 25;
constexpr int kEntreBotoes = 8;
// Whatever the solution's height, it ends inside the frame, and the buttons stand below it.
static_assert(kTopoSolucao <= kTopoMoldura + kAlturaMolduraCentral);
static_assert(kTopoMoldura + kAlturaMolduraCentral < kTopoBotoesCentral);

constexpr int kPontosTitulo = 14;
constexpr int kPontosPrograma = 12;

// A thread that asks while another report is on screen tries again after this pause.
constexpr DWORD kPausaCentralOcupada = 50;

TfrmCentralSolucoes* g_janela = nullptr;

int Px(int pixels96) {
    return ui::Form::Scale(pixels96);
}

std::wstring Texto(std::wstring_view texto) {
    return std::wstring(texto);
}

// The file name, without directory, of the running executable.
std::wstring NomeDoPrograma() {
    wchar_t caminho[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, caminho, MAX_PATH);
    const std::wstring completo = caminho;
    return completo.substr(completo.find_last_of(L"\\/") + 1);
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
        throw ui::Exception(L"A Central de Soluções não foi criada.");
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
        Sleep(kPausaCentralOcupada);
    }
}

} // namespace

TfrmCentralSolucoes::TfrmCentralSolucoes() : ui::Form(IDD_CENTRAL_SOLUCOES) {
    PreencherAjuda(ajudaPropria_, kContextoCentral);
    // The window keeps the focus of its last report; "&Continuar" gets it back each time it opens.
    SetActiveControl(IDC_bitContinuar);
    PrepararControles();
    Preencher({});
}

void TfrmCentralSolucoes::PrepararControles() {
    SetLabelFont(IDC_Titulo, kPontosTitulo, true, true);
    SetLabelFont(IDC_lblPrograma, kPontosPrograma, true, true);
    ui::Picture(Item(IDC_Icone)).SetIcon(ui::Glyphs::Icon(IDI_CENTRAL_SOLUCOES, Px(kIcone)));
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
    Bind(IDC_BitBtn1, ui::Action(
                          Texto(textos_central::kSobre), [this] { AbrirAjuda(&ajudaPropria_); },
                          Texto(textos_central::kDicaSobre)));
}

void TfrmCentralSolucoes::PreencherLinha(int id, std::wstring_view prefixo, std::wstring_view valor,
                                         std::wstring_view seVazio) {
    // Tested without its blanks, shown as given.
    const std::wstring texto =
        Texto(prefixo) + (Aparar(valor).empty() ? Texto(seVazio) : Texto(valor));
    ui::Label(Item(id)).SetText(texto);
}

void TfrmCentralSolucoes::Preencher(const TRelatorio& relatorio) {
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

    ui::Button(Item(IDC_bitContinuar)).SetText(Texto(textos_central::kContinuar));
    ui::Button(Item(IDC_bitAjuda)).SetText(Texto(textos_central::kAjuda));
    SetCaption(Texto(textos_central::kTitulo));
    ui::Label(Item(IDC_Titulo)).SetText(Texto(textos_central::kUtilitarios));
}

// The height, in pixels, that the word-wrapped solution takes at that width.
int TfrmCentralSolucoes::AlturaDaSolucao(int largura) const {
    HWND rotulo = Item(IDC_lblSolucao);
    const std::wstring texto = ui::Label(rotulo).Text();
    HDC dc = GetDC(rotulo);
    HGDIOBJ anterior =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(rotulo, WM_GETFONT, 0, 0)));
    RECT area{0, 0, largura, 0};
    DrawTextW(dc, texto.c_str(), static_cast<int>(texto.size()), &area,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_LEFT);
    SelectObject(dc, anterior);
    ReleaseDC(rotulo, dc);
    return area.bottom - area.top;
}

void TfrmCentralSolucoes::Posicionar(int id, int x, int y, int largura, int altura) const {
    ui::Control(Item(id)).SetBounds(RECT{x, y, x + largura, y + altura});
}

void TfrmCentralSolucoes::Dispor() {
    SetWindowPos(Handle(), nullptr, 0, 0, Px(kLarguraJanela), Px(kAlturaJanelaCentral),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT cliente{};
    GetClientRect(Handle(), &cliente);
    const int largura = cliente.right;
    const int margem = Px(kMargem);
    const int recuo = Px(kRecuo);
    const int larguraTexto = largura - 2 * recuo;
    const int h = AlturaDaSolucao(larguraTexto);

    Posicionar(IDC_Icone, margem, margem, Px(kIcone), Px(kIcone));
    Posicionar(IDC_Titulo, margem + Px(kIcone) + margem, Px(kTopoTitulo),
               largura - 2 * (margem + Px(kIcone) + margem), Px(kAlturaTitulo));
    Posicionar(IDC_BitBtn1, largura - margem - Px(kLarguraBotaoSobre), Px(kTopoTitulo),
               Px(kLarguraBotaoSobre), Px(kAlturaBotaoSobre));
    Posicionar(IDC_Bevel, margem, Px(kTopoMoldura), largura - 2 * margem,
               h + Px(kAlturaMolduraCentral));
    Posicionar(IDC_IconePRG, recuo, Px(kTopoIconePrograma), Px(kIcone), Px(kIcone));
    const int esquerdaPrograma = recuo + Px(kIcone) + margem;
    Posicionar(IDC_lblPrograma, esquerdaPrograma, Px(kTopoPrograma),
               largura - esquerdaPrograma - recuo, Px(kAlturaPrograma));
    int topo = Px(kTopoLinhas);
    for (int id : {IDC_lblModulo, IDC_lblProblema, IDC_lblArquivo}) {
        Posicionar(id, recuo, topo, larguraTexto, Px(kAlturaLinha));
        topo += Px(kAlturaLinha);
    }
    Posicionar(IDC_lblSolucao, recuo, Px(kTopoSolucao), larguraTexto, h);

    const int topoBotoes = h + Px(kTopoBotoesCentral);
    const int meio = largura / 2;
    Posicionar(IDC_bitContinuar, meio - Px(kEntreBotoes) / 2 - Px(kLarguraBotao), topoBotoes,
               Px(kLarguraBotao), Px(kAlturaBotao));
    Posicionar(IDC_bitAjuda, meio + Px(kEntreBotoes) / 2, topoBotoes, Px(kLarguraBotao),
               Px(kAlturaBotao));
    SetWindowPos(Handle(), nullptr, 0, 0, Px(kLarguraJanela), h + Px(kAlturaJanelaCentral),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

void TfrmCentralSolucoes::Exibir() {
    const TPausaDeDicas pausa(kPausaDicasCentral);
    if (Visible())
        Hide();
    CenterOnScreen();
    ShowModal();
    Hide();
}

TCentralSolucoesDoPrograma::TCentralSolucoesDoPrograma() {
    if (g_janela)
        throw ui::Exception(L"A Central de Soluções já foi criada.");
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
    const ui::OptionalLock travada(trava);
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
