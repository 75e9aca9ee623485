// The directory browser as a service: one question, one answer.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kt {

// Shows the directory browser at the initial directory (or, when it names none that can be read,
// at the program's own directory) and returns when it closes: true after "&Abrir", with the path
// of its path box as typed, cut to tamanhoMaximo characters, in diretorioEscolhido; false and the
// empty string otherwise. Options (kOpcao... in dialogs/AbrirDir.h): 4 disables the drive box, 8
// lets the user make the window larger, 16 hides the toolbar. A blank caption shows "Abrir
// Diretório". The initial directory and the caption are short strings (cut to 255).
bool EscolherDiretorio(std::wstring_view diretorioInicial, std::wstring& diretorioEscolhido,
                       std::int32_t tamanhoMaximo, std::int32_t opcoes, std::wstring_view titulo);

} // namespace kt
