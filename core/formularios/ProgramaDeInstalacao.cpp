#include "core/formularios/ProgramaDeInstalacao.h"

#include "core/formularios/ExecutarAssistente.h"
#include "dialogs/CentralSolucoes.h"
#include "dialogs/ServicosKT.h"
#include "ui/Application.h"
#include "ui/SystemLibraries.h"

#include <windows.h>

#include <exception>
#include <utility>

namespace kt {

int ExecutarProgramaDeInstalacao(const std::wstring& nomeDescricao, const TRotinasProduto& rotinas,
                                 TConteudoDescricao conteudo) {
    // Before anything can load a DLL: a setup program runs next to whatever was downloaded.
    ui::LoadDllsFromSystemDirectoryOnly();
    const ui::PreloadedSystemLibraries precarregadas;
    try {
        const ui::Application::Session sessao;
        const TCentralSolucoesDoPrograma central;
        const TServicosDeJanelaInstalados janelas(ServicosDeJanelaDoFramework());
        ExecutarAssistente(nomeDescricao, rotinas, std::move(conteudo));
    } catch (...) {
        ui::Application::HandleException(std::current_exception());
        return 1;
    }
    return 0;
}

} // namespace kt
