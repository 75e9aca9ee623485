// The installation wizard: one fixed window whose client area shows one scene at a time below the
// banner. The launcher creates it, posts the start message and shows it modally; the handler of
// that message inspects the system, fills the installation description and shows the operation
// page. From there the user walks through licence, options and components to the copying page;
// or, run as the installed copy, uninstalls on the main thread (AssistenteDesinstalacao.cpp).
//
// The installation itself is the copy worker's (instalacao/ThreadCopia.h): the wizard hands it what
// it reads when it starts, and is the window through which it shows its progress, marks the rows
// and sets PodeFechar and ErroDeDiretorio. While the worker runs the window stays: a close asks
// whether to stop it and waits for its end.
#pragma once

#include "core/ArquivosIAC/ArquivoIAC.h"
#include "core/formularios/RotinasProduto.h"
#include "fileops/Ajuda.h"
#include "fileops/Texto.h"
#include "instalacao/MarcaDeDisco.h"
#include "instalacao/Desinstalacao.h"
#include "instalacao/ThreadCopia.h"
#include "resources/AssistenteIds.h"
#include "ui/Action.h"
#include "ui/Form.h"

#include <windows.h>

#include <array>
#include <atomic>
#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace kt {

// The message that starts the wizard inside its modal loop; its number is fixed.
inline constexpr UINT kMensagemIniciarAssistente = WM_USER + 1001;
static_assert(kMensagemIniciarAssistente == 2025);

// The scenes in page order; the index is what the code selects.
enum TCena : int {
    cenaIniciar,
    cenaConfigurar,
    cenaDesinstalar,
    cenaLicenca,
    cenaOpcoes,
    cenaOQue,
    cenaInstala,
    cenaSobre,
};
inline constexpr int kNumeroDeCenas = 8;

// The longest installation directory: with the delimiter that the wizard adds, it still fits the
// description's short string.
inline constexpr std::size_t kTamanhoMaximoDoDiretorio = kTamanhoTextoCurto - 1;

class TfrmAssistente : public ui::Form, private TJanelaDaCopia, private TJanelaDaDesinstalacao {
public:
    explicit TfrmAssistente(TConteudoDescricao conteudo);

    TArquivoIAC Descricao;
    TRotinasProduto Rotinas{};
    std::wstring NomeDescricao;
    // The working installation directory: first the program's, then the user's confirmed choice.
    std::wstring DiretorioEscolhido;
    std::wstring DiretorioDoWindows;
    std::wstring DiretorioDoSistema;
    std::wstring DiretorioDoPrograma;
    std::wstring DiretorioProgramFiles;
    // The window may close without asking: an operation has finished or the start-up failed.
    // Written by the copy worker too.
    std::atomic<bool> PodeFechar = false;
    // Set by the copy worker when it could not create a directory.
    std::atomic<bool> ErroDeDiretorio = false;
    TRegistroAjuda Ajuda{};
    // The disk marker object that the worker identifies the disks with; made when an
    // installation that checks its disks starts.
    std::unique_ptr<TMarcaDeDisco> MarcaDeDisco;

    // Start-up (AssistenteInicio.cpp), run by the first start message only.
    void IniciarAssistente();
    // The error that ended start-up, or none.
    std::exception_ptr ErroDeInicio() const { return erroDeInicio_; }
    void AvancarCarregamento(int percentual);
    void AplicarConfiguracao();
    void CarregarLicenca();

    // The window's caption and the texts of the scenes made so far; a scene made later gets its
    // own when it is made.
    void AplicarTextos();
    void SelecionarCena(TCena cena);
    TCena CenaAtual() const;
    // Asks whether to cancel; answers whether the window may close.
    bool ConfirmarCancelamento();

    // Where each base of a file row points, the installation directory being the one chosen: the
    // installation and the uninstall both read the chosen directory here.
    TDiretoriosDestino Destinos() const;

