// Uninstall, run by the installed copy of the program: it removes what the installations wrote
// and, last, the program itself.
//
// How it works: one sequence on the main thread, from the click to the closing of the window. Four
// steps (files, directories, the shortcut hook, the registry hook) run in order, each followed by
// its check mark and by the window's pending messages, so that the page repaints and a close
// request waits its turn; then the last hook, the closing message, the diary and the
// self-removal. A file or directory that cannot be removed is passed over in silence. A hook that
// raises ends the sequence where it is: the window's edge shows the error, and the page stays,
// guarded by the close question.
//
// What goes: the description's files and directories that the installation's diary names as
// written or created (fileops/DiarioDeInstalacao.h), so that a file of the user's under a course
// file's name, kept at installation, stays with its folder; the program's own directory only
// when the installation created it. The diary can only narrow the description's list, never
// widen it: the uninstall runs with an administrator's rights, and the diary may lie where a user
// can edit it. An installation made before the diary existed has none, and the description's
// list goes as it is. Either way the removal goes into no folder that a link has replaced
// (fileops/Remocao.h). The diary goes last, after the hooks: an uninstall killed before its end
// leaves it, and running the installed copy again finishes the job.
//
// The page's "&Sair" stays disabled: the sequence has no point at which it could stop. Its gauge
// and the label above it follow the first two steps, whose length depends on the machine (a slow
// or network disk): the label names each file and directory as it goes, the gauge counts the rows.
#include "core/formularios/Assistente.h"

#include "core/formularios/TextosAssistente.h"
#include "fileops/AutoRemocao.h"
#include "fileops/Caminhos.h"
#include "fileops/DiarioDeInstalacao.h"
#include "fileops/Remocao.h"
#include "fileops/Texto.h"
#include "fileops/IdentidadeArquivo.h"
#include "resources/AssistenteIds.h"
#include "ui/Application.h"
#include "ui/Controls.h"

#include <set>

namespace kt {
namespace {

// The self-removal modes that remove the program once it has ended.
constexpr bool AutoRemocaoPedida(std::int32_t modo) {
    return modo == 1 || modo == 2;
}

// Whether the diary, when there is one, names the file or the folder.
bool Escrito(const std::optional<TInstalados>& instalados, const std::wstring& arquivo) {
    return !instalados || instalados->ArquivoEscrito(arquivo);
}

bool Criada(const std::optional<TInstalados>& instalados, const std::wstring& pasta) {
    return !instalados || instalados->PastaCriada(pasta);
}

} // namespace

void TfrmAssistente::Desinstalar() {
    // A second click that was waiting in the queue reaches the button after the page changed.
    if (CenaAtual() == cenaDesinstalar)
        return;
    SelecionarCena(cenaDesinstalar);
    ui::Application::ProcessMessages();

    const std::optional<TInstalados> instalados = LerDiario(DiretorioEscolhido);
    TRemocao remocao(DiretorioEscolhido);
    RemoverArquivos(instalados, remocao);
    ConcluirPasso(IDC_imgArquivos);
    RemoverDiretorios(instalados, remocao);
    ConcluirPasso(IDC_imgDirs);

    const std::wstring diretorio = Descricao.Configuracao().DiretorioDeInstalacao;
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
    ApagarDiario(DiretorioEscolhido);
    // Only a program that is one of the installation's files goes: a copy that the user keeps
    // under another name beside a start page is the user's.
    if (AutoRemocaoPedida(Descricao.Configuracao().ModoAutoRemocao) &&
        ProgramaEhDaInstalacao(instalados))
        AutoRemover(Criada(instalados, DiretorioEscolhido));
    PodeFechar = true;
    Close();
}

// The new files that a killed installation left go with the folder they are in.
void TfrmAssistente::RemoverArquivos(const std::optional<TInstalados>& instalados,
                                     TRemocao& remocao) {
    const TDiretoriosDestino destinos{DiretorioDoWindows, DiretorioDoSistema, DiretorioEscolhido};
    const TListaLinhas& arquivos = Descricao.Arquivos();
    const int total = arquivos.Contar() + Descricao.Diretorios().Contar();
    std::set<std::wstring> varridas;
    for (int linha = 0; linha < arquivos.Contar(); ++linha) {
        const TListaCampos campos = arquivos.Campos(linha);
        if (!DiferenteDeNao(campos[coluna_arquivo::kEstado]))
            continue;
        const std::wstring alvo = CaminhoDeDestino(campos, destinos);
        MostrarRemocao(alvo, linha, total);
        if (Escrito(instalados, alvo))
            remocao.RemoverArquivo(alvo);
        const std::wstring pasta(PastaDe(alvo));
        if (varridas.insert(Minusculas(pasta)).second)
            remocao.VarrerNovos(pasta);
    }
}

// In the rows' order: a deeper directory is listed before its parent. A row without a path would
// name the installation directory itself, which holds the program until the self-removal.
void TfrmAssistente::RemoverDiretorios(const std::optional<TInstalados>& instalados,
                                       TRemocao& remocao) {
    const std::wstring instalacao = ComDelimitador(Descricao.Configuracao().DiretorioDeInstalacao);
    const TListaLinhas& diretorios = Descricao.Diretorios();
    const int feitos = Descricao.Arquivos().Contar();
    const int total = feitos + diretorios.Contar();
    for (int linha = 0; linha < diretorios.Contar(); ++linha) {
        const TListaCampos campos = diretorios.Campos(linha);
        const std::wstring& caminho = campos[coluna_diretorio::kCaminho];
        if (caminho.empty() || !DiferenteDeNao(campos[coluna_diretorio::kEstado]))
            continue;
        MostrarRemocao(instalacao + caminho, feitos + linha, total);
        if (Criada(instalados, instalacao + caminho))
            remocao.RemoverPasta(instalacao + caminho);
    }
    MostrarRemocao(L"", total, total);
}

void TfrmAssistente::MostrarRemocao(const std::wstring& caminho, int feitos, int total) {
    ui::Label(Item(IDC_lblArquivo)).SetText(caminho);
    const ui::Gauge progresso(Item(IDC_Gauge1));
    progresso.SetPosition(total == 0 ? 100 : feitos * 100 / total);
    progresso.Update();
}

void TfrmAssistente::ConcluirPasso(int imagem) {
    ui::Picture(Item(imagem)).SetIcon(ui::Picture(Item(IDC_imgCHK)).Icon());
    ui::Application::ProcessMessages();
}

bool TfrmAssistente::ProgramaEhDaInstalacao(const std::optional<TInstalados>& instalados) const {
    const std::wstring programa = ui::Application::ExePath();
    const TDiretoriosDestino destinos{DiretorioDoWindows, DiretorioDoSistema, DiretorioEscolhido};
    const TListaLinhas& arquivos = Descricao.Dados().Arquivos;
    for (int linha = 0; linha < arquivos.Contar(); ++linha) {
        const TListaCampos campos = arquivos.Campos(linha);
        const std::wstring alvo = CaminhoDeDestino(campos, destinos);
        if (DiferenteDeNao(campos[coluna_arquivo::kEstado]) && Escrito(instalados, alvo) &&
            MesmoArquivo(programa, alvo))
            return true;
    }
    return false;
}

} // namespace kt
