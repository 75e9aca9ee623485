// The framework's service table: the one list through which the product's program and the
// framework's own modules reach the framework's services. Each operation forwards its arguments
// unchanged to the module that implements it and returns that module's result unchanged; the
// table holds no state and adds no checks. The operations stand in the order of the list, each
// under its number; the services still to be built take the numbers missing here.
#pragma once

#include "fileops/Ajuda.h"
#include "fileops/Campos.h"
#include "fileops/Versao.h"
#include "payload/container/CabecalhoZLib.h"
#include "payload/container/CopiarFluxo.h"
#include "payload/container/Fluxo.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace kt::ServicosKT {

// 1. Whether a file is a container, and its header (payload/container/VerificarArquivoZLib.h).
bool VerificarArquivoZLib(std::wstring_view nomeArquivo, TCabecalhoZLib* cabecalho);

// 2. A container file extracted into a file (payload/container/Descompactar.h).
void DescompactarArquivo(std::wstring_view origem, std::wstring_view destino,
                         const TEventoProgresso& progresso);

// 3. A zlib stream inflated from one stream into another (payload/container/Descompactar.h).
void DescompactarFluxo(TFluxo& origem, TFluxo& destino, std::uint32_t contagem,
                       const TEventoProgresso& progresso);

// 4. Starts a program and waits for its end (fileops/Processos.h).
bool ExecutarEEsperar(std::wstring_view programa, std::wstring_view parametros,
                      std::uint16_t exibicao, std::int32_t modoEspera);

// 5. The version numbers of a file or a loaded module (fileops/VersaoArquivo.h).
bool LerVersaoArquivo(std::wstring_view nomeArquivo, bool doModulo, TVersaoArquivo* versaoArquivo,
                      TVersaoArquivo* versaoProduto);

// 6. A file copied in blocks with progress and a choice for an existing destination
// (fileops/CopiarArquivo.h).
bool CopiarArquivo(std::wstring_view origem, std::wstring_view destino, std::int32_t modo,
                   const TEventoProgresso& progresso, CRITICAL_SECTION* trava);

// 7. The size of a file, or -1 (fileops/TamanhoArquivo.h).
std::int32_t TamanhoArquivo(std::wstring_view nomeArquivo);

// 8. The self-removal batch file (fileops/AutoRemocao.h).
bool AutoRemover();

// 9. A wait on kernel handles that lets window messages through (fileops/Processos.h).
bool EsperarObjetos(const HANDLE* handles, std::uint32_t indiceUltimo, std::int32_t modo,
                    std::uint32_t tempoLimite);

// 10. A row's fields (fileops/Campos.h).
void SepararCampos(std::wstring_view linha, TListaCampos& campos, wchar_t separador);

// 11. A row from its fields (fileops/Campos.h).
void JuntarCampos(std::wstring& texto, std::int32_t tamanhoMaximo, const TListaCampos& campos,
                  wchar_t separador);

// 12. Launches what a help record names (fileops/AbrirAjuda.h).
void AbrirAjuda(const TRegistroAjuda* ajuda);

// 13. A version as text (fileops/Versao.h).
void FormatarVersao(const TVersaoArquivo& versao, std::wstring& texto, std::int32_t tamanhoMaximo,
                    bool pontuado);

// 15. The Solutions Center report (dialogs/CentralSolucoes.h).
bool MostrarCentralSolucoes(std::wstring_view modulo, std::wstring_view problema,
                            std::wstring_view arquivos, std::wstring_view solucao,
                            const TRegistroAjuda* ajuda, CRITICAL_SECTION* trava);

// 16. Whether a file may replace an existing one; answers 0 to 3 (dialogs/Sobrescrever.h).
std::int32_t PerguntarSobrescrever(std::wstring_view origem, std::wstring_view destino,
                                   std::uint8_t botoes, bool descreverOrigem);

// 17. The insert-disk prompt; answers 0 to 2 (dialogs/TrocarDiscos.h).
std::int32_t PedirDisco(std::int32_t disco, std::wstring_view conjunto, std::wstring_view pergunta);

// 18. The locate-missing-file dialog; answers 0 to 2 (dialogs/Encontrar.h).
std::int32_t EncontrarArquivo(std::wstring& nomeArquivo, std::int32_t tamanhoMaximo);

} // namespace kt::ServicosKT
