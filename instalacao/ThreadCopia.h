// The copy engine worker: the thread that carries out an installation once the user has confirmed
// it. It creates the description's directories, then, disk by disk, extracts, decompresses,
// copies or deletes the file of every file row, asking the user whenever a decision is needed,
// then calls the product's hooks for the shortcuts, the registry entry and the last step, and
// ends with a message box. Throughout it drives the copying page's gauges and labels.
//
// How it works: the worker never touches a window. Every step that shows something (the screen,
// a question, a report, the shortcut hooks, the extraction of an embedded file, the closing
// message) is handed to the main thread with Synchronize and waited for; the services that run on
// the worker's own thread (decompression, copy) report through their slots, which bring the report
// to the main thread. The worker reaches the wizard only through TJanelaDaCopia, which the window
// implements and which must outlive the worker: the window stays until the termination
// notification has run. The screen is handed over at most every 40 ms: painting it costs the main
// thread more than extracting a small file, and a screen that has to wait goes first with the next
// step that the user may look at, so that what is on screen then is current.
//
// What it wrote: every folder it creates and every file it writes is noted in the installation's
// diary as it goes (instalacao/CriadosNaCopia.h), so that the uninstall removes exactly those, also
// after a run that was killed halfway; the new files that such a run left are swept from each
// folder before the first file is written there.
//
// Stopping: the run stops at its next check point once it is asked to (Parar(), or "Cancelar
// Operação" in the locate dialog), and also when a file could not be written; it then removes what
// it created (the files and folders that did not exist before it, each file only while it is still
// the one written) and its lines in the diary, and ends without shortcuts or registry entry. While
// the user is being asked whether to stop (Pausar, Continuar), the worker waits before its next
// hand-over, so that no question of its own comes up over that one. Once the shortcut hooks run,
// the installation is complete on disk and the run goes to its end.
#pragma once

#include "fileops/Ajuda.h"
#include "fileops/LinhasDescricao.h"
#include "fileops/Remocao.h"
#include "instalacao/CriadosNaCopia.h"
#include "instalacao/MarcaDeDisco.h"
#include "payload/container/CopiarFluxo.h"
#include "base/Owned.h"
#include "ui/Thread.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <exception>
#include <functional>
#include <set>
#include <string>

namespace kt {

// What the copying page shows; empty texts leave their label as it is.
struct TTelaDaCopia {
    std::int32_t Geral = 0;
    std::uint32_t Atual = 0;
    std::wstring Status;
    std::wstring Origem;
    std::wstring Destino;
};

// What the worker needs of the wizard window.
class TJanelaDaCopia {
public:
    // The description's rows. The worker reads and marks them on its own thread without a lock:
    // while it runs, the wizard shows only its copying page and touches none of them.
    virtual TListaLinhas& LinhasDeDiretorio() = 0;
    virtual TListaLinhas& LinhasDeArquivo() = 0;
    // The window's flags that the worker writes, from any thread.
    virtual void DefinirPodeFechar() = 0;
    virtual void DefinirErroDeDiretorio(bool erro) = 0;
    // On the main thread: the gauges, labels and hints of the copying page.
    virtual void MostrarTela(const TTelaDaCopia& tela) = 0;
    // On the main thread: back to the options page, after a directory could not be made.
    virtual void VoltarAsOpcoes() = 0;

protected:
    ~TJanelaDaCopia() = default;
};

// A product hook: takes the installation directory, ending in a path delimiter.
using TGancho = std::function<void(const std::wstring& diretorio)>;

// What the worker reads of the wizard and the description, fixed when the run starts.
struct TDadosDaCopia {
    // Where each base of a file row points; Instalacao is the directory that the user chose.
    TDiretoriosDestino Destinos;
    // The directory of the running program: the sources and the disk marker are there.
    std::wstring DiretorioDoPrograma;
    // The running program's own file, as the system reports it: what the plain-copy row that
    // names the program (kProprioPrograma) copies, whatever the program is called on disk.
    std::wstring Programa;
    std::int32_t NumeroDeDiscos = 0;
    bool ConferirDiscos = false;
    bool ConferirPrimeiroDisco = false;
    std::array<std::wstring, 2> IdentificacaoDoDisco;
    // The wizard's marker object, present when ConferirDiscos is on.
    TMarcaDeDisco* MarcaDeDisco = nullptr;
    // The hook of each installation option that the user checked; empty otherwise.
    std::array<TGancho, 3> Opcoes;
    TGancho RegistrarProduto;
    TGancho AoFinalizar;
    // Handed with every report of the worker's own.
    TRegistroAjuda Ajuda{};
};

class TCopiaDeArquivos : public ui::ThreadBody {
public:
    // Runs the worker on a thread of its own that frees itself, worker included, once the
    // notification has run on the main thread after Execute (the worker is still alive then).
    // The worker answers to the main thread until that notification.
    static TCopiaDeArquivos* Iniciar(TJanelaDaCopia& janela, TDadosDaCopia dados,
                                     std::function<void(TCopiaDeArquivos&)> aoTerminar);

