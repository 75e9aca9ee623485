// The check of a container file: is it long enough for a header, and does the header carry the
// containers' signature. The copy engine checks a ".ZLib" file with it before extracting it, and
// the overwrite question reads a container's version through it.
#pragma once

#include "fileops/ErrosArquivo.h"
#include "payload/container/CabecalhoZLib.h"
#include "base/Exception.h"

#include <array>
#include <string_view>

namespace kt {

// The container check's own row: an invalid object (the runtime's access-violation error) found
// while reading a container.
inline constexpr std::array<TLinhaPropria, 1> kLinhasConteiner = {{
    {&EhDoTipo<base::EAccessViolation>, {ids::kViolacaoDeAcesso, ids::kViolacaoDeAcessoSolucao}},
}};

// True when the file (a short string, cut to 255 characters) holds at least 50 bytes and its
// Assinatura is kAssinaturaZLib. When cabecalho is given and 50 bytes were read, they are
// copied into it whatever the signature; a shorter file leaves it untouched and is no container
// (false, no report). The file is opened shared with nobody. A file that cannot be opened or
// read is reported in the Solutions Center (an invalid object first, then the standard table)
// naming the file, and gives false.
bool VerificarArquivoZLib(std::wstring_view nomeArquivo, TCabecalhoZLib* cabecalho = nullptr);

} // namespace kt
