#include "fileops/ServicosKT.h"

#include "dialogs/CentralSolucoes.h"
#include "dialogs/Encontrar.h"
#include "dialogs/Sobrescrever.h"
#include "dialogs/TrocarDiscos.h"
#include "fileops/AbrirAjuda.h"
#include "fileops/AutoRemocao.h"
#include "fileops/CopiarArquivo.h"
#include "fileops/Processos.h"
#include "fileops/TamanhoArquivo.h"
#include "fileops/VersaoArquivo.h"
#include "payload/container/Descompactar.h"
#include "payload/container/VerificarArquivoZLib.h"

namespace kt::ServicosKT {

bool VerificarArquivoZLib(std::wstring_view nomeArquivo, TCabecalhoZLib* cabecalho) {
    return kt::VerificarArquivoZLib(nomeArquivo, cabecalho);
}

void DescompactarArquivo(std::wstring_view origem, std::wstring_view destino,
                         const TEventoProgresso& progresso) {
    kt::DescompactarArquivo(origem, destino, progresso);
}

void DescompactarFluxo(TFluxo& origem, TFluxo& destino, std::uint32_t contagem,
                       const TEventoProgresso& progresso) {
    kt::DescompactarFluxo(origem, destino, contagem, progresso);
}

bool ExecutarEEsperar(std::wstring_view programa, std::wstring_view parametros,
                      std::uint16_t exibicao, std::int32_t modoEspera) {
    return kt::ExecutarEEsperar(programa, parametros, exibicao, modoEspera);
}

bool LerVersaoArquivo(std::wstring_view nomeArquivo, bool doModulo, TVersaoArquivo* versaoArquivo,
                      TVersaoArquivo* versaoProduto) {
    return kt::LerVersaoArquivo(nomeArquivo, doModulo, versaoArquivo, versaoProduto);
}

bool CopiarArquivo(std::wstring_view origem, std::wstring_view destino, std::int32_t modo,
                   const TEventoProgresso& progresso, CRITICAL_SECTION* trava) {
    return kt::CopiarArquivo(origem, destino, modo, progresso, trava);
}

std::int32_t TamanhoArquivo(std::wstring_view nomeArquivo) {
    return kt::TamanhoArquivo(nomeArquivo);
}

bool AutoRemover() {
    return kt::AutoRemover();
}

bool EsperarObjetos(const HANDLE* handles, std::uint32_t indiceUltimo, std::int32_t modo,
                    std::uint32_t tempoLimite) {
    return kt::EsperarObjetos(handles, indiceUltimo, modo, tempoLimite);
}

void SepararCampos(std::wstring_view linha, TListaCampos& campos, wchar_t separador) {
    kt::SepararCampos(linha, campos, separador);
}

void JuntarCampos(std::wstring& texto, std::int32_t tamanhoMaximo, const TListaCampos& campos,
                  wchar_t separador) {
    kt::JuntarCampos(texto, tamanhoMaximo, campos, separador);
}

void AbrirAjuda(const TRegistroAjuda* ajuda) {
    kt::AbrirAjuda(ajuda);
}

void FormatarVersao(const TVersaoArquivo& versao, std::wstring& texto, std::int32_t tamanhoMaximo,
                    bool pontuado) {
    kt::FormatarVersao(versao, texto, tamanhoMaximo, pontuado);
}

bool MostrarCentralSolucoes(std::wstring_view modulo, std::wstring_view problema,
                            std::wstring_view arquivos, std::wstring_view solucao,
                            const TRegistroAjuda* ajuda, CRITICAL_SECTION* trava) {
    return kt::MostrarCentralSolucoes(modulo, problema, arquivos, solucao, ajuda, trava);
}

std::int32_t PerguntarSobrescrever(std::wstring_view origem, std::wstring_view destino,
                                   std::uint8_t botoes, bool descreverOrigem) {
    return kt::PerguntarSobrescrever(origem, destino, botoes, descreverOrigem);
}

std::int32_t PedirDisco(std::int32_t disco, std::wstring_view conjunto,
                        std::wstring_view pergunta) {
    return kt::PedirDisco(disco, conjunto, pergunta);
}

std::int32_t EncontrarArquivo(std::wstring& nomeArquivo, std::int32_t tamanhoMaximo) {
    return kt::EncontrarArquivo(nomeArquivo, tamanhoMaximo);
}

} // namespace kt::ServicosKT
