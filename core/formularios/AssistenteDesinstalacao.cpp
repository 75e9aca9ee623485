// Uninstall, run by the installed copy of the program: it removes what the description installed
// and, last, the program itself.
//
// How it works: one sequence on the main thread, from the click to the closing of the window. Four
// steps (files, directories, the shortcut hook, the registry hook) run in order, each followed by
// its check mark and by the window's pending messages, so that the page repaints and a close
// request waits its turn; then the last hook, the closing message and the self-removal. A file or
// directory that cannot be removed is passed over in silence. A hook that raises ends the
// sequence where it is: the window's edge shows the error, and the page stays, guarded by the
// close question.
//
// The page's "&Sair" stays disabled: the sequence has no point at which it could stop. Its gauge
// and the label above it follow the first two steps, whose length depends on the machine (a slow
// or network disk): the label names each file and directory as it goes, the gauge counts the rows.
#include "core/formularios/Assistente.h"

#include "core/formularios/TextosAssistente.h"
#include "fileops/AutoRemocao.h"
#include "fileops/Caminhos.h"
#include "fileops/IdentidadeArquivo.h"
#include "resources/AssistenteIds.h"
#include "ui/Application.h"
#include "ui/Controls.h"

namespace kt {
namespace {

// The self-removal modes that remove the program once it has ended.
constexpr bool AutoRemocaoPedida(std::int32_t modo) {
    return modo == 1 || modo == 2;
}

// Deletes a file that may be missing or in use. A file made read-only since (by the user, or put
// back by hand from a CD) loses the attribute first: it is still the installation's.
void ApagarArquivo(const std::wstring& caminho) {
    if (DeleteFileW(caminho.c_str()) || GetLastError() != ERROR_ACCESS_DENIED)
        return;
    const DWORD atributos = GetFileAttributesW(caminho.c_str());
    if (atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_READONLY) &&
        SetFileAttributesW(caminho.c_str(), atributos & ~FILE_ATTRIBUTE_READONLY))
        DeleteFileW(caminho.c_str());
}

} // namespace

void TfrmAssistente::Desinstalar() {
    // A second click that was waiting in the queue reaches the button after the page changed.
    if (CenaAtual() == cenaDesinstalar)
        return;
    SelecionarCena(cenaDesinstalar);
    ui::Application::ProcessMessages();

    RemoverArquivos();
    ConcluirPasso(IDC_imgArquivos);
    RemoverDiretorios();
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
    // Only a program that is one of the installation's files goes: a copy that the user keeps
    // under another name beside a start page is the user's.
    if (AutoRemocaoPedida(Descricao.Configuracao().ModoAutoRemocao) && ProgramaEhDaInstalacao())
        AutoRemover();
    PodeFechar = true;
    Close();
}

void TfrmAssistente::RemoverArquivos() {
    const TDiretoriosDestino destinos{DiretorioDoWindows, DiretorioDoSistema, DiretorioEscolhido};
    const TListaLinhas& arquivos = Descricao.Arquivos();
    const int total = arquivos.Contar() + Descricao.Diretorios().Contar();
    for (int linha = 0; linha < arquivos.Contar(); ++linha) {
        const TListaCampos campos = arquivos.Campos(linha);
        if (!DiferenteDeNao(campos[coluna_arquivo::kEstado]))
            continue;
        const std::wstring alvo = CaminhoDeDestino(campos, destinos);
        MostrarRemocao(alvo, linha, total);
        ApagarArquivo(alvo);
    }
}

// In the rows' order: a deeper directory is listed before its parent. A row without a path would
// name the installation directory itself, which holds the program until the self-removal.
void TfrmAssistente::RemoverDiretorios() {
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
        RemoveDirectoryW((instalacao + caminho).c_str());
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

bool TfrmAssistente::ProgramaEhDaInstalacao() const {
    const std::wstring programa = ui::Application::ExePath();
    const TDiretoriosDestino destinos{DiretorioDoWindows, DiretorioDoSistema, DiretorioEscolhido};
    const TListaLinhas& arquivos = Descricao.Dados().Arquivos;
    for (int linha = 0; linha < arquivos.Contar(); ++linha) {
        const TListaCampos campos = arquivos.Campos(linha);
        if (DiferenteDeNao(campos[coluna_arquivo::kEstado]) &&
            MesmoArquivo(programa, CaminhoDeDestino(campos, destinos)))
            return true;
    }
    return false;
}

} // namespace kt
