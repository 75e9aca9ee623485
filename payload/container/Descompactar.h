// The extraction services: a zlib stream inflated from one stream into another, and a container
// file extracted into a file. Both report their own failure in the Solutions Center and let
// nothing reach the caller.
#pragma once

#include "fileops/ErrosArquivo.h"
#include "payload/container/CopiarFluxo.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kt {

// Whatever goes wrong in an extraction is reported as "Erro de I/O inexperado." with the
// thread's last Windows error code in the solution.
inline constexpr std::array<TLinhaPropria, 1> kLinhasExtracao = {{
    {&QualquerErro, {ids::kErroInesperado, ids::kErroInesperadoSolucao}},
}};

// Inflates contagem bytes of the zlib stream that origem holds from its current position (the
// byte after a container's header) into destino at its current position, in chunks of
// TamanhoBloco with progress against contagem. A failure (corrupt data, a stream that ends
// early, a target that takes less) is reported with kLinhasExtracao and no files; the chunks
// before it, or before progress stopped the copy, stay in destino. Both streams stay the
// caller's. Answers whether all contagem bytes were inflated; the service table's operation has
// no result.
bool DescompactarFluxo(TFluxo& origem, TFluxo& destino, std::uint32_t contagem,
                       TEventoProgresso progresso);

// Extracts the container file origem into the file destino (each a short string, cut to 255
// characters): the source is opened first, shared with nobody; the target is written whole or not
// at all (TArquivoNovo), in place of any existing file. The header is not checked here (callers
// check the file with VerificarArquivoZLib first): its TamanhoDescompactado bytes are inflated
// from offset 50 on. A failure is reported with kLinhasExtracao naming both files
// (ArquivosDaExtracao). After a failure, or a stop through progress, the destination is as it
// was before the call: absent, or the file that was there. Answers whether the file was
// extracted.
bool DescompactarArquivo(std::wstring_view origem, std::wstring_view destino,
                         TEventoProgresso progresso);

// The files of an extraction's report: source, " e ", target, cut to 255 characters.
std::wstring ArquivosDaExtracao(const std::wstring& origem, const std::wstring& destino);

} // namespace kt
