#include "dialogs/TextosDialogos.h"

#include "tests/unit/Esperados.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace kt;

// Every text of the framework's dialogs, as the saved file lists them: "name<TAB>text".
const std::vector<std::pair<const char*, std::wstring_view>> kTextos = {
    {"sobrescrever.titulo", textos_sobrescrever::kTitulo},
    {"sobrescrever.descricao", textos_sobrescrever::kDescricao},
    {"sobrescrever.substituir", textos_sobrescrever::kSubstituir},
    {"sobrescrever.por", textos_sobrescrever::kPor},
    {"sobrescrever.tamanho", textos_sobrescrever::kTamanho},
    {"sobrescrever.idade", textos_sobrescrever::kIdade},
    {"sobrescrever.versao", textos_sobrescrever::kVersao},
    {"sobrescrever.sem_informacoes", textos_sobrescrever::kSemInformacoes},
    {"sobrescrever.sim", textos_sobrescrever::kSim},
    {"sobrescrever.nao", textos_sobrescrever::kNao},
    {"sobrescrever.sim_todos", textos_sobrescrever::kSimTodos},
    {"sobrescrever.nao_todos", textos_sobrescrever::kNaoTodos},
    {"sobrescrever.e", textos_sobrescrever::kE},
    {"sobrescrever.bytes", textos_sobrescrever::kBytes},
    {"sobrescrever.kb", textos_sobrescrever::kKb},
    {"sobrescrever.extensao_conteiner", textos_sobrescrever::kExtensaoConteiner},
    {"inserir_disco.titulo", textos_inserir_disco::kTitulo},
    {"inserir_disco.cancelar", textos_inserir_disco::kCancelar},
    {"inserir_disco.prosseguir", textos_inserir_disco::kProsseguir},
    {"inserir_disco.nao_checar", textos_inserir_disco::kNaoChecar},
    {"inserir_disco.confirmacao", textos_inserir_disco::kConfirmacao},
    {"encontrar.titulo", textos_encontrar::kTitulo},
    {"encontrar.instrucoes", textos_encontrar::kInstrucoes},
    {"encontrar.local", textos_encontrar::kLocal},
    {"encontrar.procurar", textos_encontrar::kProcurar},
    {"encontrar.dica_procurar", textos_encontrar::kDicaProcurar},
    {"encontrar.ajuda", textos_encontrar::kAjuda},
    {"encontrar.ignorar", textos_encontrar::kIgnorar},
    {"encontrar.continuar", textos_encontrar::kContinuar},
    {"encontrar.cancelar", textos_encontrar::kCancelar},
    {"diretorios.titulo_padrao", textos_diretorios::kTituloPadrao},
    {"diretorios.drive", textos_diretorios::kDrive},
    {"diretorios.diretorio", textos_diretorios::kDiretorio},
    {"diretorios.abrir", textos_diretorios::kAbrir},
    {"diretorios.cancelar", textos_diretorios::kCancelar},
    {"diretorios.ajuda", textos_diretorios::kAjuda},
    {"diretorios.nova_pasta", textos_diretorios::kNovaPasta},
    {"diretorios.dica_nova_pasta", textos_diretorios::kDicaNovaPasta},
    {"diretorios.excluir", textos_diretorios::kExcluir},
    {"diretorios.dica_excluir", textos_diretorios::kDicaExcluir},
    {"diretorios.meus_documentos", textos_diretorios::kMeusDocumentos},
    {"diretorios.dica_meus_documentos", textos_diretorios::kDicaMeusDocumentos},
    {"diretorios.confirmacao", textos_diretorios::kConfirmacao},
    {"diretorios.titulo_nova_pasta", textos_diretorios::kTituloNovaPasta},
    {"diretorios.instrucoes", textos_diretorios::kInstrucoes},
    {"diretorios.criar", textos_diretorios::kCriar},
    {"diretorios.cancelar_nova_pasta", textos_diretorios::kCancelarNovaPasta},
    {"diretorios.nome_invalido", textos_diretorios::kNomeInvalido},
};

TEST(TextosDialogos, EveryTextIsTheSavedOne) {
    std::string atual;
    for (const auto& [nome, texto] : kTextos)
        atual += std::string(nome) + "\t" + Utf8(texto) + "\n";
    EXPECT_EQ(atual, teste::LerEsperado("TextosDialogos.txt"));
}

} // namespace
