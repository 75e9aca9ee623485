// Version numbers of a file or of a container, and their text.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

namespace kt {

// Six signed 32-bit fields, 24 bytes. The same bytes are the Versao field of the container
// header, so the layout is fixed.
struct TVersaoArquivo {
    std::int32_t Reservado = 0; // zeroed by the version services and never read
    std::int32_t Maior = 0;
    std::int32_t Menor = 0;
    std::int32_t Distribuicao = 0;
    std::int32_t Construcao = 0;
    std::int32_t Patch = 0;
};
static_assert(sizeof(TVersaoArquivo) == 24);
static_assert(std::is_standard_layout_v<TVersaoArquivo>);
static_assert(std::is_trivially_copyable_v<TVersaoArquivo>);

// Fills texto with "major.minor" and then, for each of release, build and patch that is greater
// than 0 and in that order, either "." and the number (pontuado) or the word of the string table
// and the number. Every step cuts the text to tamanhoMaximo characters and the next
// step goes on from the cut text.
void FormatarVersao(const TVersaoArquivo& versao, std::wstring& texto, std::int32_t tamanhoMaximo,
                    bool pontuado);

} // namespace kt
