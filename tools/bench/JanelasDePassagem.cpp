#include "tools/bench/JanelasDePassagem.h"

#include "tools/bench/Trilha.h"

namespace kt::bench {

// Wine 8 writes, for example:
//   00fc:trace:win:invalidate_dce 0x2008c parent 0x10020 (357,311)-(923,713) ((0,0)-(0,0))
//   00fc:trace:win:show_window hwnd=0x2008c, cmd=0, was_visible 1
// The first names a window's parent whenever its area changes, its creation included; the second
// is every ShowWindow, command 0 being SW_HIDE.
void TJanelasDePassagem::Ler(std::string_view linha) {
    if (ChamadaNaTrilha(linha, "win", "invalidate_dce")) {
        const auto janela = CampoDaTrilha(linha, "invalidate_dce ");
        const auto pai = CampoDaTrilha(linha, " parent ");
        if (janela && pai && *pai == desktop_)
            deTopo_.insert(*janela);
    } else if (ChamadaNaTrilha(linha, "win", "show_window")) {
        const auto janela = CampoDaTrilha(linha, "hwnd=");
        const auto comando = CampoDaTrilha(linha, " cmd=");
        const auto visivel = CampoDaTrilha(linha, " was_visible ");
        if (janela && comando && visivel && *comando == 0 && *visivel == 1 &&
            deTopo_.count(*janela))
            ++escondidas_;
    }
}

} // namespace kt::bench
