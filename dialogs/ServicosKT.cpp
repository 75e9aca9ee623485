#include "dialogs/ServicosKT.h"

namespace kt {

TServicosDeJanela ServicosDeJanelaDoFramework() {
    TServicosDeJanela servicos;
    servicos.EscolherDiretorio = ServicosKT::EscolherDiretorio;
    servicos.MostrarCentralSolucoes = ServicosKT::MostrarCentralSolucoes;
    servicos.PerguntarSobrescrever = ServicosKT::PerguntarSobrescrever;
    servicos.PedirDisco = ServicosKT::PedirDisco;
    servicos.EncontrarArquivo = ServicosKT::EncontrarArquivo;
    return servicos;
}

} // namespace kt
