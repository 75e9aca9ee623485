// Pontilha's wizard taking its time to fill the description, so that its loading page can be
// seen. The window keeps handling its messages meanwhile.
#include "core/produto/ConteudoPontilha.h"
#include "tests/e2e/produtos/ProdutoDeTeste.h"
#include "tests/e2e/produtos/Produtos.h"
#include "ui/Application.h"

#include <windows.h>

#include <chrono>

namespace {

void PreencherDevagar(kt::TDadosDescricao& descricao, const std::wstring& diretorioPrograma) {
    const auto fim = std::chrono::steady_clock::now() + produtos::kEsperaDoProdutoLento;
    while (std::chrono::steady_clock::now() < fim) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        ui::Application::ProcessMessages();
    }
    kt::PreencherConteudoPontilha(descricao, diretorioPrograma);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return produtos::ExecutarProdutoDeTeste(PreencherDevagar);
}
