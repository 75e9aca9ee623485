#include "core/formularios/TextosAssistente.h"
#include "fileops/Texto.h"
#include "payload/TextosCopia.h"
#include "tests/unit/Esperados.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

namespace copia = kt::textos_copia;
namespace assistente = kt::textos_assistente;

// Every text of an installation's copying and end, as the saved file lists them: "name<TAB>text".
const std::vector<std::pair<const char*, const wchar_t*>> kTextos = {
    {"copia.criando_diretorios", copia::kCriandoDiretorios},
    {"copia.copiando_arquivos", copia::kCopiandoArquivos},
    {"copia.criando_atalhos", copia::kCriandoAtalhos},
    {"copia.atualizando_registro", copia::kAtualizandoRegistro},
    {"copia.finalizando", copia::kFinalizando},
    {"copia.terminou", copia::kTerminou},
    {"copia.informacao", copia::kInformacao},
    {"copia.sucesso", copia::kSucesso},
    {"copia.interrompida", copia::kInterrompida},
    {"copia.erro_durante_instalacao", copia::kErroDuranteInstalacao},
    {"copia.erro_no_total", copia::kErroNoTotal},
    {"copia.nao_e_zlib", copia::kNaoEZLib},
    {"copia.diretorio_nao_criado", copia::kDiretorioNaoCriado},
    {"copia.erro_no_atalho", copia::kErroNoAtalho},
    {"copia.conjunto_de_discos", copia::kConjuntoDeDiscos},
    {"assistente.reiniciar", assistente::kReiniciar},
    {"assistente.reinicio_recusado", assistente::kReinicioRecusado},
};

TEST(TextosCopia, EveryTextIsTheSavedOne) {
    std::string atual;
    for (const auto& [nome, texto] : kTextos)
        atual += std::string(nome) + "\t" + kt::Utf8(texto) + "\n";
    EXPECT_EQ(atual, teste::LerEsperado("TextosCopia.txt"));
}

} // namespace
