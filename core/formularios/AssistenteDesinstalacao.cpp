// Uninstall, run by the installed copy of the program: it removes what the installations wrote
// and, last, the program itself.
//
// How it works: the page comes first; the removal of the files and of the directories runs on a
// thread of its own (instalacao/Desinstalacao.h), each step followed by its check mark, while the
// window answers: a close asked meanwhile is refused, the uninstall closing the window itself at
// its end. Its termination notification goes on, on the main thread: the shortcut hook and the
// registry hook, each followed by its check mark and the window's pending messages, the last hook,
// the closing message, the diary and the self-removal. A hook that raises ends the sequence where
// it is: the toolkit shows the error, and the page stays, guarded by the close question. The diary
// goes after the hooks: an uninstall killed before its end leaves it, and running the installed
// copy again finishes the job.
//
// The page's "&Sair" stays disabled: the sequence has no point at which it could stop. Its gauge
// and the label above it follow the removal, whose length depends on the machine (a slow or
// network disk): the label names each file and directory as it goes, the gauge counts the rows.
#include "core/formularios/Assistente.h"

#include "core/formularios/TextosAssistente.h"
#include "fileops/AutoRemocao.h"
#include "fileops/DiarioDeInstalacao.h"
#include "fileops/IdentidadeArquivo.h"
#include "resources/AssistenteIds.h"
#include "ui/Application.h"
#include "ui/Controls.h"

#include <memory>

namespace kt {
namespace {

// The self-removal modes that remove the program once it has ended.
constexpr bool AutoRemocaoPedida(std::int32_t modo) {
    return modo == 1 || modo == 2;
}

} // namespace

void TfrmAssistente::Desinstalar() {
    // A second click that was waiting in the queue reaches the button after the page changed.
    if (remocao_ || CenaAtual() == cenaDesinstalar)
        return;
    SelecionarCena(cenaDesinstalar);
    TDadosDaDesinstalacao dados{Destinos(), Descricao.Arquivos(), Descricao.Diretorios()};
    remocao_ = TTrabalho::Iniciar<TDesinstalacao>(
        std::make_unique<TDesinstalacao>(static_cast<TJanelaDaDesinstalacao&>(*this),
                                         std::move(dados)),
        [this](TDesinstalacao& remocao) { AoTerminarRemocao(remocao); });
    IniciarRelogioDaTela();
}

void TfrmAssistente::RemocaoConcluida(TPassoDaRemocao passo) {
    ConcluirPasso(passo == TPassoDaRemocao::Arquivos ? IDC_imgArquivos : IDC_imgDirs);
}

void TfrmAssistente::AoTerminarRemocao(TDesinstalacao& remocao) {
    remocao.PintarTela();
    PararRelogioDaTela();
    remocao_ = nullptr;
    const std::wstring& diretorio = Destinos().Instalacao;
    if (Rotinas.RemoverAtalhos)
        Rotinas.RemoverAtalhos(diretorio);
    ConcluirPasso(IDC_imgAtalhos);
    if (Rotinas.RemoverRegistro)
        Rotinas.RemoverRegistro(diretorio);
    ConcluirPasso(IDC_imgRegistro);
    if (Rotinas.AoDesinstalar)
        Rotinas.AoDesinstalar(diretorio);

    namespace textos = textos_assistente;
    ui::Application::ShowMessageBox(textos::kDesinstalacaoTerminada, textos::kInformacao,
                                    MB_OK | MB_ICONINFORMATION);
    ApagarDiario(diretorio);
    // Only a program that is one of the installation's files goes: a copy that the user keeps
    // under another name beside a start page is the user's.
    if (AutoRemocaoPedida(Descricao.Configuracao().ModoAutoRemocao) &&
        ProgramaEhDaInstalacao(remocao))
        AutoRemover(remocao.Criada(diretorio));
    PodeFechar = true;
    Close();
}

void TfrmAssistente::ConcluirPasso(int imagem) {
    ui::Picture(Item(imagem)).SetIcon(ui::Picture(Item(IDC_imgCHK)).Icon());
    ui::Application::ProcessMessages();
}

bool TfrmAssistente::ProgramaEhDaInstalacao(const TDesinstalacao& remocao) const {
    const std::wstring programa = ui::Application::ExePath();
    const TListaLinhas& arquivos = Descricao.Dados().Arquivos;
    for (int linha = 0; linha < arquivos.Contar(); ++linha) {
        const TListaCampos campos = arquivos.Campos(linha);
        const std::wstring alvo = CaminhoDeDestino(campos, Destinos());
        if (DiferenteDeNao(campos[coluna_arquivo::kEstado]) && remocao.Escrito(alvo) &&
            MesmoArquivo(programa, alvo))
            return true;
    }
    return false;
}

} // namespace kt
