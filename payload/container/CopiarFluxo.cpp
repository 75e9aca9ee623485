#include "payload/container/CopiarFluxo.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace kt {

namespace {

std::int32_t Percentual(std::uint64_t feitos, std::uint64_t total) {
    const double percentual = static_cast<double>(feitos) / static_cast<double>(total) * 100.0;
    return static_cast<std::int32_t>(
        std::min(percentual, static_cast<double>(std::numeric_limits<std::int32_t>::max())));
}

} // namespace

std::uint64_t CopiarFluxo(TFluxo& origem, TFluxo& destino, std::uint64_t contagem,
                          TEventoProgresso progresso, std::uint64_t total) {
    if (contagem == 0) {
        origem.Posicionar(0, TOrigemFluxo::Inicio);
        contagem = static_cast<std::uint64_t>(origem.Tamanho());
    }
    if (total == 0)
        total = contagem;

    std::vector<std::uint8_t> bloco(
        static_cast<std::size_t>(std::min<std::uint64_t>(contagem, TamanhoBloco)));
    std::uint64_t feitos = 0;
    while (feitos < contagem) {
        const auto n =
            static_cast<std::size_t>(std::min<std::uint64_t>(contagem - feitos, TamanhoBloco));
        if (origem.Ler(bloco.data(), n) != n)
            throw ELeituraDeFluxo(L"Erro de leitura do fluxo.");
        if (destino.Gravar(bloco.data(), n) != n)
            throw EGravacaoDeFluxo(L"Erro de gravação do fluxo.");
        feitos += n;
        if (progresso) {
            bool parar = false;
            progresso(Percentual(feitos, total), parar);
            if (parar)
                break;
        }
    }
    return feitos;
}

} // namespace kt