    // Main thread: hold the worker before its next hand-over, and let it go again.
    void Pausar();
    void Continuar();
    // Main thread: stop the run at its next check point (it then removes what it created).
    void Parar() { parar_ = true; }

    // Whether the run stopped or failed and removed what it had created.
    bool Desfeita() const { return desfeita_; }

    void Execute() override;

private:
    TCopiaDeArquivos(TJanelaDaCopia& janela, TDadosDaCopia dados);

    // The steps of Execute.
    bool CriarDiretorios();
    void CopiarArquivos();
    void CopiarDisco(std::int64_t total, std::int64_t& feito);
    void TodosOsDiscosCopiados();
    void ProcessarArquivo(int linha, const TListaCampos& campos);
    bool EscreverArquivo(const TListaCampos& campos, const std::wstring& tipo);
    std::wstring OrigemDe(const TListaCampos& campos, const std::wstring& tipo) const;
    void VarrerPastaDoDestino();
    bool AnotarEscrito(bool novo);
    void CriarAtalhos();
    std::int64_t TotalDePeso();
    void MarcarDiretorio(int linha);
    void MarcarArquivo(int linha);

    // Main-thread steps.
    void VerificarDisco();
    bool ConferirMarcaDeDisco();
    void VerificarOrigem();
    void ConfirmarSobrescrita();
    void ErroDeDiretorioCriado();

    void Passo(std::int32_t geral, const wchar_t* status);
    void AtualizarTela();
    void AoProgredir(std::int32_t percentual, bool& parar);
    void Relatar(const std::wstring& problema, const std::wstring& arquivos,
                 const std::wstring& solucao);
    void MostrarExcecao(std::exception_ptr erro);
    void MostrarMensagemFinal(const wchar_t* mensagem);
    // Whether a screen waiting to be shown goes before the step.
    enum class TTelaAntes { Sempre, SeVencida };
    // Hands the step to the main thread once no question about stopping is on screen, after the
    // screen waiting to be shown; false, without the step, when the run is to stop.
    bool Sincronizar(const std::function<void()>& passo, TTelaAntes tela = TTelaAntes::Sempre);
    bool TelaVencida() const;
    // On the main thread.
    void MostrarTelaPendente();
    void MostrarTelaAntesDoGancho();
    bool Pausada() const;

    // Whether the run is to stop; a check point leaves the run when it is.
    bool Interrompida() const;
    void PontoDeParada() const;
    void Desfazer();

    TJanelaDaCopia& janela_;
    const TDadosDaCopia dados_;
    TEventoProgresso aoProgredir_;
    base::UniqueHandle semPausa_;
    TCriadosNaCopia criados_;
    // The new files that a killed run left are swept from each folder before the first write.
    TRemocao varredura_;
    std::set<std::wstring> varridas_;
    // Asked by the user: the close question, or "Cancelar Operação" in the locate dialog.
    std::atomic<bool> parar_{false};
    bool comprometida_ = false;
    // Every disk was processed: the wizard's PodeFechar, as the worker set it.
    bool todosOsDiscos_ = false;
    bool desfeita_ = false;

    std::int32_t disco_ = 0;
    bool discoPronto_ = false;
    bool copiar_ = false;
    bool perguntou_ = false;
    bool simParaTodos_ = false;
    bool naoParaTodos_ = false;
    std::wstring diretorioAtual_;
    TTelaDaCopia tela_;
    // tela_ changed since it was last shown, and when that was (GetTickCount64).
    bool telaPendente_ = false;
    unsigned long long ultimaTela_ = 0;
};

} // namespace kt
