#include "payload/container/Descompactar.h"

#include "base/Concat.h"
#include "fileops/ArquivoNovo.h"
#include "fileops/RelatorioDeErro.h"
#include "fileops/Texto.h"
#include "payload/container/CabecalhoZLib.h"
#include "payload/container/FluxoArquivo.h"
#include "payload/container/FluxoDescompressao.h"

namespace kt {

namespace {

// The stream that writes an extraction's new file.
class TFluxoArquivoNovo : public TFluxo {
public:
    explicit TFluxoArquivoNovo(TArquivoNovo& arquivo) : arquivo_(arquivo) {}
    std::size_t Ler(void*, std::size_t) override { return 0; }
    std::size_t Gravar(const void* origem, std::size_t n) override {
        arquivo_.Gravar(origem, n);
        gravados_ += n;
        return n;
    }
    std::int64_t Posicionar(std::int64_t deslocamento, TOrigemFluxo origem) override {
        if (PosicaoPedida(deslocamento, origem, Tamanho(), Tamanho()) != Tamanho())
            throw EErroDeFluxo(L"O arquivo novo é gravado do início ao fim.");
        return Tamanho();
    }
    std::int64_t Tamanho() override { return static_cast<std::int64_t>(gravados_); }

private:
    TArquivoNovo& arquivo_;
    std::size_t gravados_ = 0;
};

// Answers whether the whole count was inflated, that is, whether progress did not stop it.
bool Inflar(TFluxo& origem, TFluxo& destino, std::uint32_t contagem, TEventoProgresso progresso) {
    bool parado = false;
    const auto seguir = [&](std::int32_t percentual, bool& parar) {
        progresso(percentual, parar);
        parado = parar;
    };
    TFluxoDescompressao descompressao(origem);
    CopiarFluxo(descompressao, destino, contagem,
                progresso ? TEventoProgresso(seguir) : TEventoProgresso(), contagem);
    return !parado;
}

} // namespace

bool DescompactarFluxo(TFluxo& origem, TFluxo& destino, std::uint32_t contagem,
                       TEventoProgresso progresso) {
    TRegistroAjuda ajuda;
    PreencherAjudaPadrao(ajuda);
    bool inteiro = false;
    const bool semRelatorio = ExecutarRelatando(ajuda, kLinhasExtracao, {}, [&] {
        inteiro = Inflar(origem, destino, contagem, progresso);
    });
    return semRelatorio && inteiro;
}

std::wstring ArquivosDaExtracao(const std::wstring& origem, const std::wstring& destino) {
    return Curta(base::Concat({origem, L" e ", destino}));
}

bool DescompactarArquivo(std::wstring_view origem, std::wstring_view destino,
                         TEventoProgresso progresso) {
    TRegistroAjuda ajuda;
    PreencherAjudaPadrao(ajuda);
    const std::wstring nomeOrigem(origem);
    const std::wstring nomeDestino(destino);
    bool inteiro = false;
    ExecutarRelatando(ajuda, kLinhasExtracao, ArquivosDaExtracao(nomeOrigem, nomeDestino), [&] {
        TFluxoArquivo fonte = TFluxoArquivo::AbrirSemCompartilhar(nomeOrigem);
        TArquivoNovo alvo(nomeDestino);
        TFluxoArquivoNovo fluxo(alvo);
        TCabecalhoZLib cabecalho{};
        fonte.Ler(&cabecalho, sizeof cabecalho);
        fonte.Posicionar(kTamanhoCabecalhoZLib, TOrigemFluxo::Inicio);
        if (!Inflar(fonte, fluxo, cabecalho.TamanhoDescompactado, progresso))
            return;
        alvo.Concluir();
        inteiro = true;
    });
    return inteiro;
}

} // namespace kt
