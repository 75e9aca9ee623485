#include "payload/container/FluxoDescompressao.h"

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <new>
#include <vector>

namespace kt {

namespace {
constexpr const wchar_t* kDadosCorrompidos = L"Os dados compactados estão corrompidos.";
constexpr const wchar_t* kFluxoIncompleto = L"Os dados compactados terminam antes do fim.";
} // namespace

// The inflater and its input buffer, owned together: inflateEnd runs whatever happened.
struct TFluxoDescompressao::TEstado {
    z_stream z{};
    std::vector<Bytef> entrada = std::vector<Bytef>(kTamanhoEntradaDescompressao);

    TEstado() {
        const int resultado = inflateInit(&z);
        if (resultado == Z_MEM_ERROR)
            throw std::bad_alloc();
        if (resultado != Z_OK)
            throw EDescompressao(kDadosCorrompidos);
    }
    ~TEstado() { inflateEnd(&z); }
    TEstado(const TEstado&) = delete;
    TEstado& operator=(const TEstado&) = delete;
};

TFluxoDescompressao::TFluxoDescompressao(TFluxo& origem)
    : origem_(origem), inicioNaOrigem_(origem.Posicao()), estado_(std::make_unique<TEstado>()) {}

TFluxoDescompressao::~TFluxoDescompressao() = default;

bool TFluxoDescompressao::Abastecer() {
    z_stream& z = estado_->z;
    const std::size_t lidos = origem_.Ler(estado_->entrada.data(), estado_->entrada.size());
    z.next_in = estado_->entrada.data();
    z.avail_in = static_cast<uInt>(lidos);
    return lidos > 0;
}

void TFluxoDescompressao::Conferir(int resultado) {
    switch (resultado) {
    case Z_STREAM_END:
        fim_ = true;
        return;
    case Z_OK:
    case Z_BUF_ERROR: // no progress possible: more input or more room needed
        return;
    case Z_MEM_ERROR:
        throw std::bad_alloc();
    default:
        throw EDescompressao(kDadosCorrompidos);
    }
}

std::size_t TFluxoDescompressao::Ler(void* destino, std::size_t n) {
    z_stream& z = estado_->z;
    auto* saida = static_cast<Bytef*>(destino);
    std::size_t produzidos = 0;
    while (produzidos < n && !fim_) {
        if (z.avail_in == 0 && !Abastecer())
            throw EDescompressao(kFluxoIncompleto);
        const auto espaco = static_cast<uInt>(
            std::min<std::size_t>(n - produzidos, std::numeric_limits<uInt>::max()));
        z.next_out = saida + produzidos;
        z.avail_out = espaco;
        const int resultado = inflate(&z, Z_NO_FLUSH);
        produzidos += espaco - z.avail_out;
        Conferir(resultado);
    }
    if (n > 0 && !fim_)
        ProcurarFim();
    posicao_ += static_cast<std::int64_t>(produzidos);
    return produzidos;
}

// Lets the inflater go on with no room for output: it stops at the next byte it would produce,
// or reaches the stream's end and checks the trailer. A source that runs dry here is left for
// the next read to report.
void TFluxoDescompressao::ProcurarFim() {
    z_stream& z = estado_->z;
    Bytef semEspaco = 0;
    for (;;) {
        z.next_out = &semEspaco;
        z.avail_out = 0;
        Conferir(inflate(&z, Z_NO_FLUSH));
        if (fim_ || z.avail_in > 0 || !Abastecer())
            return;
    }
}

void TFluxoDescompressao::Reiniciar() {
    origem_.Posicionar(inicioNaOrigem_, TOrigemFluxo::Inicio);
    Conferir(inflateReset(&estado_->z));
    estado_->z.avail_in = 0;
    posicao_ = 0;
    fim_ = false;
}

void TFluxoDescompressao::Descartar(std::int64_t n) {
    std::vector<Bytef> descarte(
        static_cast<std::size_t>(std::min<std::int64_t>(n, kTamanhoEntradaDescompressao)));
    while (n > 0) {
        const auto pedido = static_cast<std::size_t>(
            std::min<std::int64_t>(n, static_cast<std::int64_t>(descarte.size())));
        const std::size_t lidos = Ler(descarte.data(), pedido);
        if (lidos == 0)
            return;
        n -= static_cast<std::int64_t>(lidos);
    }
}

std::int64_t TFluxoDescompressao::Posicionar(std::int64_t deslocamento, TOrigemFluxo origem) {
    const std::int64_t tamanho = origem == TOrigemFluxo::Fim ? Tamanho() : 0;
    const std::int64_t pedida = PosicaoPedida(deslocamento, origem, posicao_, tamanho);
    if (pedida < posicao_)
        Reiniciar();
    Descartar(pedida - posicao_);
    return posicao_;
}

std::int64_t TFluxoDescompressao::Tamanho() {
    const std::int64_t atual = posicao_;
    Descartar(std::numeric_limits<std::int64_t>::max());
    const std::int64_t tamanho = posicao_;
    Posicionar(atual, TOrigemFluxo::Inicio);
    return tamanho;
}

} // namespace kt
