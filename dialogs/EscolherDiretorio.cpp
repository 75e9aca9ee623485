#include "dialogs/EscolherDiretorio.h"

#include "dialogs/AbrirDir.h"
#include "dialogs/NovaPasta.h"
#include "fileops/Texto.h"

#include <algorithm>

namespace kt {

bool EscolherDiretorio(std::wstring_view diretorioInicial, std::wstring& diretorioEscolhido,
                       std::int32_t tamanhoMaximo, std::int32_t opcoes, std::wstring_view titulo) {
    TfrmNovaPasta novaPasta;
    TfrmAbrirDir navegador(novaPasta);
    navegador.AbrirEm(Curta(diretorioInicial));
    navegador.AplicarOpcoes(opcoes);
    navegador.AplicarTextos(Curta(titulo));
    navegador.Exibir();
    diretorioEscolhido =
        navegador.Escolhido
            ? Curta(navegador.Caminho, static_cast<std::size_t>(std::max(tamanhoMaximo, 0)))
            : std::wstring();
    return navegador.Escolhido;
}

} // namespace kt
