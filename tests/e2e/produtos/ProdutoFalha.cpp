// A wizard whose description cannot be filled: its content function raises.
#include "tests/e2e/produtos/ProdutoDeTeste.h"
#include "base/Exception.h"

#include <windows.h>

namespace {

void FalharAoPreencher(kt::TDadosDescricao&, const std::wstring&) {
    throw base::Exception(L"A descrição do produto de teste não pôde ser lida.");
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return produtos::ExecutarProdutoDeTeste(FalharAoPreencher);
}
