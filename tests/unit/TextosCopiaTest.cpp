#include "fileops/Texto.h"
#include "instalacao/TextosCopia.h"
#include "tests/unit/Esperados.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

namespace copia = kt::textos_copia;

// Every text of the copy worker, as the saved file lists them: "name<TAB>text". Its message boxes'
// caption is pinned with the wizard's texts, which name it too.
const std::vector<std::pair<const char*, const wchar_t*>> kTextos = {
    {"copia.criando_diretorios", copia::kCriandoDiretorios},
    {"copia.copiando_arquivos", copia::kCopiandoArquivos},
    {"copia.criando_atalhos", copia::kCriandoAtalhos},
    {"copia.atualizando_registro", copia::kAtualizandoRegistro},
    {"copia.finalizando", copia::kFinalizando},
    {"copia.terminou", copia::kTerminou},
    {"copia.sucesso", copia::kSucesso},
    {"copia.interrompida", copia::kInterrompida},
    {"copia.erro_durante_instalacao", copia::kErroDuranteInstalacao},
    {"copia.erro_no_total", copia::kErroNoTotal},
    {"copia.nao_e_zlib", copia::kNaoEZLib},
    {"copia.diretorio_nao_criado", copia::kDiretorioNaoCriado},
    {"copia.erro_no_atalho", copia::kErroNoAtalho},
    {"copia.conjunto_de_discos", copia::kConjuntoDeDiscos},
};

TEST(TextosCopia, EveryTextIsTheSavedOne) {
    std::string atual;
    for (const auto& [nome, texto] : kTextos)
        atual += std::string(nome) + "\t" + kt::Utf8(texto) + "\n";
    EXPECT_EQ(atual, teste::LerEsperado("TextosCopia.txt"));
}

} // namespace
