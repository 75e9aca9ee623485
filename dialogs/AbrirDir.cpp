#include "dialogs/AbrirDir.h"

#include "dialogs/Aparencia.h"
#include "dialogs/TextosDialogos.h"
#include "fileops/AbrirAjuda.h"
#include "fileops/Caminhos.h"
#include "fileops/PastasDoShell.h"
#include "fileops/RelatorioDeErro.h"
#include "fileops/Texto.h"
#include "fileops/TextosFramework.h"
#include "fileops/VerificacoesWin32.h"
#include "resources/AbrirDirIds.h"
#include "resources/Imagens.h"
#include "ui/Accessible.h"
#include "ui/Application.h"
#include "ui/Controls.h"
#include "base/Exception.h"
#include "ui/Glyphs.h"

#include <shlobj.h>

namespace kt {

namespace {

using namespace textos_diretorios;

std::wstring SemDelimitador(std::wstring caminho) {
    while (caminho.size() > 3 && caminho.back() == L'\\')
        caminho.pop_back();
    return caminho;
}

bool MesmoDiretorio(const std::wstring& a, const std::wstring& b) {
    const std::wstring x = SemDelimitador(a);
    const std::wstring y = SemDelimitador(b);
    return CompareStringOrdinal(x.c_str(), static_cast<int>(x.size()), y.c_str(),
                                static_cast<int>(y.size()), TRUE) == CSTR_EQUAL;
}

// The directory of the running program, without a trailing delimiter (a root keeps its own).
std::wstring DiretorioDoPrograma() {
    const std::wstring programa = ui::Application::ExePath();
    return std::wstring(PastaDe(programa));
}

std::wstring DiretorioDoWindows() {
    wchar_t caminho[MAX_PATH] = {};
    GetWindowsDirectoryW(caminho, MAX_PATH);
    return caminho;
}

// The short (8.3) form of an existing path; the path itself when it has none. It is never cut:
// a path cut short names another directory.
std::wstring CaminhoCurto(const std::wstring& caminho) {
    const DWORD tamanho = GetShortPathNameW(caminho.c_str(), nullptr, 0);
    std::wstring curto(tamanho, L'\0');
    if (tamanho == 0 || GetShortPathNameW(caminho.c_str(), curto.data(), tamanho) >= tamanho)
        return caminho;
    return curto.c_str();
}

} // namespace

TfrmAbrirDir::TfrmAbrirDir(TfrmNovaPasta& novaPasta)
    : ui::Form(IDD_ABRIR_DIR), novaPasta_(novaPasta), drives_(Item(IDC_Drives)),
      diretorios_(Item(IDC_Diretorios)),
      barraFerramentas_(Item(IDC_BarraFerramentas), GetSystemMetrics(SM_CXSMICON)),
      ancoras_(Handle()) {
    PreencherAjuda(ajuda_, kContextoDiretorios);
    CriarAcoes();
    PrepararControles();
    Ancorar();
}

void TfrmAbrirDir::CriarAcoes() {
    NovaPasta = AcaoComGlifo(
        kNovaPasta, IDI_NOVA_PASTA, [this] { CriarPasta(); }, kDicaNovaPasta);
    actExcluir = AcaoComGlifo(
        kExcluir, IDI_EXCLUIR_PASTA, [this] { Excluir(); }, kDicaExcluir);
    actMeusDocumentos = AcaoComGlifo(
        kMeusDocumentos, IDI_MEUS_DOCUMENTOS, [this] { IrParaMeusDocumentos(); },
        kDicaMeusDocumentos);
    actAbrir = AcaoComGlifo(kAbrir, IDI_CONCLUIDO, [this] { Abrir(); });
    actCancelar = AcaoComGlifo(kCancelar, IDI_CANCELAR, [this] { Close(); });
    acaoAjuda = AcaoComGlifo(kAjuda, IDI_SOBRE, [this] { AbrirAjuda(&ajuda_); });
}

void TfrmAbrirDir::PrepararControles() {
    ui::Picture(Item(IDC_IconeDialogo)).SetIcon(ui::Glyphs::Icon(IDI_PASTA, Scale(kIconeDialogo)));
    SetLabelFont(IDC_lblDrive, kPontosRotulos, true);
    SetLabelFont(IDC_lblDiretorio, kPontosRotulos, true);
    Bind(IDC_bitAbrir, actAbrir);
    Bind(IDC_bitCancelar, actCancelar);
    Bind(IDC_bitAjuda, acaoAjuda);

    barraFerramentas_.AddSeparator();
    barraFerramentas_.AddButton(IDC_ToolButton3, NovaPasta);
    barraFerramentas_.AddButton(IDC_ToolButton6, actExcluir);
    barraFerramentas_.AddSeparator();
    barraFerramentas_.AddButton(IDC_ToolButton5, actMeusDocumentos);
    popupDiretorios_.Add(IDM_popNovaPasta, NovaPasta);
    popupDiretorios_.Add(IDM_MeusDocumentos1, actMeusDocumentos);
    popupDiretorios_.Add(IDM_Excluirdiretrio1, actExcluir);
    for (const auto& [comando, acao] :
         {std::pair{IDC_ToolButton3, &NovaPasta}, std::pair{IDC_ToolButton6, &actExcluir},
          std::pair{IDC_ToolButton5, &actMeusDocumentos}, std::pair{IDM_popNovaPasta, &NovaPasta},
          std::pair{IDM_MeusDocumentos1, &actMeusDocumentos},
          std::pair{IDM_Excluirdiretrio1, &actExcluir}})
        BindCommand(comando, *acao);

    ui::SetAccessibleName(diretorios_.Handle(), Texto(kNomeDaLista));
    drives_.SetOnChoose([this](const std::wstring& raiz) { return EscolherDrive(raiz); });
    diretorios_.SetOnChange([this] { DiretorioMudou(); });
    ui::Edit(Item(IDC_txtDiretorio)).SetOnEnter([this] { IrParaOCaminho(); });
    SetActiveControl(IDC_txtDiretorio);
}

void TfrmAbrirDir::Ancorar() {
    using namespace ui;
    for (const auto& [id, lados] : {
             std::pair{IDC_Drives, akLeft | akTop | akRight},
             std::pair{IDC_BarraFerramentas, akTop | akRight},
             std::pair{IDC_Diretorios, akLeft | akTop | akRight | akBottom},
             std::pair{IDC_lblDiretorio, akLeft | akBottom},
             std::pair{IDC_txtDiretorio, akLeft | akRight | akBottom},
             std::pair{IDC_bitAbrir, akRight | akBottom},
             std::pair{IDC_bitCancelar, akRight | akBottom},
             std::pair{IDC_bitAjuda, akRight | akBottom},
         })
        ancoras_.Set(Item(id), lados);
}

void TfrmAbrirDir::AbrirEm(const std::wstring& diretorio) {
    try {
        diretorios_.SetDirectory(diretorio);
    } catch (const base::Exception&) {
        diretorios_.SetDirectory(DiretorioDoPrograma());
    }
}

void TfrmAbrirDir::AplicarOpcoes(std::int32_t opcoes) {
    ui::Control(drives_.Handle()).SetEnabled(!(opcoes & kOpcaoSemDrives));
    if (opcoes & kOpcaoRedimensionavel)
        ancoras_.MakeSizeable();
    ui::Control(barraFerramentas_.Handle()).SetVisible(!(opcoes & kOpcaoSemFerramentas));
}

void TfrmAbrirDir::AplicarTextos(const std::wstring& titulo) {
    SetItemText(IDC_lblDiretorio, kDiretorio);
    SetItemText(IDC_lblDrive, kDrive);
    // Tested without its blanks, shown as given.
    SetCaption(Aparar(titulo).empty() ? Texto(kTituloPadrao) : titulo);
}

void TfrmAbrirDir::Exibir() {
    CenterOnScreen();
    ShowModal();
}

bool TfrmAbrirDir::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (msg == WM_CONTEXTMENU && reinterpret_cast<HWND>(wParam) == diretorios_.Handle()) {
        popupDiretorios_.Popup(Handle(), diretorios_.Handle(), lParam);
        return true;
    }
    return ancoras_.HandleMessage(msg, lParam, result);
}

