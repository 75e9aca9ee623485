// Pontilha.exe: the wizard with Pontilha's description and routines. No argument is read.
#include "core/produto/ConteudoPontilha.h"
#include "core/formularios/ProgramaDeInstalacao.h"
#include "core/produto/Produto.h"
#include "core/produto/RotinasPontilha.h"
#include "core/formularios/RotinasProduto.h"

#include <windows.h>

#include <cstring>

namespace {

// Filled once before the wizard exists; the wizard works on its own copy.
kt::TRotinasProduto Rotinas;

void PreencherRotinas() {
    std::memset(&Rotinas, 0, sizeof Rotinas);
    Rotinas.TamanhoRotinas = kt::kTamanhoRotinas;
    Rotinas.RegistrarProduto = kt::RegistrarDesinstalacao;
    Rotinas.Opcao1 = kt::CriarAtalhoMenuIniciar;
    Rotinas.Opcao2 = kt::CriarAtalhoAreaDeTrabalho;
    Rotinas.RemoverRegistro = kt::ApagarRegistroDesinstalacao;
    Rotinas.RemoverAtalhos = kt::RemoverAtalhosProduto;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    PreencherRotinas();
    return kt::ExecutarProgramaDeInstalacao(kt::produto::kNomeDescricao, Rotinas,
                                            kt::PreencherConteudoPontilha,
                                            kt::produto::kNomeExibido);
}
