#include "core/formularios/Assistente.h"

#include "core/formularios/TextosAssistente.h"
#include "fileops/Texto.h"
#include "resources/AssistenteIds.h"
#include "resources/Imagens.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "ui/Glyphs.h"

#include <utility>

namespace kt {
namespace {

using namespace textos_assistente;

// The scenes' templates in page order (a scene's control id is its template id).
constexpr std::array<int, kNumeroDeCenas> kModelosDasCenas = {
    IDC_cenaIniciar, IDC_cenaConfigurar, IDC_cenaDesinstalar, IDC_cenaLicenca,
    IDC_cenaOpcoes,  IDC_cenaOQue,       IDC_cenaInstala,     IDC_cenaSobre,
};

// Where the scenes stand in the window's template, in dialog units: below the banner.
constexpr RECT kAreaDasCenas = {0, 32, 320, 232};

// A scene's title: a black label with a navy one over it, one pixel up and to the left. Both
// carry the text; the navy label draws the black one's text as its shadow, so that one window
// shows the title and screen readers read it once. The scene itself is named by its title, which
// readers announce when the focus enters it.
struct TTitulo {
    int cena;
    int preto;
    int azul;
    const wchar_t* texto;
};

constexpr std::array<TTitulo, 7> kTitulos = {{
    {IDC_cenaIniciar, IDC_lblCarregando1, IDC_lblCarregando2, kCarregando},
    {IDC_cenaConfigurar, IDC_lblOperacao1, IDC_lblOperacao2, kEscolhaUmaOperacao},
    {IDC_cenaDesinstalar, IDC_lblDesinstalando1, IDC_lblDesinstalando2, kDesinstalando},
    {IDC_cenaLicenca, IDC_lblLicenca1, IDC_lblLicenca2, kLicencaDeUso},
    {IDC_cenaOpcoes, IDC_lblOpcoesInstalacao1, IDC_lblOpcoesInstalacao2, kOpcoesDeInstalacao},
    {IDC_cenaOQue, IDC_lblComponentes1, IDC_lblComponentes2, kComponentesDoPrograma},
    {IDC_cenaSobre, IDC_lblTituloSobre1, IDC_lblTituloSobre2, kSobre},
}};

// The banner drawn for a screen of so many dots per inch; a screen between two gets the smaller.
struct TFaixa {
    int pontosPorPolegada;
    int bitmap;
};
constexpr std::array<TFaixa, 3> kFaixas = {{
    {96, IDB_FAIXA},
    {144, IDB_FAIXA144},
    {192, IDB_FAIXA192},
}};

constexpr COLORREF kPreto = RGB(0, 0, 0);
// The banner's own background, around the picture where the window is wider than it.
constexpr COLORREF kFundoDaFaixa = RGB(24, 48, 120);
constexpr COLORREF kAzulMarinho = RGB(0, 0, 128);
constexpr int kPontosDoTitulo = 12;

} // namespace

TfrmAssistente::TfrmAssistente(TConteudoDescricao conteudo)
    : ui::Form(IDD_frmAssistente), Descricao(Handle(), std::move(conteudo)) {
    CriarAcoes();
    PrepararControles();
    CriarCenas();
    AplicarTextos();
    SelecionarCena(cenaIniciar);
}

// A scene is made when it is first shown or one of its controls is first needed: start-up shows
// two of the eight, and a run rarely more than five. Made late, it is prepared as if it had been
// made with the window: its texts, its actions and, once start-up has applied it, the
// configuration.
void TfrmAssistente::CriarCenas() {
    RECT area = kAreaDasCenas;
    MapDialogRect(Handle(), &area);
    for (int i = 0; i < kNumeroDeCenas; ++i)
        Scenes().AddOnDemand(kModelosDasCenas[i], area,
                             [this, i](HWND) { PrepararCena(static_cast<TCena>(i)); });
}

HWND TfrmAssistente::Cena(TCena cena) {
    return Scenes().Make(kModelosDasCenas[cena]);
}

HWND TfrmAssistente::CenaFeita(TCena cena) const {
    return Scenes().Made(kModelosDasCenas[cena]);
}

void TfrmAssistente::PrepararControles() {
    SetIcon(IDI_PONTILHA);
    SetBackgroundColor(IDC_imgFaixa, kFundoDaFaixa);
    ui::Picture(Item(IDC_imgFaixa)).SetBitmap(ui::Glyphs::Bitmap(FaixaDaTela()));
}

void TfrmAssistente::PrepararCena(TCena cena) {
    for (const TTitulo& titulo : kTitulos) {
        if (titulo.cena != kModelosDasCenas[cena])
            continue;
        SetLabelFont(titulo.azul, kPontosDoTitulo, true);
        SetLabelColor(titulo.azul, kAzulMarinho);
        SetLabelShadow(titulo.azul, kPreto);
        ui::Label(Item(titulo.preto)).SetVisible(false);
    }
    switch (cena) {
    case cenaDesinstalar:
        // Uninstall runs to its end without a point at which it could stop.
        ui::Button(Item(IDC_bitCancelar)).SetEnabled(false);
        // The check mark that uninstall copies beside each finished step, drawn at the size of
        // the small pictures that show it rather than scaled down from the template's large icon.
        ui::Picture(Item(IDC_imgCHK))
            .SetIcon(ui::Glyphs::Icon(IDI_CONCLUIDO, GetSystemMetrics(SM_CXSMICON)));
        break;
    case cenaOpcoes:
        ui::Edit(Item(IDC_txtDir)).SetMaxLength(static_cast<int>(kTamanhoMaximoDoDiretorio));
        break;
    case cenaOQue:
        ui::CheckList(Item(IDC_chkOQue)).Setup();
        SetOnRelease(IDC_chkOQue, [this] { NovaSelecao(); });
        break;
    default:
        break;
    }
    AplicarTextosDaCena(cena);
    if (configurado_)
        AplicarConfiguracaoDaCena(cena);
}

void TfrmAssistente::AplicarTextos() {
    SetCaption(kTituloDaJanela);
    for (int i = 0; i < kNumeroDeCenas; ++i)
        if (CenaFeita(static_cast<TCena>(i)))
            AplicarTextosDaCena(static_cast<TCena>(i));
}

void TfrmAssistente::AplicarTextosDaCena(TCena cena) {
    HWND janela = CenaFeita(cena);
    for (const TTitulo& titulo : kTitulos) {
        if (titulo.cena != kModelosDasCenas[cena])
            continue;
        ui::Label(Item(titulo.preto)).SetText(titulo.texto);
        ui::Label(Item(titulo.azul)).SetText(titulo.texto);
        SetWindowTextW(janela, titulo.texto);
    }
    const std::pair<int, const wchar_t*> textos[] = {
        {IDC_lblInstrucoes, kInstrucoes},
        {IDC_textoInstalar, kInstalarReinstalar},
        {IDC_textoAlterar, kAlterarComponentes},
        {IDC_textoDesinstalar, kDesinstalar},
        {IDC_lblArquivos, kRemovendoArquivos},
        {IDC_lblDirs, kRemovendoDiretorios},
        {IDC_lblAtalhos, kRemovendoAtalhos},
        {IDC_lblRegistro, kRemovendoRegistro},
        {IDC_bitCancelar, kSair},
        {IDC_lblOBS, L""},
        {IDC_lblPergunta, kPergunta},
        {IDC_optSim, kRespostaSim},
        {IDC_optNao, kRespostaNao},
        {IDC_lblOpcoes, kSelecioneOpcoes},
        {IDC_chkCompacta, kInstalacaoCompacta},
        {IDC_lblInstrucoesDir, kEscolhaDiretorio},
        {IDC_lblSelecione, kSelecioneComponentes},
    };
    for (const auto& [controle, texto] : textos)
        if (GetDlgItem(janela, controle))
            ui::Control(Item(controle)).SetText(texto);
    VincularAcoes(cena);
}

int TfrmAssistente::FaixaDaTela() {
    const int pontos = Scale(96);
    int escolhida = kFaixas.front().bitmap;
    for (const TFaixa& faixa : kFaixas)
        if (faixa.pontosPorPolegada <= pontos)
            escolhida = faixa.bitmap;
    return escolhida;
}

void TfrmAssistente::VincularAcoes(TCena cena) {
    const std::pair<int, const ui::Action*> botoes[] = {
        {IDC_bitSobre, &actSobre},
        {IDC_botaoSairConfigurar, &actSair},
        {IDC_bitCancelarLicenca, &actSair},
        {IDC_botaoContinuarLicenca, &actContinuarLicenca},
        {IDC_chkAvancado, &actAvancado},
        {IDC_bitProcurar, &actProcurarDir},
        {IDC_botaoVoltarOpcoes, &actVoltarOpcoes},
        {IDC_bitCancelarOpcoes, &actSair},
        {IDC_botaoVoltarOQue, &actVoltarOQue},
        {IDC_botaoCancelarOQue, &actSair},
        {IDC_botaoInstalarOQue, &actInstalarOQue},
        {IDC_BitBtn9, &actSairDaCopia},
        {IDC_bitVoltar, &actVoltarSobre},
        {IDC_bitCancelarSobre, &actSair},
    };
    HWND janela = CenaFeita(cena);
    for (const auto& [botao, acao] : botoes)
        if (GetDlgItem(janela, botao))
            Bind(botao, *acao);
    if (cena == cenaConfigurar) {
        Bind(IDC_botaoInstalar, actReinstalar, true);
        Bind(IDC_botaoAlterar, actAlterarComponentes, true);
        Bind(IDC_botaoDesinstalar, actDesinstalar, true);
    }
    if (cena == cenaOpcoes)
        AlternarAvancado();
}

void TfrmAssistente::SelecionarCena(TCena cena) {
    HWND mostrada = Cena(cena);
    for (int i = 0; i < kNumeroDeCenas; ++i)
        if (HWND janela = CenaFeita(static_cast<TCena>(i)))
            ShowWindow(janela, janela == mostrada ? SW_SHOW : SW_HIDE);
    FocusFirstControl(mostrada);
}

TCena TfrmAssistente::CenaAtual() const {
    for (int i = 0; i < kNumeroDeCenas; ++i)
        if (HWND janela = CenaFeita(static_cast<TCena>(i)); janela && ui::Control(janela).Visible())
            return static_cast<TCena>(i);
    return cenaIniciar;
}

bool TfrmAssistente::ConfirmarCancelamento() {
    return ui::Application::ShowMessageBox(kCancelarInstalacao, kConfirmacao,
                                           MB_YESNO | MB_ICONQUESTION) != IDNO;
}

bool TfrmAssistente::CloseQuery() {
    if (copia_)
        return PerguntarSeParaCopia();
    // The removal runs to its end, and the uninstall closes the window itself.
    if (remocao_)
        return false;
    return PodeFechar || ConfirmarCancelamento();
}

bool TfrmAssistente::OnMessage(UINT msg, WPARAM wParam, LPARAM, LRESULT& result) {
    if (msg == WM_TIMER && wParam == kRelogioDaTela) {
        AoRelogioDaTela();
        result = 0;
        return true;
    }
    if (msg != kMensagemIniciarAssistente)
        return false;
    // Start-up fills the description's lists: a second run would add every row again.
    if (!std::exchange(iniciado_, true))
        IniciarAssistente();
    result = 0;
    return true;
}

} // namespace kt
