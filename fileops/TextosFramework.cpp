#include "fileops/TextosFramework.h"

#include <array>

namespace kt {

namespace {

// Five entries, one per use, carry this same text.
constexpr std::wstring_view kSemSolucaoTexto =
    L"A Central de Soluções não pode resolver o problema. Entre em contado com o suporte do "
    L"produto e relate-o.";

constexpr std::array kTabela = {
    TTextoFramework{ids::kDiscoNaoPronto, L"O disco não está pronto."},
    TTextoFramework{ids::kDiscoNaoProntoSolucao,
                    L"Verifique se o disco está no drive específicado e se estiver pode estar "
                    L"precisando ser limpo ou estar com defeito."},
    TTextoFramework{ids::kAcessoNegado, L"Acesso ao arquivo foi negado."},
    TTextoFramework{ids::kAcessoNegadoSolucao,
                    L"Abra o Windows Explorer e selecione o arquivo. Clique nele com o botão "
                    L"direito e clique em \"Propriedades\", depois desmarque a caixa de seleção "
                    L"\"Somente-Leitura\"."},
    TTextoFramework{ids::kDiscoCheio, L"O disco está cheio."},
    TTextoFramework{ids::kDiscoCheioSolucao,
                    L"Remova um ou mais arquivos para que o programa possa escrever no disco. Caso "
                    L"isso não seja possivel utilize outro modo de armazenar informações, como um "
                    L"CD."},
    TTextoFramework{ids::kDiscoProtegido, L"Disco protegido contra gravação."},
    TTextoFramework{ids::kDiscoProtegidoSolucao,
                    L"Remova a proteção contra gravação do disco. Nos disquetes isso é feito "
                    L"deslocando para cima um pequeno quadrado localizado no canto inferior "
                    L"direito atráz dele."},
    TTextoFramework{ids::kDiscoNaoDOS, L"O disco não pode ser acessado."},
    TTextoFramework{ids::kDiscoNaoDOSSolucao,
                    L"Formate o disco. Para isso abra o Windows Explorer, clique com o botão "
                    L"direito no drive do disco e clique em \"Formatar...\"."},
    TTextoFramework{ids::kJaExiste, L"O arquivo a ser criado já existe."},
    TTextoFramework{ids::kJaExisteSolucao, kSemSolucaoTexto},
    TTextoFramework{ids::kImpossivelCriar, L"Impossivel criar o arquivo."},
    TTextoFramework{ids::kImpossivelCriarSolucao, kSemSolucaoTexto},
    TTextoFramework{ids::kViolacaoCompartilhamento, L"Violação de compartilhamento."},
    TTextoFramework{ids::kViolacaoCompartilhamentoSolucao,
                    L"Feche outros programas que possam estar bloqueando o acesso ao arquivo."},
    TTextoFramework{ids::kCaminhoInvalido, L"Caminho invalido."},
    TTextoFramework{ids::kCaminhoInvalidoSolucao,
                    L"Verifique se o caminho está digitado corretamente e se ele existe."},
    TTextoFramework{ids::kSemMemoria, L"Não há memória RAM disponível."},
    TTextoFramework{ids::kSemMemoriaSolucao, L"Feche um ou mais programas e/ou arquivos."},
    TTextoFramework{ids::kViolacaoDeAcesso, L"Violação de acesso à memória."},
    TTextoFramework{ids::kViolacaoDeAcessoSolucao,
                    L"O endereço da estrutura  ou objeto enviado pelo programa para o Utilitários "
                    L"Vendrel não é valido.A Central de Soluções não pode resolver o problema. "
                    L"Entre em contado com o suporte do produto e relate-o."},
    TTextoFramework{ids::kErroInesperado, L"Erro de I/O inexperado."},
    TTextoFramework{ids::kErroInesperadoSolucao,
                    L"A Central de Soluções não pode resolver o problema. Entre em contado com o "
                    L"suporte do produto e relate-o. O número de erro retornado pelo Windows é "
                    L"%d."},
    TTextoFramework{ids::kCopiaImpossivel, L"Não é possivel copiar o arquivo."},
    TTextoFramework{ids::kCopiaSemOrigem,
                    L"O arquivo a ser copiado não existe, cancelando a copia."},
    TTextoFramework{ids::kCopiaSobreSiMesmo,
                    L"    O nome completo do arquivo a ser copiado é igual ao do destino. Tentar "
                    L"copiar apenas resultaria na destruição do conteúdo do arquivo inicial, por "
                    L"isso a ação foi cancelada."},
    TTextoFramework{ids::kAtalhoImpossivel, L"Não pode criar o atalho."},
    TTextoFramework{ids::kAtalhoSolucao, kSemSolucaoTexto},
    TTextoFramework{ids::kVersaoIlegivel, L"Erro ao lêr a versão do arquivo."},
    TTextoFramework{ids::kVersaoSolucao, kSemSolucaoTexto},
    TTextoFramework{ids::kSemSolucao, kSemSolucaoTexto},
    TTextoFramework{ids::kValorLocal, L"LOCAL"},
    TTextoFramework{ids::kChaveFramework, L"\\Software\\Vendrel\\Utilitários Vendrel\\"},
    TTextoFramework{ids::kArquivoAjuda, L"KT.hlp"},
    TTextoFramework{ids::kModulo, L"Módulo: "},
    TTextoFramework{ids::kArquivos, L"Arquivo(s): "},
    TTextoFramework{ids::kProblema, L"Problema: "},
    TTextoFramework{ids::kSolucao, L"Solução: "},
    TTextoFramework{ids::kNaoInformado, L"Não Informado"},
    TTextoFramework{ids::kNenhumArquivo, L"Nenhum arquivo envolvido"},
    TTextoFramework{ids::kInsiraDisco, L"        Por favor insira o disco número %s do %s."},
    TTextoFramework{ids::kSair, L"Tem certeza que deseja sair?"},
    TTextoFramework{ids::kExcluirDiretorio, L"Tem certeza que deseja excluir o diretório %s?"},
    TTextoFramework{ids::kNovaPasta, L"Nova Pasta"},
    TTextoFramework{ids::kDistribuicao, L" Distribuição "},
    TTextoFramework{ids::kConstrucao, L" Construção "},
    TTextoFramework{ids::kPatch, L" Patch "},
};

} // namespace

std::span<const TTextoFramework> TabelaTextosFramework() {
    return kTabela;
}

std::wstring_view TextoFramework(int id) {
    for (const TTextoFramework& entrada : kTabela) {
        if (entrada.Id == id)
            return entrada.Texto;
    }
    return {};
}

} // namespace kt
