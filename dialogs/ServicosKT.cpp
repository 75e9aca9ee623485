#include "dialogs/ServicosKT.h"

namespace kt {

TServicosDeJanela ServicosDeJanelaDoFramework() {
    TServicosDeJanela servicos;
    servicos.MostrarCentralSolucoes = ServicosKT::MostrarCentralSolucoes;
    return servicos;
}

} // namespace kt
