// Pontilha.exe: the wizard with Pontilha's description and routines. No argument is read.
#include "core/formularios/ExecutarAssistente.h"
#include "core/program/Produto.h"
#include "core/program/RotinasPontilha.h"
#include "core/program/RotinasProduto.h"
#include "ui/Application.h"

#include <windows.h>

#include <cstring>
#include <exception>

namespace {

// Filled once before the wizard exists; the wizard works on its own copy.
kt::TRotinasProduto Rotinas;

void PreencherRotinas() {
    std::memset(&Rotinas, 0, sizeof Rotinas);
    Rotinas.TamanhoRotinas = kt::kTamanhoRotinas;
    Rotinas.RegistrarProduto = kt::RegistrarDesinstalacao;
    Rotinas.RemoverRegistro = kt::ApagarRegistroDesinstalacao;
    Rotinas.RemoverAtalhos = kt::RemoverAtalhosProduto;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Before anything can load a DLL: never from the program's own folder.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    try {
        ui::Application::Initialize();
        PreencherRotinas();
        kt::ExecutarAssistente(kt::produto::kNomeDescricao, Rotinas);
    } catch (...) {
        // The wizard could not run at all (its window could not be made).
        ui::Application::HandleException(std::current_exception());
        return 1;
    }
    return 0;
}
