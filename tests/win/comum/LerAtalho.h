// Reading a shortcut back through the shell's own link object, as the tests check what was saved.
#pragma once

#include <string>

namespace teste {

struct TAtalhoLido {
    bool Carregado = false;
    std::wstring Alvo;
    std::wstring Diretorio;
    std::wstring Descricao;
};

TAtalhoLido LerAtalho(const std::wstring& caminho);

} // namespace teste
