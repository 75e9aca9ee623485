#include "payload/container/ExtrairRecurso.h"

#include "fileops/Texto.h"
#include "payload/container/CabecalhoZLib.h"
#include "payload/container/Descompactar.h"
#include "payload/container/FluxoArquivo.h"
#include "payload/container/FluxoRecurso.h"

namespace kt {

bool ExtrairRecurso(std::wstring_view nomeRecurso, std::wstring_view destino,
                    const TEventoProgresso& progresso, HMODULE modulo) {
    try {
        TFluxoRecurso recurso(modulo, Curta(nomeRecurso));
        TCabecalhoZLib cabecalho{};
        recurso.Ler(&cabecalho, sizeof cabecalho);
        TFluxoMemoria memoria;
        if (!DescompactarFluxo(recurso, memoria, cabecalho.TamanhoDescompactado, progresso))
            return false;
        TFluxoArquivo alvo = TFluxoArquivo::CriarSemCompartilhar(Curta(destino));
        return alvo.Gravar(memoria.Dados().data(), memoria.Dados().size()) ==
               memoria.Dados().size();
    } catch (...) {
        // A missing resource or an unwritable target: the row is skipped without a report.
        return false;
    }
}

} // namespace kt
