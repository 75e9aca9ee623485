// The wizard's start-up: the handler of the start message, which inspects the system, fills the
// installation description and applies it to the scenes.
#include "core/formularios/Assistente.h"

#include "core/formularios/DiretoriosDoSistema.h"
#include "core/formularios/TextosAssistente.h"
#include "fileops/DiarioDeInstalacao.h"
#include "fileops/ServicosDeJanela.h"
#include "resources/AssistenteIds.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "base/Exception.h"

namespace kt {
namespace {

bool CaminhoAbsoluto(const std::wstring& caminho) {
    return (caminho.size() >= 2 && caminho[1] == L':') ||
           (!caminho.empty() && (caminho[0] == L'\\' || caminho[0] == L'/'));
}

} // namespace

void TfrmAssistente::IniciarAssistente() {
    try {
        SelecionarCena(cenaIniciar);
        PodeFechar = false;
        AvancarCarregamento(30);
        Ajuda = AjudaSemArquivo(kContextoPadrao);
        AvancarCarregamento(35);
        LerDiretorios();
        AvancarCarregamento(40);
        Descricao.PreencherDescricao(DiretorioDoPrograma);
        DiretorioEscolhido = DiretorioDoPrograma;
        InstaladoPeloDiario();
        AvancarCarregamento(60);
        AplicarTextos();
        AvancarCarregamento(85);
        AplicarConfiguracao();
        AvancarCarregamento(90);
        CarregarLicenca();
        AvancarCarregamento(95);
        AvancarCarregamento(100);
        SelecionarCena(cenaConfigurar);
    } catch (...) {
        erroDeInicio_ = std::current_exception();
        namespace textos = textos_assistente;
        Relatar(textos::kModuloDoAssistente, textos::kErroNaInicializacao, L"",
                textos::kSolucaoErroNaInicializacao, &Ajuda, nullptr);
        PodeFechar = true;
        EndModal(ui::mrCancel);
    }
}

// The loading page shows its progress; a click or a close waits in the queue until start-up is
// over, so that nothing runs in the middle of a step.
void TfrmAssistente::AvancarCarregamento(int percentual) {
    ui::Gauge(Item(IDC_Progresso)).SetPosition(percentual);
    ui::Application::ProcessPaintMessages();
}

// An uninstall killed halfway has deleted the start page that marks the product installed; the
// diary, which goes last, still does, so that running the installed copy again finishes the job.
void TfrmAssistente::InstaladoPeloDiario() {
    TConfiguracaoInstalacao c = Descricao.Configuracao();
    if (c.Instalado || !LerDiario(DiretorioDoPrograma))
        return;
    c.Instalado = true;
    Descricao.DefinirConfiguracao(c);
}

void TfrmAssistente::LerDiretorios() {
    DiretorioDoWindows = LerDiretorioDoWindows();
    DiretorioDoPrograma = LerDiretorioDoPrograma();
    DiretorioDoSistema = LerDiretorioDoSistema();
    DiretorioProgramFiles = LerDiretorioProgramFiles();
}

void TfrmAssistente::AplicarConfiguracao() {
    configurado_ = true;
    const TConfiguracaoInstalacao& c = Descricao.Configuracao();
    if (!c.TituloDaJanela.empty())
        SetCaption(c.TituloDaJanela);
    for (int i = 0; i < kNumeroDeCenas; ++i)
        if (CenaFeita(static_cast<TCena>(i)))
            AplicarConfiguracaoDaCena(static_cast<TCena>(i));
}

void TfrmAssistente::AplicarConfiguracaoDaCena(TCena cena) {
    const TConfiguracaoInstalacao& c = Descricao.Configuracao();
    // The label beside each operation button looks as available as the button.
    const auto habilitar = [this](int botao, int rotulo, bool habilitado) {
        ui::Button(Item(botao)).SetEnabled(habilitado);
        ui::Label(Item(rotulo)).SetEnabled(habilitado);
    };
    switch (cena) {
    case cenaIniciar:
        if (!c.Instrucoes.empty())
            ui::Label(Item(IDC_lblInstrucoes)).SetText(c.Instrucoes);
        break;
    case cenaConfigurar:
        habilitar(IDC_botaoAlterar, IDC_textoAlterar, c.Instalado && c.PermiteAlterar);
        habilitar(IDC_botaoDesinstalar, IDC_textoDesinstalar, c.Instalado);
        if (c.Instalado && !c.PermiteReinstalar)
            habilitar(IDC_botaoInstalar, IDC_textoInstalar, false);
        break;
    case cenaLicenca:
        if (!c.ObservacaoLicenca.empty())
            ui::Label(Item(IDC_lblOBS)).SetText(c.ObservacaoLicenca);
        break;
    case cenaOpcoes:
        for (int i = 0; i < kNumeroDeOpcoes; ++i) {
            const ui::CheckBox caixa(Item(kCaixasDasOpcoes[i]));
            caixa.SetVisible(c.Opcoes[i].Visivel);
            caixa.SetChecked(c.Opcoes[i].Marcada);
            caixa.SetText(c.Opcoes[i].Legenda);
        }
        ui::Edit(Item(IDC_txtDir)).SetText(DiretorioProgramFiles + c.NomeDoDiretorioPadrao);
        ui::CheckBox(Item(IDC_chkCompacta)).SetEnabled(c.PermiteCompacta);
        break;
    default:
        break;
    }
}

void TfrmAssistente::CarregarLicenca() {
    TConfiguracaoInstalacao c = Descricao.Configuracao();
    if (c.ArquivoDeLicenca.empty() && c.ArquivoDeLicencaAlternativo.empty())
        return;
    if (CarregarArquivoDeLicenca(c.ArquivoDeLicenca))
        return;
    c.ArquivoDeLicenca.clear();
    Descricao.DefinirConfiguracao(c);
    if (CarregarArquivoDeLicenca(c.ArquivoDeLicencaAlternativo))
        return;
    c.ArquivoDeLicencaAlternativo.clear();
    Descricao.DefinirConfiguracao(c);
}

// A licence named without a directory lies beside the program, wherever it was started from.
bool TfrmAssistente::CarregarArquivoDeLicenca(const std::wstring& nome) {
    if (nome.empty())
        return false;
    const ui::RichEdit licenca(Item(IDC_Licenca));
    try {
        licenca.LoadFromFile(CaminhoAbsoluto(nome) ? nome : DiretorioDoPrograma + nome);
        return true;
    } catch (const base::Exception&) {
        licenca.Clear();
        return false;
    }
}

} // namespace kt
