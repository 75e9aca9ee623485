#include "tools/bench/DadosMistos.h"

#include <cstring>

namespace kt::bench {

void PreencherTrecho(std::uint8_t* trecho, std::size_t n, std::mt19937& gerador) {
    static const char palavras[] =
        "cela ponto relevo leitura escrita alfabeto reglete punção sinal letra número "
        "maiúscula acento pontuação exercício exame memória forca lição ";
    const unsigned tipo = gerador() % 10;
    if (tipo < 5) {
        std::size_t i = 0;
        while (i < n) {
            std::size_t inicio = gerador() % (sizeof palavras - 12);
            while (inicio > 0 && palavras[inicio - 1] != ' ')
                --inicio;
            for (std::size_t j = inicio; i < n && palavras[j] != ' '; ++j)
                trecho[i++] = static_cast<std::uint8_t>(palavras[j]);
            if (i < n)
                trecho[i++] = ' ';
        }
    } else if (tipo < 8) {
        for (std::size_t i = 0; i < n; ++i)
            trecho[i] = static_cast<std::uint8_t>(gerador());
    } else {
        std::memset(trecho, 0, n);
    }
}

} // namespace kt::bench
