// The installation seen from the wizard: the copy worker's start with what it reads, the copying
// page that it drives, a close while it runs, and the end of the wizard once it has ended.
#include "core/formularios/Assistente.h"

#include "core/formularios/TextosAssistente.h"
#include "fileops/Caminhos.h"
#include "fileops/Processos.h"
#include "fileops/ServicosDeJanela.h"
#include "fileops/Texto.h"
#include "resources/AssistenteIds.h"
#include "ui/Application.h"
#include "ui/Controls.h"

#include <tuple>
#include <utility>

namespace kt {

namespace {

namespace textos = textos_assistente;

// How often a running worker's page is painted: about as often as the eye can tell.
constexpr UINT kIntervaloDoRelogio = 40;

} // namespace

TDiretoriosDestino TfrmAssistente::Destinos() const {
    return {DiretorioDoWindows, DiretorioDoSistema, DiretorioEscolhido};
}

void TfrmAssistente::IniciarCopia() {
    // One run at a time: a second click that waited in the queue starts nothing.
    if (copia_)
        return;
    const TConfiguracaoInstalacao& c = Descricao.Configuracao();
    TDadosDaCopia dados;
    dados.Destinos = Destinos();
    dados.DiretorioDoPrograma = DiretorioDoPrograma;
    dados.Programa = ui::Application::ExePath();
    dados.NumeroDeDiscos = c.NumeroDeDiscos;
    dados.ConferirDiscos = c.ConferirDiscos;
    dados.ConferirPrimeiroDisco = c.ConferirPrimeiroDisco;
    dados.IdentificacaoDoDisco = c.IdentificacaoDoDisco;
    if (c.ConferirDiscos) {
        if (!MarcaDeDisco)
            MarcaDeDisco = std::make_unique<TMarcaDeDisco>();
        dados.MarcaDeDisco = MarcaDeDisco.get();
    }
    const std::array<TRotinaProduto, kNumeroDeOpcoes> opcoes = {Rotinas.Opcao1, Rotinas.Opcao2,
                                                                Rotinas.Opcao3};
    for (int i = 0; i < kNumeroDeOpcoes; ++i) {
        if (c.Opcoes[i].Marcada && opcoes[i])
            dados.Opcoes[i] = opcoes[i];
    }
    if (Rotinas.RegistrarProduto)
        dados.RegistrarProduto = Rotinas.RegistrarProduto;
    if (Rotinas.AoFinalizar)
        dados.AoFinalizar = Rotinas.AoFinalizar;
    dados.Ajuda = Ajuda;

    fecharAoTerminar_ = false;
    ui::Button(Item(IDC_BitBtn9)).SetEnabled(true);
    copia_ = TTrabalho::Iniciar<TCopiaDeArquivos>(
        std::make_unique<TCopiaDeArquivos>(static_cast<TJanelaDaCopia&>(*this), std::move(dados)),
        [this](TCopiaDeArquivos& copia) { AoTerminarCopia(copia); });
    IniciarRelogioDaTela();
}

// A close that arrives while a question of the worker is up is asked once that question is
// answered; the worker is held from now on, so that no further step of it comes up first.
void TfrmAssistente::CloseRequested() {
    if (copia_ && !PodeFechar)
        copia_->Pausar();
}

// A close while the worker runs. Before every file is in place the user is asked whether to stop,
// with the worker held meanwhile; after that there is nothing left to stop. Either way the window
// stays until the worker has ended, and then closes (AoTerminarCopia).
bool TfrmAssistente::PerguntarSeParaCopia() {
    if (!PodeFechar) {
        copia_->Pausar();
        const bool parar = ConfirmarCancelamento();
        if (!copia_) {
            // The worker ended while the question was up, and its end has decided already.
            return PodeFechar || parar;
        }
        if (parar)
            copia_->Parar();
        copia_->Continuar();
        if (!parar)
            return false;
    } else {
        // Every file was in place before the question came: the held worker finishes.
        copia_->Continuar();
    }
    fecharAoTerminar_ = true;
    ui::Button(Item(IDC_BitBtn9)).SetEnabled(false);
    return false;
}

// The one place that decides what follows a run, from its outcome.
void TfrmAssistente::AoTerminarCopia(TCopiaDeArquivos& copia) {
    copia_ = nullptr;
    PararRelogioDaTela();
    copia.PintarTela();
    ui::Animation(Item(IDC_Animacao)).Stop();
    ErroDeDiretorio = copia.Fim() == TFimDaCopia::DiretorioNaoCriado;
    switch (copia.Fim()) {
    case TFimDaCopia::Cancelada:
    case TFimDaCopia::EscritaFalhou:
        // Nothing of this run is left to finish.
        PodeFechar = true;
        EndModal(ui::mrCancel);
        return;
    case TFimDaCopia::DiretorioNaoCriado:
        // Back to the options, where the user may choose another directory.
        if (fecharAoTerminar_) {
            PodeFechar = true;
            EndModal(ui::mrCancel);
        } else {
            SelecionarCena(cenaOpcoes);
        }
        return;
    case TFimDaCopia::Concluida:
    case TFimDaCopia::DiscoRecusado:
    case TFimDaCopia::ErroNosArquivos:
    case TFimDaCopia::ErroNoPasso:
        Terminar();
        return;
    }
}

// What follows an installation that ran to its end: the product is installed here.
void TfrmAssistente::Terminar() {
    TConfiguracaoInstalacao c = Descricao.Configuracao();
    c.Instalado = true;
    Descricao.DefinirConfiguracao(c);
    if (c.GuardarDescricao)
        GuardarDescricao();
    PodeFechar = true;
    if (!c.ProgramaAoTerminar.empty())
        ExecutarProgramaAoTerminar(DiretorioDoPrograma + c.ProgramaAoTerminar);
    if (c.ReiniciarAoTerminar)
        Reiniciar();
    EndModal(ui::mrOk);
}

// The page of a running worker is painted at the eye's pace; the worker never waits for it.
void TfrmAssistente::IniciarRelogioDaTela() {
    SetTimer(Handle(), kRelogioDaTela, kIntervaloDoRelogio, nullptr);
}

void TfrmAssistente::PararRelogioDaTela() {
    KillTimer(Handle(), kRelogioDaTela);
}

void TfrmAssistente::AoRelogioDaTela() {
    if (copia_)
        copia_->PintarTela();
    else if (remocao_)
        remocao_->PintarTela();
}

// The description itself as a file row of the installation, kept in the installation directory
// under the description's name.
void TfrmAssistente::GuardarDescricao() {
    const std::wstring nome(NomeDe(NomeDescricao));
    TListaCampos campos;
    campos[coluna_arquivo::kNaoLida] = L"0";
    campos[coluna_arquivo::kNome] = nome;
    campos[coluna_arquivo::kEstado] = kSim;
    Descricao.Arquivos().Adicionar(Juntar(campos));
    Descricao.DefinirArquivo(DiretorioEscolhido + nome);
    Descricao.Gravar();
}

void TfrmAssistente::ExecutarProgramaAoTerminar(const std::wstring& programa) {
    if (!ExecutarEEsperar(programa, {}, SW_SHOW, kEsperaProcessandoTudo))
        Relatar(textos::kModuloDoAssistente, {}, Curta(programa), {}, &Ajuda, nullptr);
}

void TfrmAssistente::Reiniciar() {
    if (ui::Application::ShowMessageBox(textos::kReiniciar, textos::kConfirmacao, MB_YESNO) !=
        IDYES)
        return;
    if (!ReiniciarComputador())
        ui::Application::ShowMessageBox(textos::kReinicioRecusado, textos::kInformacao,
                                        MB_OK | MB_ICONINFORMATION);
}

TListaLinhas& TfrmAssistente::LinhasDeDiretorio() {
    return Descricao.Diretorios();
}

TListaLinhas& TfrmAssistente::LinhasDeArquivo() {
    return Descricao.Arquivos();
}

void TfrmAssistente::DefinirPodeFechar() {
    PodeFechar = true;
}

void TfrmAssistente::MostrarMensagemFinal(const wchar_t* mensagem) {
    ui::Application::ShowMessageBox(mensagem, textos::kInformacao, MB_OK | MB_ICONINFORMATION);
}

void TfrmAssistente::MostrarErro(std::exception_ptr erro) {
    ui::Application::HandleException(erro);
}

void TfrmAssistente::MostrarTela(const TTela& tela) {
    if (remocao_) {
        ui::Label(Item(IDC_lblArquivo)).SetText(tela.Destino);
        const ui::Gauge progresso(Item(IDC_Gauge1));
        progresso.SetPosition(tela.Geral);
        progresso.Update();
        return;
    }
    ui::Gauge(Item(IDC_ProgressoGeral)).SetPosition(tela.Geral);
    ui::Gauge(Item(IDC_ProgressoAtual)).SetPosition(static_cast<int>(tela.Atual));
    // The paths are cut at the page's edge: their hints hold them whole.
    const std::tuple<int, const std::wstring*, bool> rotulos[] = {
        {IDC_lblStatus, &tela.Status, false},
        {IDC_lblCopia, &tela.Origem, true},
        {IDC_lblPara, &tela.Destino, true}};
    for (const auto& [id, texto, comDica] : rotulos) {
        const ui::Label rotulo(Item(id));
        if (texto->empty() || rotulo.Text() == *texto)
            continue;
        rotulo.SetText(*texto);
        if (comDica)
            SetHint(rotulo.Handle(), *texto);
        // Painted now: while the worker hands over step after step, the label's turn to paint
        // would wait for a pause between them.
        RedrawWindow(rotulo.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

} // namespace kt
