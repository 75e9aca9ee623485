// The chunked copy with percent progress that every extraction goes through.
#pragma once

#include "fileops/Progresso.h"
#include "payload/container/Fluxo.h"

#include <cstdint>

namespace kt {

// 0xF000: the chunk of every copy, and its one buffer.
inline constexpr std::uint32_t TamanhoBloco = 61440;

class ELeituraDeFluxo : public EErroDeFluxo {
public:
    using EErroDeFluxo::EErroDeFluxo;
};

class EGravacaoDeFluxo : public EErroDeFluxo {
public:
    using EErroDeFluxo::EErroDeFluxo;
};

// Copies contagem bytes from origem to destino, each at its current position, in chunks of
// TamanhoBloco; contagem 0 means the whole of origem from its start. Every chunk must be read
// and written whole: a short read raises ELeituraDeFluxo, a short write EGravacaoDeFluxo, with
// the chunks before it already in destino. After each chunk progresso, when assigned, gets
// done / total × 100 truncated (total 0 counts against the bytes being copied). Returns the
// bytes copied: contagem, or fewer when progresso stopped the copy.
std::uint64_t CopiarFluxo(TFluxo& origem, TFluxo& destino, std::uint64_t contagem,
                          TEventoProgresso progresso, std::uint64_t total);

} // namespace kt
