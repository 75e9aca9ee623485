#include "fileops/ServicosDeJanela.h"

#include <utility>

namespace kt {

namespace {

TServicosDeJanela& Instalados() {
    static TServicosDeJanela servicos;
    return servicos;
}

} // namespace

const TServicosDeJanela& ServicosDeJanela() {
    return Instalados();
}

TServicosDeJanelaInstalados::TServicosDeJanelaInstalados(TServicosDeJanela servicos)
    : anteriores_(std::exchange(Instalados(), std::move(servicos))) {}

TServicosDeJanelaInstalados::~TServicosDeJanelaInstalados() {
    Instalados() = std::move(anteriores_);
}

bool Relatar(std::wstring_view modulo, std::wstring_view problema, std::wstring_view arquivos,
             std::wstring_view solucao, const TRegistroAjuda* ajuda,
             CRITICAL_SECTION* trava) noexcept {
    const auto& mostrar = ServicosDeJanela().MostrarCentralSolucoes;
    if (!mostrar)
        return false;
    try {
        return mostrar(modulo, problema, arquivos, solucao, ajuda, trava);
    } catch (...) {
        return false;
    }
}

} // namespace kt
