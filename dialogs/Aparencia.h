// What the framework's dialogs share in their look: the icon beside their instructions, the
// size of their bold labels, and their buttons' actions with a glyph.
#pragma once

#include "dialogs/TextosDialogos.h"
#include "ui/Action.h"

#include <string_view>

namespace kt {

// The dialogs' icon, in pixels at 96 dots per inch.
inline constexpr int kIconeDialogo = 32;
// The size of the dialogs' bold labels, in points.
inline constexpr int kPontosRotulos = 8;

inline ui::Action AcaoComGlifo(std::wstring_view legenda, int glifo, ui::Action::Handler executar,
                               std::wstring_view dica = {}) {
    ui::Action acao(Texto(legenda), executar, Texto(dica));
    acao.SetGlyph(glifo);
    return acao;
}

} // namespace kt
