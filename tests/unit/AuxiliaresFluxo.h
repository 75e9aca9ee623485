// What the container and stream tests share: test data, containers made with zlib's compress2 (as
// the packer makes them, but independently of it), a target that fills up, a progress recorder
// and the extraction of a container held in memory.
#pragma once

#include "payload/container/CabecalhoZLib.h"
#include "payload/container/CopiarFluxo.h"
#include "payload/container/FluxoDescompressao.h"

#include <zlib.h>

#include <cstring>
#include <random>
#include <stdexcept>
#include <vector>

namespace kt::teste {

// Incompressible bytes: deflate stores them, as it does the site's images and animations.
inline std::vector<std::uint8_t> BytesAleatorios(std::size_t n, unsigned semente = 1) {
    std::mt19937 gerador(semente);
    std::vector<std::uint8_t> bytes(n);
    for (std::uint8_t& b : bytes)
        b = static_cast<std::uint8_t>(gerador());
    return bytes;
}

// Text-like bytes that deflate shrinks, as it does the site's pages.
inline std::vector<std::uint8_t> BytesDeTexto(std::size_t n, unsigned semente = 1) {
    static const char palavras[] = "cela ponto relevo leitura escrita alfabeto reglete ";
    std::mt19937 gerador(semente);
    std::vector<std::uint8_t> bytes(n);
    for (std::size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<std::uint8_t>(palavras[(i + gerador() % 3) % (sizeof palavras - 1)]);
    return bytes;
}

// The container of the data: the header (a ".txt" extension, version zero), then the stream at
// the compression level given.
inline std::vector<std::uint8_t> Conteiner(const std::vector<std::uint8_t>& dados,
                                           int nivel = Z_BEST_COMPRESSION) {
    TCabecalhoZLib cabecalho{};
    cabecalho.TamanhoCabecalho = kTamanhoCabecalhoZLib;
    cabecalho.Assinatura = kAssinaturaZLib;
    cabecalho.TamanhoDescompactado = static_cast<std::uint32_t>(dados.size());
    cabecalho.Formato = kFormatoZLib;
    std::memcpy(cabecalho.Extensao, ".txt", 4);

    const std::uint8_t vazio = 0;
    uLongf compactados = compressBound(static_cast<uLong>(dados.size()));
    std::vector<std::uint8_t> conteiner(kTamanhoCabecalhoZLib + compactados);
    std::memcpy(conteiner.data(), &cabecalho, sizeof cabecalho);
    if (compress2(conteiner.data() + kTamanhoCabecalhoZLib, &compactados,
                  dados.empty() ? &vazio : dados.data(), static_cast<uLong>(dados.size()),
                  nivel) != Z_OK)
        throw std::runtime_error("compress2 falhou");
    conteiner.resize(kTamanhoCabecalhoZLib + compactados);
    return conteiner;
}

// A memory target that takes at most `capacidade` bytes in all.
class TFluxoLimitado : public TFluxoMemoria {
public:
    explicit TFluxoLimitado(std::size_t capacidade) : livre_(capacidade) {}
    std::size_t Gravar(const void* origem, std::size_t n) override {
        const std::size_t aceitos = std::min(n, livre_);
        livre_ -= aceitos;
        return TFluxoMemoria::Gravar(origem, aceitos);
    }

private:
    std::size_t livre_;
};

// Records every percent; asks to stop at call number `pararNa` (1-based) when given.
struct TRegistroProgresso {
    std::vector<std::int32_t> percentuais;
    std::size_t pararNa = 0;

    void operator()(std::int32_t percentual, bool& parar) {
        percentuais.push_back(percentual);
        parar = percentuais.size() == pararNa;
    }
    // The event refers to the record, which outlives the copy it is given to.
    TEventoProgresso Evento() { return *this; }
};

inline TCabecalhoZLib CabecalhoDe(const std::vector<std::uint8_t>& conteiner) {
    TCabecalhoZLib cabecalho;
    std::memcpy(&cabecalho, conteiner.data(), sizeof cabecalho);
    return cabecalho;
}

inline void DefinirTamanhoDescompactado(std::vector<std::uint8_t>& conteiner, std::uint32_t n) {
    std::memcpy(conteiner.data() + offsetof(TCabecalhoZLib, TamanhoDescompactado), &n, sizeof n);
}

// Extracts a container as the program does: the zlib data from offset 50, inflated through the
// decompression stream into destino, TamanhoDescompactado bytes with that as the total.
inline void Extrair(const std::vector<std::uint8_t>& conteiner, TFluxo& destino,
                    const TEventoProgresso& progresso = {}) {
    TFluxoMemoria origem(conteiner);
    origem.Posicionar(kTamanhoCabecalhoZLib, TOrigemFluxo::Inicio);
    TFluxoDescompressao descompressao(origem);
    const std::uint32_t tamanho = CabecalhoDe(conteiner).TamanhoDescompactado;
    CopiarFluxo(descompressao, destino, tamanho, progresso, tamanho);
}

} // namespace kt::teste
