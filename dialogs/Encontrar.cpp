#include "dialogs/Encontrar.h"

#include "base/Concat.h"
#include "dialogs/Aparencia.h"
#include "dialogs/TextosDialogos.h"
#include "fileops/AbrirAjuda.h"
#include "fileops/Caminhos.h"
#include "fileops/Texto.h"
#include "fileops/VerificacoesWin32.h"
#include "resources/EncontrarIds.h"
#include "resources/Imagens.h"
#include "ui/Application.h"
#include "ui/Glyphs.h"
#include "ui/SystemLibraries.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace kt {

namespace {

// Room for the path that the file-open dialog hands back.
constexpr DWORD kTamanhoEscolhido = 32768;

// The system's file-open dialog, from comdlg32 of the system directory, loaded on first use and
// kept for the run as an import would be. Not imported: Windows never looks for comdlg32 beside
// the program (a known DLL), but a system without that list, as Wine is, would load one planted
// there before the program's first instruction.
BOOL MostrarAbrirArquivo(OPENFILENAMEW& dialogo) {
    static const base::UniqueLibrary comdlg32(ui::LoadSystemLibrary(L"comdlg32.dll"));
    const FARPROC funcao = comdlg32 ? GetProcAddress(comdlg32.Get(), "GetOpenFileNameW") : nullptr;
    if (!funcao)
        GerarUltimoErroWindows();
    return reinterpret_cast<decltype(&GetOpenFileNameW)>(reinterpret_cast<void*>(funcao))(&dialogo);
}

} // namespace

TfrmEncontrar::TfrmEncontrar(std::wstring_view caminho) : ui::Form(IDD_ENCONTRAR) {
    PreencherAjuda(ajuda_, kContextoEncontrar);
    // The file-open dialog's filter: a description and a pattern, each ending in its own null.
    const std::wstring_view nome = NomeDe(caminho);
    const std::wstring_view nulo(L"\0", 1);
    filtro_ = base::Concat({nome, nulo, nome, nulo});

    SetItemText(IDC_txtArquivo, caminho);
    ui::Picture(Item(IDC_imgSimboloEncontrar))
        .SetIcon(ui::Glyphs::Icon(IDI_ENCONTRAR, ui::Form::Scale(kIconeDialogo)));
    SetLabelFont(IDC_lblInstrucoes, kPontosRotulos, true);
    SetLabelFont(IDC_lblLocal, kPontosRotulos, true);
    SetItemText(IDC_lblInstrucoes, textos_encontrar::kInstrucoes);
    SetItemText(IDC_lblLocal, textos_encontrar::kLocal);
    SetCaption(textos_encontrar::kTitulo);

    Bind(
        IDC_Button1, textos_encontrar::kProcurar, [this] { Procurar(); },
        textos_encontrar::kDicaProcurar);
    const auto grande = [this](int id, std::wstring_view titulo, int glifo,
                               ui::Action::Handler aoExecutar) {
        Bind(id, AcaoComGlifo(titulo, glifo, aoExecutar));
    };
    grande(IDC_bitAjudaEncontrar, textos_encontrar::kAjuda, IDI_SOBRE,
           [this] { AbrirAjuda(&ajuda_); });
    grande(IDC_bitIgnorar, textos_encontrar::kIgnorar, IDI_IGNORAR,
           [this] { Responder(kEncontrarIgnorar); });
    grande(IDC_bitContinuarEncontrar, textos_encontrar::kContinuar, IDI_PROSSEGUIR,
           [this] { Responder(kEncontrarContinuar); });
    grande(IDC_bitCancelarEncontrar, textos_encontrar::kCancelar, IDI_CANCELAR,
           [this] { Responder(kEncontrarCancelar); });
    SetActiveControl(IDC_Button1);
}

std::wstring TfrmEncontrar::Caminho() const {
    return ui::Edit(FindItem(IDC_txtArquivo)).Text();
}

// The system's file-open dialog, listing only files of the missing file's name; a file picked
// replaces the whole path box, and cancelling changes nothing.
void TfrmEncontrar::Procurar() {
    const std::wstring atual = Caminho();
    const std::wstring pasta = Texto(PastaDe(atual));
    std::vector<wchar_t> escolhido(kTamanhoEscolhido, L'\0');
    OPENFILENAMEW dialogo{};
    dialogo.lStructSize = sizeof dialogo;
    dialogo.hwndOwner = Handle();
    dialogo.lpstrFilter = filtro_.c_str();
    dialogo.nFilterIndex = 1;
    dialogo.lpstrFile = escolhido.data();
    dialogo.nMaxFile = kTamanhoEscolhido;
    dialogo.lpstrInitialDir = pasta.empty() ? nullptr : pasta.c_str();
    dialogo.Flags =
        OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (MostrarAbrirArquivo(dialogo))
        ui::Edit(Item(IDC_txtArquivo)).SetText(escolhido.data());
}

void TfrmEncontrar::Responder(TRespostaEncontrar resposta) {
    resposta_ = resposta;
    EndModal(ui::mrOk);
}

std::int32_t EncontrarArquivo(std::wstring& nomeArquivo, std::int32_t tamanhoMaximo) {
    std::int32_t resposta = kEncontrarIgnorar;
    std::wstring caminho;
    ui::Application::RunOnMainThread([&] {
        TfrmEncontrar janela(Curta(nomeArquivo));
        janela.CenterOnScreen();
        janela.ShowModal();
        resposta = janela.Resposta();
        caminho = janela.Caminho();
    });
    nomeArquivo = Curta(Curta(caminho), static_cast<std::size_t>(std::max(tamanhoMaximo, 0)));
    return resposta;
}

} // namespace kt
