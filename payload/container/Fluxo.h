// Streams: the byte sources and targets that extraction copies between. The program reads
// embedded resources and container files through them and writes files and memory; the tests
// and the fuzzers use the memory stream on its own.
#pragma once

#include "fileops/Erro.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kt {

// Raised by the streams and by the copies between them.
class EErroDeFluxo : public EErroKT {
public:
    using EErroKT::EErroKT;
};

enum class TOrigemFluxo { Inicio, Atual, Fim };

class TFluxo {
public:
    TFluxo() = default;
    TFluxo(const TFluxo&) = delete;
    TFluxo& operator=(const TFluxo&) = delete;
    virtual ~TFluxo() = default;

    // Reads up to n bytes into destino and returns how many were read; fewer than n only at the
    // end of the data.
    virtual std::size_t Ler(void* destino, std::size_t n) = 0;
    // Writes up to n bytes and returns how many were taken; fewer than n when the stream cannot
    // take more (a read-only stream takes none).
    virtual std::size_t Gravar(const void* origem, std::size_t n) = 0;
    // Moves to deslocamento counted from origem and returns the new position.
    virtual std::int64_t Posicionar(std::int64_t deslocamento, TOrigemFluxo origem) = 0;
    virtual std::int64_t Tamanho() = 0;

    std::int64_t Posicao() { return Posicionar(0, TOrigemFluxo::Atual); }
};

// A growable block of memory. Writing past the end extends it; the gap left by a position
// beyond the end reads as zero bytes once something is written after it.
class TFluxoMemoria : public TFluxo {
public:
    TFluxoMemoria() = default;
    explicit TFluxoMemoria(std::vector<std::uint8_t> dados) : dados_(std::move(dados)) {}

    std::size_t Ler(void* destino, std::size_t n) override;
    std::size_t Gravar(const void* origem, std::size_t n) override;
    std::int64_t Posicionar(std::int64_t deslocamento, TOrigemFluxo origem) override;
    std::int64_t Tamanho() override { return static_cast<std::int64_t>(dados_.size()); }

    const std::vector<std::uint8_t>& Dados() const { return dados_; }

private:
    std::vector<std::uint8_t> dados_;
    std::size_t posicao_ = 0;
};

// The absolute position that deslocamento from origem names, for a stream at posicao with
// tamanho bytes; a position before the start is an error.
std::int64_t PosicaoPedida(std::int64_t deslocamento, TOrigemFluxo origem, std::int64_t posicao,
                           std::int64_t tamanho);

} // namespace kt
