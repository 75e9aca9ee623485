#include "dialogs/NovaPasta.h"

#include "base/Concat.h"
#include "dialogs/Aparencia.h"
#include "dialogs/TextosDialogos.h"
#include "fileops/NomeDePasta.h"
#include "fileops/RelatorioDeErro.h"
#include "fileops/TextosFramework.h"
#include "fileops/VerificacoesWin32.h"
#include "resources/Imagens.h"
#include "resources/NovaPastaIds.h"
#include "ui/Application.h"
#include "ui/Controls.h"

namespace kt {

namespace {

using namespace textos_diretorios;

} // namespace

TfrmNovaPasta::TfrmNovaPasta() : ui::Form(IDD_NOVA_PASTA) {
    SetCaption(kTituloNovaPasta);
    SetItemText(IDC_lblInstrucoes, kInstrucoes);
    Bind(IDC_bitCriar, AcaoComGlifo(kCriar, IDI_CONCLUIDO, [this] { Criar(); }));
    Bind(IDC_bitCancelar, AcaoComGlifo(kCancelarNovaPasta, IDI_CANCELAR, [this] { Close(); }));
    SetActiveControl(IDC_txtNome);
}

void TfrmNovaPasta::Perguntar(const std::wstring& diretorio) {
    SetItemText(IDC_txtNome, TextoFramework(ids::kNovaPasta));
    diretorio_ = diretorio;
    CenterOnScreen();
    ShowModal();
}

void TfrmNovaPasta::Criar() {
    const std::wstring nome = ui::Edit(Item(IDC_txtNome)).Text();
    if (!NomeDePastaValido(nome)) {
        ui::Application::ShowMessageBox(Texto(kNomeInvalido), Texto(kTituloNovaPasta),
                                        MB_OK | MB_ICONWARNING);
        VoltarAoNome();
        return;
    }
    // A root already ends in its delimiter.
    const bool comDelimitador = !diretorio_.empty() && diretorio_.back() == L'\\';
    const std::wstring pasta = base::Concat({diretorio_, comDelimitador ? L"" : L"\\", nome});
    const TRegistroAjuda ajuda = AjudaSemArquivo(kContextoPadrao);
    const bool criada = ExecutarRelatando(
        ajuda, {}, pasta, [&] { VerificarResultado(CreateDirectoryW(pasta.c_str(), nullptr)); });
    if (criada)
        EndModal(ui::mrOk);
    else
        VoltarAoNome();
}

void TfrmNovaPasta::VoltarAoNome() const {
    SendMessageW(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(FindItem(IDC_txtNome)), TRUE);
}

} // namespace kt
