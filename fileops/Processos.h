// Starting a program and waiting for it while the window thread stays alive.
#pragma once

#include "base/Owned.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kt {

// What a wait lets through while it waits (EsperarObjetos).
enum TModoEspera : std::int32_t {
    // Every message of the application is handled: the windows stay fully usable.
    kEsperaProcessandoTudo = 0,
    // Only paint messages: the windows are redrawn, nothing else happens.
    kEsperaPintando = 1,
};

// Waits until one of the handles handles[0..indiceUltimo] is signalled or the time-out
// (milliseconds, INFINITE for none) has passed; both count as success. False when the wait
// itself fails. Modes 0 and 1 handle the thread's messages as TModoEspera says; any other mode
// waits on the handles alone. Each message handled starts the time-out anew.
bool EsperarObjetos(const HANDLE* handles, std::uint32_t indiceUltimo, std::int32_t modo,
                    std::uint32_t tempoLimite);

// Starts the program with the parameters (which, when given, begin with their own blank) in a
// console of its own and the show state, and waits for its end with EsperarObjetos in modoEspera.
// False when it cannot be started (no report: the caller decides), otherwise the wait's result.
// The parameters are a short string, cut to 255 characters; a program's path longer than that
// cannot be started.
bool ExecutarEEsperar(std::wstring_view programa, std::wstring_view parametros,
                      std::uint16_t exibicao, std::int32_t modoEspera);

// Asks Windows to restart the computer, first taking the shutdown privilege that a restart needs
// (a program holds it without having it enabled). False when Windows refuses.
bool ReiniciarComputador();

// A started process, its handles held by their owners.
struct TProcessoIniciado {
    base::UniqueHandle Processo;
    base::UniqueHandle Tarefa;
};

// Starts the command line (no inherited handles, the caller's environment) with the show state and
// the creation flags, in the folder given or else the caller's current one; nothing when it cannot
// be started. The program is the application given by its full path, or else the one that the
// command line names, looked for as Windows looks for it.
std::optional<TProcessoIniciado> IniciarProcesso(const std::wstring& linhaDeComando,
                                                 std::uint16_t exibicao, DWORD criacao,
                                                 const std::wstring& pasta = {},
                                                 const std::wstring& aplicativo = {});

// The command line of a program and its parameters, joined with nothing in between. A program
// path with a blank is quoted: unquoted, Windows would first try to start "C:\Program.exe" for
// "C:\Program Files\...".
std::wstring LinhaDeComando(std::wstring_view programa, std::wstring_view parametros);

} // namespace kt
