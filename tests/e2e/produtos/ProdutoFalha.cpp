// A wizard whose description cannot be filled: its content function raises.
#include "tests/e2e/produtos/ProdutoDeTeste.h"
#include "ui/Exception.h"

#include <windows.h>

namespace {

void FalharAoPreencher(kt::TDadosDescricao&, const std::wstring&) {
    throw ui::Exception(L"A descrição do produto de teste não pôde ser lida.");
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return produtos::ExecutarProdutoDeTeste(FalharAoPreencher);
}
