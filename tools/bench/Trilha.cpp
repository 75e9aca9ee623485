#include "tools/bench/Trilha.h"

#include <charconv>
#include <string>

namespace kt::bench {

bool ChamadaNaTrilha(std::string_view linha, std::string_view canal, std::string_view funcao) {
    const std::string marca = ":trace:" + std::string(canal) + ":";
    const std::size_t inicio = linha.find(marca);
    if (inicio == std::string_view::npos)
        return false;
    const std::string_view resto = linha.substr(inicio + marca.size());
    return resto.substr(0, funcao.size()) == funcao && resto.size() > funcao.size() &&
           resto[funcao.size()] == ' ';
}

std::optional<std::uint64_t> CampoDaTrilha(std::string_view linha, std::string_view nome) {
    const std::size_t inicio = linha.find(nome);
    if (inicio == std::string_view::npos)
        return std::nullopt;
    std::string_view valor = linha.substr(inicio + nome.size());
    if (valor.substr(0, 2) == "0x")
        valor.remove_prefix(2);
    std::uint64_t numero = 0;
    const auto [fim, erro] = std::from_chars(valor.data(), valor.data() + valor.size(), numero, 16);
    if (erro != std::errc() || fim == valor.data())
        return std::nullopt;
    return numero;
}

} // namespace kt::bench
