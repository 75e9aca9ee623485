#include "payload/container/Descompactar.h"

#include "fileops/RelatorioDeErro.h"
#include "fileops/Texto.h"
#include "payload/container/CabecalhoZLib.h"
#include "payload/container/FluxoArquivo.h"
#include "payload/container/FluxoDescompressao.h"

namespace kt {

namespace {

void Inflar(TFluxo& origem, TFluxo& destino, std::uint32_t contagem,
            const TEventoProgresso& progresso) {
    TFluxoDescompressao descompressao(origem);
    CopiarFluxo(descompressao, destino, contagem, progresso, contagem);
}

} // namespace

bool DescompactarFluxo(TFluxo& origem, TFluxo& destino, std::uint32_t contagem,
                       const TEventoProgresso& progresso) {
    TRegistroAjuda ajuda;
    PreencherAjudaPadrao(ajuda);
    return ExecutarRelatando(ajuda, kLinhasExtracao, {},
                             [&] { Inflar(origem, destino, contagem, progresso); });
}

std::wstring ArquivosDaExtracao(const std::wstring& origem, const std::wstring& destino) {
    return Curta(origem + L" e " + destino);
}

void DescompactarArquivo(std::wstring_view origem, std::wstring_view destino,
                         const TEventoProgresso& progresso) {
    TRegistroAjuda ajuda;
    PreencherAjudaPadrao(ajuda);
    const std::wstring nomeOrigem = Curta(origem);
    const std::wstring nomeDestino = Curta(destino);
    ExecutarRelatando(ajuda, kLinhasExtracao, ArquivosDaExtracao(nomeOrigem, nomeDestino), [&] {
        TFluxoArquivo fonte = TFluxoArquivo::AbrirSemCompartilhar(nomeOrigem);
        TFluxoArquivo alvo = TFluxoArquivo::CriarSemCompartilhar(nomeDestino);
        TCabecalhoZLib cabecalho{};
        fonte.Ler(&cabecalho, sizeof cabecalho);
        fonte.Posicionar(kTamanhoCabecalhoZLib, TOrigemFluxo::Inicio);
        Inflar(fonte, alvo, cabecalho.TamanhoDescompactado, progresso);
    });
}

} // namespace kt
