#include "dialogs/ServicosKT.h"

namespace kt {

TServicosDeJanela ServicosDeJanelaDoFramework() {
    TServicosDeJanela servicos;
    servicos.EscolherDiretorio = ServicosKT::EscolherDiretorio;
    servicos.MostrarCentralSolucoes = ServicosKT::MostrarCentralSolucoes;
    return servicos;
}

} // namespace kt