    // The end of the copy worker, its termination notification (AssistenteCopia.cpp).
    void AoTerminarCopia(TCopiaDeArquivos& copia);
    // The end of the uninstall's removal, its termination notification: the rest of the uninstall
    // (AssistenteDesinstalacao.cpp).
    void AoTerminarRemocao(TDesinstalacao& remocao);

protected:
    bool CloseQuery() override;
    void CloseRequested() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void CriarCenas();
    // The scene's window, made now if it was not yet.
    HWND Cena(TCena cena);
    // The scene's window if it has been made; null otherwise, and nothing is made.
    HWND CenaFeita(TCena cena) const;
    void PrepararControles();
    void PrepararCena(TCena cena);
    void AplicarTextosDaCena(TCena cena);
    void AplicarConfiguracaoDaCena(TCena cena);
    // The banner's bitmap for the screen's dots per inch.
    static int FaixaDaTela();
    void VincularAcoes(TCena cena);
    void LerDiretorios();
    void InstaladoPeloDiario();
    bool CarregarArquivoDeLicenca(const std::wstring& nome);

    // The flow between the scenes (AssistenteFluxo.cpp).
    void CriarAcoes();
    void Reinstalar();
    void MostrarSobre();
    void ContinuarLicenca();
    void AlternarAvancado();
    void ContinuarOpcoes();
    void ProcurarDiretorio();
    void InstalarOQue();
    void NovaSelecao();
    bool DiretorioInformado();
    void AlterarComponentes();
    void PreencherComponentes();
    // Checks each item by its row's column as the test says.
    void MarcarComponentes(int coluna, bool (*marcado)(const std::wstring& valor));
    bool TemLicenca() const;

    // Uninstall (AssistenteDesinstalacao.cpp).
    void Desinstalar();
    void RemocaoConcluida(TPassoDaRemocao passo) override;
    void ConcluirPasso(int imagem);
    bool ProgramaEhDaInstalacao(const TDesinstalacao& remocao) const;

    // The installation (AssistenteCopia.cpp).
    void IniciarCopia();
    bool PerguntarSeParaCopia();
    void Terminar();
    void IniciarRelogioDaTela();
    void PararRelogioDaTela();
    void AoRelogioDaTela();
    void GuardarDescricao();
    void ExecutarProgramaAoTerminar(const std::wstring& programa);
    void Reiniciar();
    TListaLinhas& LinhasDeDiretorio() override;
    TListaLinhas& LinhasDeArquivo() override;
    void DefinirPodeFechar() override;
    void MostrarMensagemFinal(const wchar_t* mensagem) override;
    void MostrarErro(std::exception_ptr erro) override;
    // The page of the worker that runs: the copying page, or the uninstall's gauge and label.
    void MostrarTela(const TTela& tela) override;

    // The check boxes of the description's installation options 1, 2 and 3.
    static constexpr std::array<int, kNumeroDeOpcoes> kCaixasDasOpcoes = {
        IDC_chkOpcao2, IDC_chkOpcao3, IDC_chkOpcao4};

    // The timer that paints a running worker's page.
    static constexpr UINT_PTR kRelogioDaTela = 1;

    bool iniciado_ = false;
    // Start-up has applied the description's configuration: a scene made from then on applies it
    // too.
    bool configurado_ = false;
    std::exception_ptr erroDeInicio_;
    // The running workers, each from its start to its termination notification.
    TCopiaDeArquivos* copia_ = nullptr;
    TDesinstalacao* remocao_ = nullptr;
    // The user asked to close while the worker ran: the window closes at its end.
    bool fecharAoTerminar_ = false;
    // The component row of each item of the components list.
    std::vector<int> linhasDosItens_;

    ui::Action actReinstalar;
    ui::Action actAlterarComponentes;
    ui::Action actDesinstalar;
    ui::Action actSobre;
    ui::Action actVoltarSobre;
    ui::Action actSair;
    ui::Action actContinuarLicenca;
    ui::Action actAvancado;
    ui::Action actProcurarDir;
    ui::Action actVoltarOpcoes;
    ui::Action actContinuarOpcoes;
    ui::Action actInstalarOQue;
    ui::Action actVoltarOQue;
    ui::Action actSairDaCopia;
};

} // namespace kt
