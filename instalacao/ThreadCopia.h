// The copy engine worker: the thread that carries out an installation once the user has confirmed
// it. It creates the description's directories, then, disk by disk, extracts, decompresses,
// copies or deletes the file of every file row, asking the user whenever a decision is needed,
// then calls the product's hooks for the shortcuts, the registry entry and the last step, and
// ends with a message box. Throughout it writes what the copying page shows.
//
// How it works: one line of steps with one outcome (TFimDaCopia), which the termination
// notification reads to decide what the window shows next. The worker never touches a window: its
// page reads the snapshot (instalacao/Trabalho.h); every step that shows something (a question, a
// report, the shortcut hooks, the extraction of an embedded file, the closing message) is handed
// to the main thread, which answers it; the services that run on the worker's own thread
// (decompression, copy) report through their slots, which bring the report to the main thread.
// The worker reaches the wizard only through TJanelaDaCopia, which must outlive the worker.
//
// What it wrote: every folder it creates and every file it writes is noted in the installation's
// diary as it goes (instalacao/CriadosNaCopia.h), so that the uninstall removes exactly those, also
// after a run that was killed halfway; the new files that such a run left are swept from each
// folder before the first file is written there.
//
// Stopping: the run stops at its next check point once it is asked to (the close question, or
// "Cancelar Operação" in the locate dialog), and also when a file could not be written; it then
// removes what it created (the files and folders that did not exist before it, each file only
// while it is still the one written) and its lines in the diary, before any closing message, and
// ends without shortcuts or registry entry. Once the shortcut hooks run, the installation is
// complete on disk and the run goes to its end.
#pragma once

#include "base/InlineFunction.h"
#include "fileops/Ajuda.h"
#include "fileops/LinhasDescricao.h"
#include "fileops/Progresso.h"
#include "fileops/Remocao.h"
#include "instalacao/CriadosNaCopia.h"
#include "instalacao/MarcaDeDisco.h"
#include "instalacao/Trabalho.h"

#include <array>
#include <cstdint>
#include <exception>
#include <set>
#include <string>

namespace kt {

// The ways an installation ends.
enum class TFimDaCopia {
    // Every disk processed; the shortcuts, the registry and the last step ran: "sucesso".
    Concluida,
    // The insert-disk prompt was answered with a stop: the rest ran, "Instalação interrompida.".
    DiscoRecusado,
    // An error in the file loop, shown: the rest ran, "Instalação interrompida.".
    ErroNosArquivos,
    // A directory could not be created (reported): back to the options, no closing message.
    DiretorioNaoCriado,
    // A file could not be written (reported): undone, then "Erro durante a instalação, ...".
    EscritaFalhou,
    // Stopped by the user: undone, no closing message.
    Cancelada,
    // An error in another step (a hook): "Erro durante a instalação, fechando o programa!".
    ErroNoPasso,
};

// What the worker needs of the wizard window.
class TJanelaDaCopia : public TPaginaDoTrabalho {
public:
    // The description's rows. The worker reads and marks them on its own thread without a lock:
    // while it runs, the wizard shows only its copying page and touches none of them.
    virtual TListaLinhas& LinhasDeDiretorio() = 0;
    virtual TListaLinhas& LinhasDeArquivo() = 0;
    // Every disk was processed: the window may close without asking. From the worker's thread.
    virtual void DefinirPodeFechar() = 0;
    // On the main thread: the closing message, in its message box; an error, in the toolkit's
    // standard display.
    virtual void MostrarMensagemFinal(const wchar_t* mensagem) = 0;
    virtual void MostrarErro(std::exception_ptr erro) = 0;

protected:
    ~TJanelaDaCopia() = default;
};

// A product hook: takes the installation directory, ending in a path delimiter.
using TGancho = base::InlineFunction<void(const std::wstring& diretorio)>;

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

class TCopiaDeArquivos : public TTrabalho {
public:
    TCopiaDeArquivos(TJanelaDaCopia& janela, TDadosDaCopia dados);

    void Execute() override;
    // How the run ended; read by the termination notification.
    TFimDaCopia Fim() const { return fim_; }

private:
    TFimDaCopia Instalar();
    bool CriarDiretorios();
    TFimDaCopia CopiarArquivos();
    // False when the disk was refused.
    bool CopiarDisco(std::int32_t disco, std::int64_t total, std::int64_t& feito);
    void ProcessarArquivo(int linha, const TListaCampos& campos);
    bool EscreverArquivo(const TListaCampos& campos, const std::wstring& tipo,
                         const std::wstring& origem, const std::wstring& destino);
    std::wstring OrigemDe(const TListaCampos& campos, const std::wstring& tipo) const;
    bool AnotarEscrito(const std::wstring& destino, bool novo);
    void Concluir(bool todosOsDiscos);
    void Desfazer();
    std::int64_t TotalDePeso();
    void MarcarDiretorio(int linha);
    void MarcarArquivo(int linha);

    // Main-thread steps; each answers what the worker goes on with.
    bool VerificarDisco(std::int32_t disco);
    bool ConferirMarcaDeDisco(std::int32_t disco);
    struct TOrigem {
        std::wstring Caminho;
        bool Copiar = false;
        bool Cancelar = false;
    };
    TOrigem VerificarOrigem(const std::wstring& origem);
    struct TSobrescrita {
        bool Copiar = false;
        bool Perguntou = false;
    };
    TSobrescrita ConfirmarSobrescrita(const std::wstring& origem, const std::wstring& destino);
    void ErroDeDiretorioCriado();
    void CriarAtalhos();

    void Passo(std::int32_t geral, const wchar_t* status);
    void AoProgredir(std::int32_t percentual, bool& parar);
    void Relatar(const std::wstring& problema, const std::wstring& arquivos,
                 const std::wstring& solucao);
    void MostrarExcecao(std::exception_ptr erro);
    void MostrarMensagemFinal(const wchar_t* mensagem);

    TJanelaDaCopia& janela_;
    const TDadosDaCopia dados_;
    TCriadosNaCopia criados_;
    // The new files that a killed run left are swept from each folder before the first write.
    TRemocao varredura_;
    std::set<std::wstring> varridas_;
    TFimDaCopia fim_ = TFimDaCopia::ErroNoPasso;
    // The "to all" answers of the overwrite question last for the whole run, over all disks.
    bool simParaTodos_ = false;
    bool naoParaTodos_ = false;
    std::wstring diretorioAtual_;
};

} // namespace kt
