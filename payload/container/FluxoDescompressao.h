// A read-only stream that inflates a zlib stream (RFC 1950: header, deflate data, Adler-32
// trailer) that another stream holds from its current position on. Containers are read through
// it: the source is positioned on the byte after the header and the copy reads the file's bytes.
#pragma once

#include "payload/container/Fluxo.h"

#include <memory>

namespace kt {

// Corrupt compressed data, a failed Adler-32 check, or a source that ends inside the stream.
class EDescompressao : public EErroDeFluxo {
public:
    using EErroDeFluxo::EErroDeFluxo;
};

inline constexpr std::size_t kTamanhoEntradaDescompressao = 16384;

class TFluxoDescompressao : public TFluxo {
public:
    // origem stays the caller's and must outlive this stream.
    explicit TFluxoDescompressao(TFluxo& origem);
    ~TFluxoDescompressao() override;

    // Returns fewer than n bytes only at the end of the zlib stream, after its Adler-32 check
    // has passed; anything after the stream's end in the source is never read as data. When the
    // stream's end follows the bytes read, it is checked right away, so that a copy of exactly
    // the file's size still notices a failed check.
    std::size_t Ler(void* destino, std::size_t n) override;
    // Read-only: takes nothing.
    std::size_t Gravar(const void*, std::size_t) override { return 0; }
    // Positions count inflated bytes. Going back starts inflating again from where the zlib
    // stream begins in the source (the source's position when this stream was created); going
    // forward inflates and discards. Positions past the end stop at the end.
    std::int64_t Posicionar(std::int64_t deslocamento, TOrigemFluxo origem) override;
    // Inflates the whole stream once, checking it, and returns to the current position.
    std::int64_t Tamanho() override;

private:
    struct TEstado;

    bool Abastecer();
    void Conferir(int resultado);
    void ProcurarFim();
    void Reiniciar();
    void Descartar(std::int64_t n);

    TFluxo& origem_;
    const std::int64_t inicioNaOrigem_;
    std::unique_ptr<TEstado> estado_;
    std::int64_t posicao_ = 0;
    bool fim_ = false;
};

} // namespace kt
