// A recording report slot: while an action runs, the reports that the services hand to the
// installed slot are kept, with the thread that made each, instead of being shown.
#pragma once

#include "fileops/Ajuda.h"
#include "fileops/ServicosDeJanela.h"

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace teste {

struct TRelatorioGravado {
    std::wstring Modulo;
    std::wstring Problema;
    std::wstring Arquivos;
    std::wstring Solucao;
    // A copy of the help record handed with the report, when there was one.
    std::optional<kt::TRegistroAjuda> Ajuda;
    DWORD Tarefa = 0;
};

// Runs the action, on this thread, with the recorder in the report slot and the other slots as
// given (empty unless told), and answers the reports it made, in order; the slots are as before
// afterwards.
std::vector<TRelatorioGravado> Gravando(const std::function<void()>& acao,
                                        kt::TServicosDeJanela outros = {});

} // namespace teste
