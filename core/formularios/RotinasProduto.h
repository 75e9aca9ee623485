// The hook record: the product's own routines, which the wizard and the copy worker call at fixed
// points without knowing what they do. Eleven 32-bit fields, 44 bytes; a routine field holds
// nothing (the caller skips the call) or a routine taking the installation directory, which ends
// in a path delimiter.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>

namespace kt {

using TRotinaProduto = void (*)(const std::wstring& diretorio);

struct TRotinasProduto {
    std::uint32_t TamanhoRotinas; // written, never checked
    std::uint32_t Reservado1;
    TRotinaProduto AoFinalizar;   // the worker's "Finalizando" step
    TRotinaProduto AoDesinstalar; // last uninstall step
    std::uint32_t Reservado2;
    TRotinaProduto RegistrarProduto; // the worker's "Atualizando o registro" step
    TRotinaProduto RemoverRegistro;  // uninstall, registry step
    TRotinaProduto Opcao1;           // after copying, for each installation option checked
    TRotinaProduto Opcao2;
    TRotinaProduto Opcao3;
    TRotinaProduto RemoverAtalhos; // uninstall, shortcut step
};

inline constexpr std::uint32_t kTamanhoRotinas = 44;
static_assert(sizeof(TRotinasProduto) == kTamanhoRotinas);
static_assert(std::is_trivially_copyable_v<TRotinasProduto>);

} // namespace kt
