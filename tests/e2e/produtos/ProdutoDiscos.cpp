// A wizard installed from three disks that it identifies by their marker, with plain and ".ZLib"
// rows on each, a row that removes a file, a row never installed and two sources missing.
#include "core/ArquivosIAC/Descricao.h"
#include "tests/e2e/produtos/ProdutoDeTeste.h"
#include "tests/e2e/produtos/Produtos.h"

#include <windows.h>

namespace {

void PreencherDiscos(kt::TDadosDescricao& descricao, const std::wstring& diretorioPrograma) {
    kt::TConfiguracaoInstalacao& c = descricao.Configuracao;
    c.NumeroDeDiscos = produtos::kDiscos;
    c.ConferirDiscos = true;
    c.IdentificacaoDoDisco = {produtos::kIdentificacaoDosDiscos[0],
                              produtos::kIdentificacaoDosDiscos[1]};
    c.DiretorioDeInstalacao = diretorioPrograma;
    c.PermiteReinstalar = true;
    c.TituloDaJanela = produtos::kTituloDiscos;
    c.NomeDoDiretorioPadrao = produtos::kDiretorioDiscos;
    descricao.Componentes.Adicionar(L"Curso, Todos os capítulos, sim, sim, sim, não");
    descricao.Diretorios.Adicionar(std::wstring(produtos::kPastaDosDados) + L", 0, 0, sim");
    for (const produtos::TArquivoDeDisco& a : produtos::kArquivosDosDiscos)
        descricao.Arquivos.Adicionar(std::wstring(a.Origem) + L", 0, " + a.Tipo + L", Base, " +
                                     a.Pasta + L", " + a.Nome + L", " + std::to_wstring(a.Disco) +
                                     L", 1, " + a.Estado);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return produtos::ExecutarProdutoDeTeste(PreencherDiscos);
}
