// The services that show a window: the Solutions Center's report and the framework's dialogs.
//
// How it works: the windows stand above the services, so a service that reports a failure or
// asks the user something never calls a window by name; it calls a slot of the installed
// TServicosDeJanela. The program fills the slots at start-up with its windows (the service
// table's entries 14 to 18, dialogs/ServicosKT.h), a test with recorders. Slots are filled on
// the main thread before any service runs and read from any thread. A report through an empty
// slot is a report that could not be shown (Relatar answers false); a question through an empty
// slot raises std::bad_function_call inside the asking service, which reports it as any error.
#pragma once

#include "fileops/Ajuda.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kt {

// The answers of the three questions, as their slots return them (16 to 18).
enum TRespostaSobrescrever : std::int32_t {
    kSobrescrever = 0,      // "&sim": replace this file
    kManter = 1,            // "&Não", or the window closed any other way: keep the existing file
    kSobrescreverTodos = 2, // "Sim para todos"
    kManterTodos = 3,       // "Não para todos"
};

// Which "to all" buttons the overwrite confirmation shows: none, either, or 3 for both.
inline constexpr std::uint8_t kBotaoSimTodos = 1;
inline constexpr std::uint8_t kBotaoNaoTodos = 2;

enum TRespostaDisco : std::int32_t {
    kDiscoParar = 0,      // "&Cancelar" confirmed, or the window closed any other way
    kDiscoProsseguir = 1, // the disk is in: check it again
    kDiscoNaoChecar = 2,  // go on without checking the disk
};

enum TRespostaEncontrar : std::int32_t {
    kEncontrarIgnorar = 0,   // "&Ignorar Arquivo", or the window closed any other way
    kEncontrarCancelar = 1,  // "Cancelar &Operação": cancel the whole operation
    kEncontrarContinuar = 2, // "&Continuar": use the file named in the path box
};

struct TServicosDeJanela {
    // 14. The directory browser: initial directory, chosen directory, its capacity, options and
    // caption; whether a directory was chosen.
    std::function<bool(std::wstring_view inicial, std::wstring& escolhido, std::int32_t capacidade,
                       std::int32_t opcoes, std::wstring_view legenda)>
        EscolherDiretorio;
    // 15. The Solutions Center's report: module, problem, files, solution, help record and lock;
    // whether it was shown and closed.
    std::function<bool(std::wstring_view modulo, std::wstring_view problema,
                       std::wstring_view arquivos, std::wstring_view solucao,
                       const TRegistroAjuda* ajuda, CRITICAL_SECTION* trava)>
        MostrarCentralSolucoes;
    // 16. The overwrite confirmation: source, destination, which "to all" buttons to show and
    // whether to describe the source; the answer 0 to 3.
    std::function<std::int32_t(std::wstring_view origem, std::wstring_view destino,
                               std::int32_t botoes, bool descreverOrigem)>
        PerguntarSobrescrever;
    // 17. The insert-disk prompt: disk number, set name and quit question; the answer 0 to 2.
    std::function<std::int32_t(std::int32_t disco, std::wstring_view nomeDoConjunto,
                               std::wstring_view perguntaDeSaida)>
        PedirDisco;
    // 18. The locate-missing-file dialog: the file name (in and out) and its capacity; the
    // answer 0 to 2.
    std::function<std::int32_t(std::wstring& nomeArquivo, std::int32_t capacidade)>
        EncontrarArquivo;
};

// The slots installed now; all empty while nothing is installed.
const TServicosDeJanela& ServicosDeJanela();

// Installs the slots for its own life; the ones it replaced come back when it ends.
class TServicosDeJanelaInstalados {
public:
    explicit TServicosDeJanelaInstalados(TServicosDeJanela servicos);
    ~TServicosDeJanelaInstalados();
    TServicosDeJanelaInstalados(const TServicosDeJanelaInstalados&) = delete;
    TServicosDeJanelaInstalados& operator=(const TServicosDeJanelaInstalados&) = delete;

private:
    TServicosDeJanela anteriores_;
};

// A report through slot 15, as MostrarCentralSolucoes takes it; false when the slot is empty or
// the report could not be shown. Never throws.
bool Relatar(std::wstring_view modulo, std::wstring_view problema, std::wstring_view arquivos,
             std::wstring_view solucao, const TRegistroAjuda* ajuda,
             CRITICAL_SECTION* trava) noexcept;

} // namespace kt
