// The installation wizard: one fixed window whose client area shows one scene at a time below the
// banner. The launcher creates it, posts the start message and shows it modally; the handler of
// that message inspects the system, fills the installation description and shows the operation
// page. From there the user walks through licence, options and components to the copying page.
//
// The window's state fields are shared with the copy worker, which reads the description, the
// directories, the hook record and the help record, and writes PodeFechar and ErroDeDiretorio.
#pragma once

#include "core/ArquivosIAC/ArquivoIAC.h"
#include "core/program/RotinasProduto.h"
#include "fileops/Ajuda.h"
#include "fileops/Texto.h"
#include "resources/AssistenteIds.h"
#include "ui/Action.h"
#include "ui/Form.h"

#include <windows.h>

#include <array>
#include <exception>
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

class TfrmAssistente : public ui::Form {
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
    bool PodeFechar = false;
    // Set by the copy worker when it could not create a directory.
    bool ErroDeDiretorio = false;
    TRegistroAjuda Ajuda{};

    // Start-up (AssistenteInicio.cpp), run by the first start message only.
    void IniciarAssistente();
    // The error that ended start-up, or none.
    std::exception_ptr ErroDeInicio() const { return erroDeInicio_; }
    void AvancarCarregamento(int percentual);
    void AplicarConfiguracao();
    void CarregarLicenca();

    void AplicarTextos();
    void SelecionarCena(TCena cena);
    TCena CenaAtual() const;
    // Asks whether to cancel; answers whether the window may close.
    bool ConfirmarCancelamento();

protected:
    bool CloseQuery() override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void CriarCenas();
    void PrepararControles();
    void AplicarTextosDosTitulos();
    // The banner's bitmap for the screen's dots per inch.
    static int FaixaDaTela();
    void VincularAcoes();
    void LerDiretorios();
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
    void PreencherComponentes();
    void MarcarComponentes(int coluna);
    bool TemLicenca() const;

    // The check boxes of the description's installation options 1, 2 and 3.
    static constexpr std::array<int, kNumeroDeOpcoes> kCaixasDasOpcoes = {
        IDC_chkOpcao2, IDC_chkOpcao3, IDC_chkOpcao4};

    std::array<HWND, kNumeroDeCenas> cenas_{};
    bool iniciado_ = false;
    std::exception_ptr erroDeInicio_;
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
