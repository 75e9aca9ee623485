#include "payload/container/ExtrairRecurso.h"

#include "fileops/Ajuda.h"
#include "fileops/ArquivoNovo.h"
#include "fileops/RelatorioDeErro.h"
#include "fileops/Texto.h"
#include "payload/container/CabecalhoZLib.h"
#include "payload/container/Descompactar.h"
#include "payload/container/FluxoRecurso.h"

namespace kt {

bool ExtrairRecurso(std::wstring_view nomeRecurso, std::wstring_view destino,
                    TEventoProgresso progresso, HMODULE modulo) {
    TRegistroAjuda ajuda;
    PreencherAjudaPadrao(ajuda);
    const std::wstring alvo(destino);
    bool extraido = false;
    ExecutarRelatando(ajuda, {}, alvo, [&] {
        TFluxoRecurso recurso(modulo, Curta(nomeRecurso));
        TCabecalhoZLib cabecalho{};
        recurso.Ler(&cabecalho, sizeof cabecalho);
        TFluxoMemoria memoria;
        if (!DescompactarFluxo(recurso, memoria, cabecalho.TamanhoDescompactado, progresso))
            return;
        TArquivoNovo arquivo(alvo);
        arquivo.Gravar(memoria.Dados().data(), memoria.Dados().size());
        arquivo.Concluir();
        extraido = true;
    });
    return extraido;
}

} // namespace kt
