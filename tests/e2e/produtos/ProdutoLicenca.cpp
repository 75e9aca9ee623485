// A wizard with a licence page: Pontilha's description naming two licence files.
#include "core/produto/ConteudoPontilha.h"
#include "tests/e2e/produtos/ProdutoDeTeste.h"
#include "tests/e2e/produtos/Produtos.h"

#include <windows.h>

namespace {

void PreencherComLicenca(kt::TDadosDescricao& descricao, const std::wstring& diretorioPrograma) {
    kt::PreencherConteudoPontilha(descricao, diretorioPrograma);
    descricao.Configuracao.ArquivoDeLicenca = produtos::kArquivoDeLicenca;
    descricao.Configuracao.ArquivoDeLicencaAlternativo = produtos::kArquivoDeLicencaAlternativo;
    descricao.Configuracao.ObservacaoLicenca = produtos::kObservacaoLicenca;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return produtos::ExecutarProdutoDeTeste(PreencherComLicenca);
}
