#include "tests/e2e/produtos/ProdutoDeTeste.h"

#include "core/formularios/ProgramaDeInstalacao.h"

namespace produtos {

int ExecutarProdutoDeTeste(const kt::TConteudoDescricao& conteudo, kt::TRotinasProduto rotinas) {
    rotinas.TamanhoRotinas = kt::kTamanhoRotinas;
    return kt::ExecutarProgramaDeInstalacao(L"teste.ikt", rotinas, conteudo);
}

} // namespace produtos
