// The framework's service table: the one list through which the product's program and the
// framework's windows reach the framework's services, in the order of the list, each under its
// number. It stands above every service it lists, so each entry is the implementing operation
// itself: the arguments reach it and its result comes back unchanged, and the table holds no
// state and adds no checks. The services below the windows reach entries 14 to 18 through the
// slots that the program fills with ServicosDeJanelaDoFramework (fileops/ServicosDeJanela.h).
// An entry still to be built is named in its place; adding it is one line here and, for a
// window, one in ServicosDeJanelaDoFramework.
#pragma once

#include "dialogs/CentralSolucoes.h"
#include "dialogs/Encontrar.h"
#include "dialogs/EscolherDiretorio.h"
#include "dialogs/Sobrescrever.h"
#include "dialogs/TrocarDiscos.h"
#include "fileops/AbrirAjuda.h"
#include "fileops/AutoRemocao.h"
#include "fileops/Campos.h"
#include "fileops/CopiarArquivo.h"
#include "fileops/Processos.h"
#include "fileops/ServicosDeJanela.h"
#include "fileops/TamanhoArquivo.h"
#include "fileops/Versao.h"
#include "fileops/VersaoArquivo.h"
#include "payload/container/Descompactar.h"
#include "payload/container/VerificarArquivoZLib.h"

namespace kt::ServicosKT {

// 1. Whether a file is a container, and its header.
inline constexpr auto& VerificarArquivoZLib = kt::VerificarArquivoZLib;
// 2. A container file extracted into a file.
inline constexpr auto& DescompactarArquivo = kt::DescompactarArquivo;
// 3. A zlib stream inflated from one stream into another.
inline constexpr auto& DescompactarFluxo = kt::DescompactarFluxo;
// 4. Starts a program and waits for its end.
inline constexpr auto& ExecutarEEsperar = kt::ExecutarEEsperar;
// 5. The version numbers of a file or a loaded module.
inline constexpr auto& LerVersaoArquivo = kt::LerVersaoArquivo;
// 6. A file copied in blocks, with progress and a choice for an existing destination.
inline constexpr auto& CopiarArquivo = kt::CopiarArquivo;
// 7. The size of a file, or -1.
inline constexpr auto& TamanhoArquivo = kt::TamanhoArquivo;
// 8. The self-removal batch file.
inline constexpr auto& AutoRemover = kt::AutoRemover;
// 9. A wait on kernel handles that lets window messages through.
inline constexpr auto& EsperarObjetos = kt::EsperarObjetos;
// 10. A row's fields.
inline constexpr auto& SepararCampos = kt::SepararCampos;
// 11. A row from its fields.
inline constexpr auto& JuntarCampos = kt::JuntarCampos;
// 12. Launches what a help record names.
inline constexpr auto& AbrirAjuda = kt::AbrirAjuda;
// 13. A version as text.
inline constexpr auto& FormatarVersao = kt::FormatarVersao;
// 14. The directory browser: whether a directory was chosen, and which.
inline constexpr auto& EscolherDiretorio = kt::EscolherDiretorio;
// 15. The Solutions Center report.
inline constexpr auto& MostrarCentralSolucoes = kt::MostrarCentralSolucoes;
// 16. Whether a file may replace an existing one; the answer 0 to 3.
inline constexpr auto& PerguntarSobrescrever = kt::PerguntarSobrescrever;
// 17. The insert-disk prompt; the answer 0 to 2.
inline constexpr auto& PedirDisco = kt::PedirDisco;
// 18. The locate-missing-file dialog; the answer 0 to 2.
inline constexpr auto& EncontrarArquivo = kt::EncontrarArquivo;

} // namespace kt::ServicosKT

namespace kt {

// The table's windows (entries 14 to 18) in the slots through which the services reach them.
TServicosDeJanela ServicosDeJanelaDoFramework();

} // namespace kt