void TfrmAbrirDir::DiretorioMudou() {
    const std::wstring& diretorio = diretorios_.Directory();
    ui::Edit(Item(IDC_txtDiretorio)).SetText(diretorio);
    drives_.ShowDriveOf(diretorio);
    const bool podeExcluir = PodeExcluir();
    barraFerramentas_.SetEnabled(IDC_ToolButton6, podeExcluir);
    popupDiretorios_.SetEnabled(IDM_Excluirdiretrio1, podeExcluir);
}

bool TfrmAbrirDir::EscolherDrive(const std::wstring& raiz) {
    try {
        diretorios_.SetDirectory(raiz);
        return true;
    } catch (const base::Exception&) {
        return false;
    }
}

void TfrmAbrirDir::IrParaOCaminho() {
    try {
        diretorios_.SetDirectory(ui::Edit(Item(IDC_txtDiretorio)).Text());
    } catch (const base::Exception&) {
        // A path that cannot be entered is ignored without a word.
    }
}

void TfrmAbrirDir::CriarPasta() {
    novaPasta_.Perguntar(diretorios_.Directory());
    diretorios_.Update();
}

bool TfrmAbrirDir::PodeExcluir() const {
    const std::wstring& diretorio = diretorios_.Directory();
    return !diretorio.empty() && !diretorios_.AtRoot() &&
           !MesmoDiretorio(diretorio, DiretorioDoWindows()) &&
           !MesmoDiretorio(diretorio, DiretorioDoPrograma());
}

void TfrmAbrirDir::Excluir() {
    if (!PodeExcluir())
        return;
    const TRegistroAjuda ajuda = AjudaSemArquivo(kContextoPadrao);
    const std::wstring diretorio = diretorios_.Directory();
    std::wstring pergunta(TextoFramework(ids::kExcluirDiretorio));
    pergunta.replace(pergunta.find(L"%s"), 2, diretorio);
    if (ui::Application::ShowMessageBox(pergunta, Texto(kConfirmacao),
                                        MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    ExecutarRelatando(ajuda, {}, diretorio, [&] {
        VerificarResultado(RemoveDirectoryW(CaminhoCurto(diretorio).c_str()));
    });
    diretorios_.Update();
}

void TfrmAbrirDir::IrParaMeusDocumentos() {
    diretorios_.SetDirectory(PastaEspecial(CSIDL_PERSONAL));
}

void TfrmAbrirDir::Abrir() {
    Escolhido = true;
    Caminho = ui::Edit(Item(IDC_txtDiretorio)).Text();
    EndModal(ui::mrOk);
}

} // namespace kt
