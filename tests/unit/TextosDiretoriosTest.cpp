#include "dialogs/TextosDiretorios.h"

#include "fileops/Texto.h"
#include "tests/unit/Esperados.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

namespace t = kt::textos_diretorios;

// One "name<TAB>text" line per text, in the order of the header.
TEST(TextosDiretorios, EveryTextIsTheSavedOne) {
    const std::pair<const char*, std::wstring_view> textos[] = {
        {"TituloPadrao", t::kTituloPadrao},
        {"Drive", t::kDrive},
        {"Diretorio", t::kDiretorio},
        {"Abrir", t::kAbrir},
        {"Cancelar", t::kCancelar},
        {"Ajuda", t::kAjuda},
        {"NovaPasta", t::kNovaPasta},
        {"DicaNovaPasta", t::kDicaNovaPasta},
        {"Excluir", t::kExcluir},
        {"DicaExcluir", t::kDicaExcluir},
        {"MeusDocumentos", t::kMeusDocumentos},
        {"DicaMeusDocumentos", t::kDicaMeusDocumentos},
        {"Confirmacao", t::kConfirmacao},
        {"TituloNovaPasta", t::kTituloNovaPasta},
        {"Instrucoes", t::kInstrucoes},
        {"Criar", t::kCriar},
        {"CancelarNovaPasta", t::kCancelarNovaPasta},
        {"NomeInvalido", t::kNomeInvalido},
    };
    std::string lidos;
    for (const auto& [nome, texto] : textos)
        lidos += std::string(nome) + '\t' + kt::Utf8(texto) + '\n';
    EXPECT_EQ(lidos, teste::LerEsperado("TextosDiretorios.txt"));
}

} // namespace
