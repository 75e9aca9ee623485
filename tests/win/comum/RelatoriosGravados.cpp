#include "tests/win/comum/RelatoriosGravados.h"

#include <mutex>

namespace teste {

std::vector<TRelatorioGravado> Gravando(const std::function<void()>& acao,
                                        kt::TServicosDeJanela outros) {
    std::mutex trava;
    std::vector<TRelatorioGravado> gravados;
    kt::TServicosDeJanela gravador = std::move(outros);
    gravador.MostrarCentralSolucoes = [&](std::wstring_view modulo, std::wstring_view problema,
                                          std::wstring_view arquivos, std::wstring_view solucao,
                                          const kt::TRegistroAjuda* ajuda, CRITICAL_SECTION*) {
        TRelatorioGravado relatorio{std::wstring(modulo),   std::wstring(problema),
                                    std::wstring(arquivos), std::wstring(solucao),
                                    std::nullopt,           GetCurrentThreadId()};
        if (ajuda)
            relatorio.Ajuda = *ajuda;
        const std::lock_guard<std::mutex> guardada(trava);
        gravados.push_back(std::move(relatorio));
        return true;
    };
    {
        const kt::TServicosDeJanelaInstalados instalados(std::move(gravador));
        acao();
    }
    return gravados;
}

} // namespace teste
