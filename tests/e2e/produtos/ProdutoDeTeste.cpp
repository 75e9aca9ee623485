#include "tests/e2e/produtos/ProdutoDeTeste.h"

#include "core/formularios/ExecutarAssistente.h"
#include "ui/Application.h"

#include <windows.h>

#include <exception>

namespace produtos {

int ExecutarProdutoDeTeste(const kt::TConteudoDescricao& conteudo) {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    try {
        ui::Application::Initialize();
        kt::TRotinasProduto rotinas{};
        rotinas.TamanhoRotinas = kt::kTamanhoRotinas;
        kt::ExecutarAssistente(L"teste.ikt", rotinas, conteudo);
    } catch (...) {
        ui::Application::HandleException(std::current_exception());
        return 1;
    }
    return 0;
}

} // namespace produtos
