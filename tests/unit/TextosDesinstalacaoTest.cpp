#include "core/formularios/TextosAssistente.h"

#include "tests/unit/Esperados.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

namespace textos = kt::textos_assistente;

// Every text of the uninstall page and of its closing message, as the saved file lists them:
// "name<TAB>text".
const std::vector<std::pair<const char*, std::wstring_view>> kTextos = {
    {"desinstalando", textos::kDesinstalando},
    {"removendo_arquivos", textos::kRemovendoArquivos},
    {"removendo_diretorios", textos::kRemovendoDiretorios},
    {"removendo_atalhos", textos::kRemovendoAtalhos},
    {"removendo_registro", textos::kRemovendoRegistro},
    {"sair", textos::kSair},
    {"terminada", textos::kDesinstalacaoTerminada},
    {"titulo_terminada", textos::kInformacao},
};

TEST(TextosDesinstalacao, EveryTextIsTheSavedOne) {
    std::string atual;
    for (const auto& [nome, texto] : kTextos)
        atual += std::string(nome) + "\t" + kt::Utf8(texto) + "\n";
    EXPECT_EQ(atual, teste::LerEsperado("TextosDesinstalacao.txt"));
}

} // namespace
