// Fuzzes the container reader: the header, then the zlib data inflated through the
// decompression stream and the chunked copy into memory, as an extraction does. Whatever the
// bytes, the reader either fails with a stream error or gives exactly what zlib alone inflates
// from the same data, and it succeeds whenever zlib finds a whole, checked stream that is long
// enough.
//
// An input whose first byte is even is the container itself (a packed container starts with 50).
// An odd first byte asks for a whole container made here from a description in the next bytes
// (size, how compressible, compression level, declared size, one changed byte, a cut): that
// reaches streams longer than the input buffer, which mutated bytes alone rarely form.
#include "payload/container/CabecalhoZLib.h"
#include "payload/container/CopiarFluxo.h"
#include "payload/container/FluxoDescompressao.h"
#include "tests/unit/AuxiliaresFluxo.h"

#include <zlib.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// The declared size is taken as it stands up to this bound, so that an input cannot make the
// target grow without limit; a declared 0 inflates the whole stream, which the input's length
// bounds (deflate expands at most about 1032 times).
constexpr std::uint32_t kContagemMaxima = 1u << 20;
constexpr std::size_t kReferenciaMaxima = 32u << 20;

struct TReferencia {
    std::vector<std::uint8_t> bytes;
    bool completa = false; // Z_STREAM_END: the whole stream, its check passed
};

TReferencia InflarComZlib(const std::uint8_t* dados, std::size_t tamanho) {
    TReferencia referencia;
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        std::abort();
    z.next_in = const_cast<Bytef*>(dados);
    z.avail_in = static_cast<uInt>(tamanho);
    std::vector<Bytef> bloco(65536);
    int resultado = Z_OK;
    while (resultado == Z_OK && referencia.bytes.size() < kReferenciaMaxima) {
        z.next_out = bloco.data();
        z.avail_out = static_cast<uInt>(bloco.size());
        resultado = inflate(&z, Z_NO_FLUSH);
        referencia.bytes.insert(referencia.bytes.end(), bloco.data(), z.next_out);
    }
    referencia.completa = resultado == Z_STREAM_END;
    inflateEnd(&z);
    return referencia;
}

// Reads the description bytes one by one; missing bytes read as zero.
class TLeitorDeBytes {
public:
    TLeitorDeBytes(const std::uint8_t* dados, std::size_t tamanho) : dados_(dados), fim_(tamanho) {}
    std::uint32_t Byte() { return atual_ < fim_ ? dados_[atual_++] : 0; }
    std::uint32_t Palavra() {
        std::uint32_t palavra = 0;
        for (int deslocamento = 0; deslocamento < 32; deslocamento += 8)
            palavra |= Byte() << deslocamento;
        return palavra;
    }

private:
    const std::uint8_t* dados_;
    std::size_t atual_ = 1;
    std::size_t fim_;
};

std::vector<std::uint8_t> ConteinerDescrito(const std::uint8_t* dados, std::size_t tamanho) {
    TLeitorDeBytes leitor(dados, tamanho);
    std::vector<std::uint8_t> arquivo(leitor.Palavra() % 70000);
    const std::uint32_t alfabeto = leitor.Byte() + 1;
    std::uint64_t estado = leitor.Palavra() | 1u; // xorshift64: cheap bytes, as random as needed
    for (std::uint8_t& b : arquivo) {
        estado ^= estado << 13;
        estado ^= estado >> 7;
        estado ^= estado << 17;
        b = static_cast<std::uint8_t>((estado >> 32) % alfabeto);
    }
    const int nivel = static_cast<int>(leitor.Byte() % 10);
    const std::int32_t diferenca = static_cast<std::int8_t>(leitor.Byte());
    const std::uint32_t posicao = leitor.Palavra();
    const std::uint32_t mascara = leitor.Byte();
    const std::uint32_t corte = leitor.Palavra();

    std::vector<std::uint8_t> conteiner = kt::teste::Conteiner(arquivo, nivel);
    const std::size_t compactados = conteiner.size() - kt::kTamanhoCabecalhoZLib;
    kt::teste::DefinirTamanhoDescompactado(
        conteiner, static_cast<std::uint32_t>(std::max<std::int64_t>(
                       0, static_cast<std::int64_t>(arquivo.size()) + diferenca)));
    conteiner[kt::kTamanhoCabecalhoZLib + posicao % compactados] ^=
        static_cast<std::uint8_t>(mascara);
    if (corte % 4 == 0)
        conteiner.resize(kt::kTamanhoCabecalhoZLib + (corte >> 2) % (compactados + 1));
    return conteiner;
}

void Exigir(bool condicao) {
    if (!condicao)
        std::abort();
}

void ConferirExtracao(const std::vector<std::uint8_t>& conteiner) {
    if (conteiner.size() < kt::kTamanhoCabecalhoZLib)
        return;
    kt::TCabecalhoZLib cabecalho;
    std::memcpy(&cabecalho, conteiner.data(), sizeof cabecalho);
    const std::uint32_t declarado = cabecalho.TamanhoDescompactado;
    const std::uint32_t contagem = std::min(declarado, kContagemMaxima);

    kt::TFluxoMemoria origem(conteiner);
    origem.Posicionar(kt::kTamanhoCabecalhoZLib, kt::TOrigemFluxo::Inicio);
    kt::TFluxoMemoria destino;
    std::vector<std::int32_t> percentuais;
    bool extraiu = true;
    std::uint64_t copiados = 0;
    try {
        kt::TFluxoDescompressao descompressao(origem);
        copiados = kt::CopiarFluxo(
            descompressao, destino, contagem,
            [&](std::int32_t percentual, bool&) { percentuais.push_back(percentual); }, contagem);
    } catch (const kt::EErroDeFluxo&) {
        extraiu = false;
    }

    Exigir(std::is_sorted(percentuais.begin(), percentuais.end()));
    Exigir(percentuais.empty() || (percentuais.front() >= 0 && percentuais.back() <= 100));

    const TReferencia referencia = InflarComZlib(conteiner.data() + kt::kTamanhoCabecalhoZLib,
                                                 conteiner.size() - kt::kTamanhoCabecalhoZLib);
    if (referencia.bytes.size() >= kReferenciaMaxima)
        return;
    const std::vector<std::uint8_t>& extraidos = destino.Dados();
    if (extraiu) {
        Exigir(extraidos.size() == copiados);
        Exigir(copiados <= referencia.bytes.size());
        Exigir(std::equal(extraidos.begin(), extraidos.end(), referencia.bytes.begin()));
        Exigir(copiados == 0 || percentuais.back() == 100);
        if (contagem == 0)
            Exigir(referencia.completa && copiados == referencia.bytes.size());
        else
            Exigir(copiados == contagem);
    }
    if (referencia.completa) {
        const bool bastante = contagem == 0 || referencia.bytes.size() >= contagem;
        Exigir(extraiu == bastante);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    if (tamanho > 0 && dados[0] % 2 == 1)
        ConferirExtracao(ConteinerDescrito(dados, tamanho));
    else
        ConferirExtracao(std::vector<std::uint8_t>(dados, dados + tamanho));
    return 0;
}
