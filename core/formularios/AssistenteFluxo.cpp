// The flow between the wizard's scenes: the operation choice, about, licence, options and
// components (also as the change of the installed components), and the start of an installation.
#include "core/formularios/Assistente.h"

#include "core/formularios/TextosAssistente.h"
#include "dialogs/ServicosKT.h"
#include "fileops/Caminhos.h"
#include "fileops/Texto.h"
#include "resources/AssistenteIds.h"
#include "resources/Imagens.h"
#include "ui/Application.h"
#include "ui/Controls.h"

#include <utility>

namespace kt {
namespace {

using namespace textos_assistente;

// The copy animation plays its frames from the first to this one, over and over.
constexpr int kQuadroFinalDaAnimacao = 20;

ui::Action Acao(const wchar_t* legenda, int glifo, ui::Action::Handler executar) {
    ui::Action acao(legenda, executar);
    acao.SetGlyph(glifo);
    return acao;
}

} // namespace

void TfrmAssistente::CriarAcoes() {
    actReinstalar = Acao(kInstalarReinstalar, IDI_INSTALAR, [this] { Reinstalar(); });
    actAlterarComponentes =
        Acao(kAlterarComponentes, IDI_ALTERAR, [this] { AlterarComponentes(); });
    actDesinstalar = Acao(kDesinstalar, IDI_DESINSTALAR, [this] { Desinstalar(); });
    actSobre = Acao(kBotaoSobre, IDI_SOBRE, [this] { MostrarSobre(); });
    actVoltarSobre = Acao(kVoltar, IDI_VOLTAR, [this] { SelecionarCena(cenaConfigurar); });
    actSair = Acao(kCancelar, IDI_CANCELAR, [this] { Close(); });
    actContinuarLicenca = Acao(kContinuar, IDI_PROSSEGUIR, [this] { ContinuarLicenca(); });
    actAvancado = Acao(kOpcoesAvancadas, 0, [this] { AlternarAvancado(); });
    actProcurarDir = Acao(kProcurar, IDI_PASTA, [this] { ProcurarDiretorio(); });
    actVoltarOpcoes = Acao(kVoltar, IDI_VOLTAR, [this] { SelecionarCena(cenaLicenca); });
    // The glyphs of botaoProsseguir are those of the pictures imgProsseguir and imgInstalar.
    actContinuarOpcoes = Acao(kContinuar, IDI_PROSSEGUIR, [this] { ContinuarOpcoes(); });
    actInstalarOQue = Acao(kInstalar, IDI_INSTALAR, [this] { InstalarOQue(); });
    actVoltarOQue = Acao(kVoltar, IDI_VOLTAR, [this] { SelecionarCena(cenaOpcoes); });
    actSairDaCopia = Acao(kSair, IDI_CANCELAR, [this] { Close(); });
}

bool TfrmAssistente::TemLicenca() const {
    const TConfiguracaoInstalacao& c = Descricao.Configuracao();
    return !c.ArquivoDeLicenca.empty() || !c.ArquivoDeLicencaAlternativo.empty();
}

void TfrmAssistente::Reinstalar() {
    PreencherComponentes();
    MarcarComponentes(coluna_componente::kNormal, DiferenteDeNao);
    const bool licenca = TemLicenca();
    ui::Button(Item(IDC_botaoVoltarOpcoes)).SetVisible(licenca);
    SelecionarCena(licenca ? cenaLicenca : cenaOpcoes);
}

// One item per named component row. Each item remembers its row, so that a row without a name
// does not shift the states and descriptions of the rows after it.
void TfrmAssistente::PreencherComponentes() {
    const ui::CheckList lista(Item(IDC_chkOQue));
    lista.Clear();
    linhasDosItens_.clear();
    for (int linha = 0; linha < Descricao.Componentes().Contar(); ++linha) {
        const std::wstring nome = Descricao.Componentes().Campos(linha)[coluna_componente::kNome];
        if (nome.empty())
            continue;
        lista.Add(nome);
        linhasDosItens_.push_back(linha);
    }
}

void TfrmAssistente::MarcarComponentes(int coluna, bool (*marcado)(const std::wstring& valor)) {
    const ui::CheckList lista(Item(IDC_chkOQue));
    for (int item = 0; item < static_cast<int>(linhasDosItens_.size()); ++item) {
        const TListaCampos campos = Descricao.Componentes().Campos(linhasDosItens_[item]);
        lista.SetChecked(item, marcado(campos[coluna]));
    }
}

// The components as installed, a component counting as installed only where its row says exactly
// "sim"; the installation that follows goes into the directory that the options page holds, and
// the options page is not on the way back.
void TfrmAssistente::AlterarComponentes() {
    PreencherComponentes();
    MarcarComponentes(coluna_componente::kInstalado,
                      [](const std::wstring& valor) { return valor == kSim; });
    ui::Button(Item(IDC_botaoVoltarOQue)).SetVisible(false);
    SelecionarCena(cenaOQue);
}

void TfrmAssistente::MostrarSobre() {
    ui::Label(Item(IDC_lblSobre)).SetText(TextoSobre());
    SelecionarCena(cenaSobre);
}

void TfrmAssistente::ContinuarLicenca() {
    if (ui::RadioButton(Item(IDC_optSim)).Checked())
        SelecionarCena(cenaOpcoes);
    else if (ui::RadioButton(Item(IDC_optNao)).Checked())
        Close();
}

void TfrmAssistente::AlternarAvancado() {
    const bool avancado = ui::CheckBox(Item(IDC_chkAvancado)).Checked();
    Bind(IDC_botaoProsseguir, avancado ? actContinuarOpcoes : actInstalarOQue);
}

// The directory typed in can take the installation: not empty, a full path whatever the current
// directory (or the course would go somewhere relative to it, and the Uninstall entry and the
// shortcuts with it), and short enough that no path of the installation is longer than Windows
// allows. Otherwise the box keeps its text and the user is told.
bool TfrmAssistente::DiretorioInformado() {
    const std::wstring texto = ui::Edit(Item(IDC_txtDir)).Text();
    const TDiretoriosDestino destinos{DiretorioDoWindows, DiretorioDoSistema,
                                      ComDelimitador(texto)};
    const wchar_t* recusa = nullptr;
    if (Aparar(texto).empty())
        recusa = kDiretorioVazio;
    else if (!CaminhoCompleto(texto))
        recusa = kDiretorioIncompleto;
    else if (!CaminhosDaInstalacaoCabem(destinos, Descricao.Diretorios(), Descricao.Arquivos()))
        recusa = kDiretorioLongo;
    if (!recusa)
        return true;
    ui::Application::ShowMessageBox(recusa, kInformacao, MB_OK | MB_ICONINFORMATION);
    return false;
}

void TfrmAssistente::ContinuarOpcoes() {
    if (!DiretorioInformado())
        return;
    const bool compacta = ui::CheckBox(Item(IDC_chkCompacta)).Checked();
    MarcarComponentes(compacta ? coluna_componente::kCompacta : coluna_componente::kNormal,
                      DiferenteDeNao);
    SelecionarCena(cenaOQue);
}

void TfrmAssistente::ProcurarDiretorio() {
    const ui::Edit caixa(Item(IDC_txtDir));
    std::wstring escolhido;
    if (!ServicosKT::EscolherDiretorio(caixa.Text(), escolhido,
                                       static_cast<std::int32_t>(kTamanhoTextoCurto), 0, L""))
        return;
    // The box holds one character less than the browser may return: a choice that long did not
    // fit, and the browser may have cut it into another directory's name.
    if (escolhido.size() > kTamanhoMaximoDoDiretorio) {
        ui::Application::ShowMessageBox(kDiretorioLongo, kInformacao, MB_OK | MB_ICONINFORMATION);
        return;
    }
    caixa.SetText(escolhido);
}

void TfrmAssistente::NovaSelecao() {
    const int item = ui::CheckList(Item(IDC_chkOQue)).Selected();
    if (item < 0 || item >= static_cast<int>(linhasDosItens_.size()))
        return;
    const TListaCampos campos = Descricao.Componentes().Campos(linhasDosItens_[item]);
    ui::StatusBar(Item(IDC_sttPainel)).SetPanelText(0, campos[coluna_componente::kDescricao]);
}

void TfrmAssistente::InstalarOQue() {
    if (!DiretorioInformado())
        return;
    DiretorioEscolhido = ComDelimitador(ui::Edit(Item(IDC_txtDir)).Text());
    TConfiguracaoInstalacao c = Descricao.Configuracao();
    c.DiretorioDeInstalacao = DiretorioEscolhido;
    for (int i = 0; i < kNumeroDeOpcoes; ++i)
        c.Opcoes[i].Marcada = ui::CheckBox(Item(kCaixasDasOpcoes[i])).Checked();
    Descricao.DefinirConfiguracao(c);

    SelecionarCena(cenaInstala);
    const ui::Animation animacao(Item(IDC_Animacao));
    // Systems since Windows Vista carry no file-copy clip, and others one too short for these
    // frames; the framework brings one of its own.
    if (!animacao.OpenFileCopyClip() || !animacao.Play(kQuadroFinalDaAnimacao)) {
        animacao.OpenClip(IDA_COPIANDO);
        animacao.Play(kQuadroFinalDaAnimacao);
    }
    IniciarCopia();
}

} // namespace kt
