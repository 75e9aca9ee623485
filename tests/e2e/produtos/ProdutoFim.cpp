// A wizard whose interest is what follows the copy: shortcut hooks that fail, the description
// kept as a file row, a program started after the installation and waited for, and the question
// to restart the computer.
#include "core/ArquivosIAC/Descricao.h"
#include "tests/e2e/produtos/ProdutoDeTeste.h"
#include "tests/e2e/produtos/Produtos.h"
#include "base/Exception.h"

#include <windows.h>

namespace {

void PreencherFim(kt::TDadosDescricao& descricao, const std::wstring& diretorioPrograma) {
    kt::TConfiguracaoInstalacao& c = descricao.Configuracao;
    c.NumeroDeDiscos = 1;
    c.Opcoes[0] = {true, true, L"Primeiro atalho"};
    c.Opcoes[1] = {true, true, L"Segundo atalho"};
    c.DiretorioDeInstalacao = diretorioPrograma;
    c.PermiteReinstalar = true;
    c.TituloDaJanela = produtos::kTituloFim;
    c.NomeDoDiretorioPadrao = L"Produto Fim";
    c.GuardarDescricao = true;
    c.ProgramaAoTerminar = produtos::kProgramaAoTerminar;
    c.ReiniciarAoTerminar = true;
    descricao.Componentes.Adicionar(L"Leia-me, O arquivo leia-me, sim, sim, sim, não");
    descricao.Arquivos.Adicionar(std::wstring(produtos::kArquivoFim) + L", 0, não, Base, , " +
                                 produtos::kArquivoFim + L", 1, 1, sim");
}

void AtalhoInvalido(const std::wstring&) {
    throw base::EAccessViolation(L"Rotina de atalho inválida.");
}

void AtalhoQueMarca(const std::wstring& diretorio) {
    CloseHandle(CreateFileW((diretorio + produtos::kMarcaDaOpcao2).c_str(), GENERIC_WRITE, 0,
                            nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    kt::TRotinasProduto rotinas{};
    rotinas.Opcao1 = AtalhoInvalido;
    rotinas.Opcao2 = AtalhoQueMarca;
    return produtos::ExecutarProdutoDeTeste(PreencherFim, rotinas);
}
