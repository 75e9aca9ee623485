#include "payload/container/Fluxo.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace kt {

namespace {
constexpr const wchar_t* kPosicaoInvalida = L"Posição inválida no fluxo.";
} // namespace

std::int64_t PosicaoPedida(std::int64_t deslocamento, TOrigemFluxo origem, std::int64_t posicao,
                           std::int64_t tamanho) {
    std::int64_t base = 0;
    if (origem == TOrigemFluxo::Atual)
        base = posicao;
    else if (origem == TOrigemFluxo::Fim)
        base = tamanho;
    std::int64_t pedida = 0;
    if (__builtin_add_overflow(base, deslocamento, &pedida) || pedida < 0)
        throw EErroDeFluxo(kPosicaoInvalida);
    return pedida;
}

std::size_t TFluxoMemoria::Ler(void* destino, std::size_t n) {
    if (posicao_ >= dados_.size())
        return 0;
    const std::size_t lidos = std::min(n, dados_.size() - posicao_);
    if (lidos > 0)
        std::memcpy(destino, dados_.data() + posicao_, lidos);
    posicao_ += lidos;
    return lidos;
}

std::size_t TFluxoMemoria::Gravar(const void* origem, std::size_t n) {
    if (n == 0)
        return 0;
    if (n > dados_.max_size() - posicao_)
        throw EErroDeFluxo(L"O fluxo em memória não pode crescer tanto.");
    if (posicao_ + n > dados_.size())
        dados_.resize(posicao_ + n);
    std::memcpy(dados_.data() + posicao_, origem, n);
    posicao_ += n;
    return n;
}

std::int64_t TFluxoMemoria::Posicionar(std::int64_t deslocamento, TOrigemFluxo origem) {
    const std::int64_t pedida =
        PosicaoPedida(deslocamento, origem, static_cast<std::int64_t>(posicao_), Tamanho());
    if (static_cast<std::uint64_t>(pedida) > std::numeric_limits<std::size_t>::max())
        throw EErroDeFluxo(kPosicaoInvalida);
    posicao_ = static_cast<std::size_t>(pedida);
    return pedida;
}

} // namespace kt
