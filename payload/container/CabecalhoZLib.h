// The container header: the 50 bytes in front of the zlib stream of every payload container,
// embedded resource or ".ZLib" file alike. The reader in the program and the host-side packer
// share this one definition.
#pragma once

#include "fileops/Versao.h"

#include <bit>
#include <cstddef>
#include <cstdint>

namespace kt {

inline constexpr std::uint32_t kTamanhoCabecalhoZLib = 50;
// Stored as the bytes 02 E1 EF 0F; the only field that readers check.
inline constexpr std::uint32_t kAssinaturaZLib = 0x0FEFE102;
inline constexpr std::uint32_t kFormatoZLib = 3;
inline constexpr std::size_t kTamanhoExtensaoZLib = 10;

// Packed, so a field may sit on any address: copy a field's value out (unary + in an
// expectation), never bind a reference or a pointer of the field's type to it.
#pragma pack(push, 1)
struct TCabecalhoZLib {
    std::uint32_t TamanhoCabecalho;     // always 50; readers take the data from offset 50 anyway
    std::uint32_t Assinatura;           // kAssinaturaZLib
    std::uint32_t TamanhoDescompactado; // bytes that the zlib stream yields
    std::uint32_t Formato;              // kFormatoZLib; nothing interprets it
    // The extension of the uncompressed file's name with its dot, single-byte characters,
    // zero-terminated and zero-padded.
    char Extensao[kTamanhoExtensaoZLib];
    // The file's version; zero in the payload. The overwrite question shows it for ".ZLib" files.
    TVersaoArquivo Versao;
};
#pragma pack(pop)

// The header is read and written byte for byte: the layout must be the stored one on the
// little-endian machines that run the program and the packer.
static_assert(std::endian::native == std::endian::little);
static_assert(sizeof(TCabecalhoZLib) == kTamanhoCabecalhoZLib);
static_assert(offsetof(TCabecalhoZLib, TamanhoCabecalho) == 0);
static_assert(offsetof(TCabecalhoZLib, Assinatura) == 4);
static_assert(offsetof(TCabecalhoZLib, TamanhoDescompactado) == 8);
static_assert(offsetof(TCabecalhoZLib, Formato) == 12);
static_assert(offsetof(TCabecalhoZLib, Extensao) == 16);
static_assert(offsetof(TCabecalhoZLib, Versao) == 26);

} // namespace kt
