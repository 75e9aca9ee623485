// A wizard with two components that differ between compact and normal installation and were
// installed one but not the other, one file to copy, a third installation option, and a caption
// and instructions of its own.
#include "core/ArquivosIAC/Descricao.h"
#include "fileops/Arquivos.h"
#include "tests/e2e/produtos/ProdutoDeTeste.h"
#include "tests/e2e/produtos/Produtos.h"

#include <windows.h>

namespace {

const wchar_t* SimOuNao(bool valor) {
    return valor ? kt::kSim : kt::kNao;
}

void PreencherComponentes(kt::TDadosDescricao& descricao, const std::wstring& diretorioPrograma) {
    kt::TConfiguracaoInstalacao& c = descricao.Configuracao;
    c.NumeroDeDiscos = 1;
    c.Opcoes[0] = {true, true, L"Criar atalho no menu iniciar"};
    c.Opcoes[1] = {true, false, L"Criar atalho na área de trabalho"};
    c.Opcoes[2] = {true, true, produtos::kLegendaOpcao3};
    c.DiretorioDeInstalacao = diretorioPrograma;
    c.Instalado = kt::EhArquivo(diretorioPrograma + produtos::kManualComponentes);
    c.PermiteAlterar = true;
    c.PermiteReinstalar = true;
    c.PermiteCompacta = true;
    c.TituloDaJanela = produtos::kTituloComponentes;
    c.Instrucoes = produtos::kInstrucoesComponentes;
    c.NomeDoDiretorioPadrao = produtos::kDiretorioComponentes;
    for (const produtos::TComponente& componente : produtos::kComponentes)
        descricao.Componentes.Adicionar(
            std::wstring(componente.Nome) + L", " + componente.Descricao + L", " +
            SimOuNao(componente.Compacta) + L", " + SimOuNao(componente.Normal) + L", sim, " +
            SimOuNao(componente.Instalado));
    descricao.Arquivos.Adicionar(std::wstring(produtos::kArquivoComponentes) +
                                 L", 0, não, Base, , " + produtos::kArquivoComponentes +
                                 L", 1, 1, sim");
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return produtos::ExecutarProdutoDeTeste(PreencherComponentes);
}
