// What each service reports when it fails, for real files and streams: one row per service and
// failure, with the report that the installed report slot receives (module, problem, files,
// solution, help record), the service's failure result and what the failure leaves behind. The
// reports are recorded, not shown; that the program's slot shows them in the Solutions Center is
// the window's own test (dialogs/CentralSolucoesTest.cpp).
#include "fileops/Ajuda.h"
#include "fileops/CopiarArquivo.h"
#include "fileops/ErrosArquivo.h"
#include "fileops/RelatorioDeErro.h"
#include "fileops/TamanhoArquivo.h"
#include "fileops/Texto.h"
#include "fileops/TextosFramework.h"
#include "fileops/VersaoArquivo.h"
#include "payload/container/Descompactar.h"
#include "payload/container/ExtrairRecurso.h"
#include "payload/container/FluxoArquivo.h"
#include "payload/container/VerificarArquivoZLib.h"
#include "tests/unit/AuxiliaresFluxo.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/RelatoriosGravados.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <iterator>
#include <functional>
#include <optional>
#include <ostream>

namespace {

using namespace kt;
using kt::teste::BytesDeTexto;
using kt::teste::Conteiner;
using ::teste::ComoTexto;
using ::teste::Existe;
using ::teste::GravarArquivo;
using ::teste::GravarBytes;
using ::teste::LerArquivo;
using ::teste::PastaTemporaria;
using TBytes = std::vector<std::uint8_t>;

// What one failing call named and answered.
struct TChamada {
    std::wstring Arquivos;
    std::int64_t Resultado = 0;
};

enum class TAjuda { Padrao, DoShell };

struct TFalha {
    const char* Nome;
    // Makes the failure in the folder, calls the service and checks what the failure left.
    std::function<TChamada(const PastaTemporaria& pasta)> Provocar;
    int Problema;
    int Solucao;
    // The Windows code in the solution of "Erro de I/O inexperado."; none when it is whatever
    // code the failing step left.
    std::optional<std::uint32_t> Codigo;
    std::int64_t Resultado;
    TAjuda Ajuda = TAjuda::Padrao;
};

std::wstring Texto(int id) {
    return std::wstring(TextoFramework(id));
}

TRegistroAjuda AjudaEsperada(TAjuda ajuda) {
    if (ajuda == TAjuda::DoShell)
        return AjudaSemArquivo(kContextoPadrao);
    TRegistroAjuda padrao;
    PreencherAjudaPadrao(padrao);
    return padrao;
}

// The extraction of a container file from the folder's "página.html.zlib" to "página.html".
struct TExtracao {
    std::wstring Origem;
    std::wstring Destino;
    std::wstring Arquivos() const { return Origem + L" e " + Destino; }
};

TExtracao Extracao(const PastaTemporaria& pasta) {
    return {pasta / L"página.html.zlib", pasta / L"página.html"};
}

TChamada Descompactar(const TExtracao& e) {
    return {e.Arquivos(), DescompactarArquivo(e.Origem, e.Destino, {})};
}

TCabecalhoZLib Marcado() {
    TCabecalhoZLib cabecalho;
    std::memset(static_cast<void*>(&cabecalho), 0xA5, sizeof cabecalho);
    return cabecalho;
}

TChamada Verificar(const std::wstring& arquivo) {
    TCabecalhoZLib cabecalho = Marcado();
    const bool resultado = VerificarArquivoZLib(arquivo, &cabecalho);
    const TCabecalhoZLib marcado = Marcado();
    EXPECT_EQ(std::memcmp(&cabecalho, &marcado, sizeof cabecalho), 0) << "the header stays";
    return {arquivo, resultado};
}

TChamada ExtrairDoPrograma(const PastaTemporaria& pasta, const wchar_t* recurso) {
    const std::wstring destino = pasta / L"abc.txt";
    EXPECT_TRUE(GravarArquivo(destino, "versão anterior"));
    const bool escrito = ExtrairRecurso(recurso, destino, {});
    EXPECT_EQ(LerArquivo(destino), "versão anterior") << "a cut file is never saved";
    return {L"", escrito};
}

// How many files the folder holds: a failed copy leaves nothing beside its destination.
std::ptrdiff_t Arquivos(const PastaTemporaria& pasta) {
    return std::distance(std::filesystem::directory_iterator(pasta.Local()),
                         std::filesystem::directory_iterator());
}

TChamada CopiarSobreProtegido(const PastaTemporaria& pasta, DWORD atributo) {
    const std::wstring destino = pasta / L"antigo.txt";
    EXPECT_TRUE(GravarArquivo(pasta / L"novo.txt", "novo"));
    EXPECT_TRUE(GravarArquivo(destino, "antigo"));
    EXPECT_TRUE(SetFileAttributesW(destino.c_str(), atributo));
    const bool copiou = CopiarArquivo(pasta / L"novo.txt", destino, kCopiaSubstitui, {}, nullptr);
    SetFileAttributesW(destino.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(LerArquivo(destino), "antigo");
    EXPECT_EQ(Arquivos(pasta), 2);
    return {destino, copiou};
}

const TFalha kFalhas[] = {
    {"TamanhoArquivo_ArquivoAusente",
     [](const PastaTemporaria& p) {
         const std::wstring arquivo = p / L"não existe.bin";
         return TChamada{arquivo, TamanhoArquivo(arquivo)};
     },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, ERROR_FILE_NOT_FOUND, -1},
    {"TamanhoArquivo_PastaAusente",
     [](const PastaTemporaria& p) {
         const std::wstring arquivo = p / L"sem pasta\\dados.bin";
         return TChamada{arquivo, TamanhoArquivo(arquivo)};
     },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, ERROR_PATH_NOT_FOUND, -1},
    {"TamanhoArquivo_ArquivoVazio",
     [](const PastaTemporaria& p) {
         const std::wstring arquivo = p / L"vazio.bin";
         EXPECT_TRUE(GravarArquivo(arquivo, ""));
         // A code left behind by an earlier call must not make the report another row's.
         SetLastError(ERROR_ACCESS_DENIED);
         return TChamada{arquivo, TamanhoArquivo(arquivo)};
     },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, ERROR_SUCCESS, 0},
    {"TamanhoArquivo_ArquivoPreso",
     [](const PastaTemporaria& p) {
         const std::wstring arquivo = p / L"preso.bin";
         EXPECT_TRUE(GravarArquivo(arquivo, "conteúdo"));
         const ::teste::ArquivoPreso preso(arquivo);
         return TChamada{arquivo, TamanhoArquivo(arquivo)};
     },
     ids::kViolacaoCompartilhamento, ids::kViolacaoCompartilhamentoSolucao, std::nullopt, -1},
    {"TamanhoArquivo_NomeLongo",
     [](const PastaTemporaria& p) {
         const std::wstring longo = p.Caminho() + std::wstring(300 - p.Caminho().size(), L'n');
         return TChamada{longo.substr(0, 255), TamanhoArquivo(longo)};
     },
     ids::kCaminhoInvalido, ids::kCaminhoInvalidoSolucao, std::nullopt, -1},

    {"VerificarArquivoZLib_ArquivoAusente",
     [](const PastaTemporaria& p) { return Verificar(p / L"não existe.zlib"); },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, ERROR_FILE_NOT_FOUND, false},
    // Even a holder that lets others read locks the check out: it opens the file for itself alone.
    {"VerificarArquivoZLib_ArquivoPreso",
     [](const PastaTemporaria& p) {
         const std::wstring arquivo = p / L"preso.zlib";
         const TBytes bytes = Conteiner({1, 2, 3});
         EXPECT_TRUE(GravarBytes(arquivo, bytes));
         TChamada chamada;
         {
             const ::teste::ArquivoPreso preso(arquivo, FILE_SHARE_READ);
             chamada = Verificar(arquivo);
         }
         EXPECT_EQ(LerArquivo(arquivo), ComoTexto(bytes));
         return chamada;
     },
     ids::kViolacaoCompartilhamento, ids::kViolacaoCompartilhamentoSolucao, std::nullopt, false},
    {"VerificarArquivoZLib_Pasta", [](const PastaTemporaria& p) { return Verificar(p.Caminho()); },
     ids::kAcessoNegado, ids::kAcessoNegadoSolucao, std::nullopt, false},
    {"VerificarArquivoZLib_NomeLongo",
     [](const PastaTemporaria& p) {
         const std::wstring longo = p.Caminho() + std::wstring(300 - p.Caminho().size(), L'z');
         TChamada chamada = Verificar(longo);
         chamada.Arquivos = longo.substr(0, 255);
         return chamada;
     },
     ids::kCaminhoInvalido, ids::kCaminhoInvalidoSolucao, std::nullopt, false},

    {"DescompactarArquivo_ConteinerAusente",
     [](const PastaTemporaria& p) {
         const TExtracao e = Extracao(p);
         const TChamada chamada = Descompactar(e);
         EXPECT_FALSE(Existe(e.Destino)) << "no target is made";
         return chamada;
     },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, ERROR_FILE_NOT_FOUND, 0},
    {"DescompactarArquivo_ConteinerAusenteComDestinoExistente",
     [](const PastaTemporaria& p) {
         const TExtracao e = Extracao(p);
         EXPECT_TRUE(GravarArquivo(e.Destino, "instalado antes"));
         const TChamada chamada = Descompactar(e);
         EXPECT_EQ(LerArquivo(e.Destino), "instalado antes");
         return chamada;
     },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, ERROR_FILE_NOT_FOUND, 0},
    {"DescompactarArquivo_ConteinerPreso",
     [](const PastaTemporaria& p) {
         const TExtracao e = Extracao(p);
         const TBytes conteiner = Conteiner(BytesDeTexto(5000));
         EXPECT_TRUE(GravarBytes(e.Origem, conteiner));
         TChamada chamada;
         {
             const ::teste::ArquivoPreso preso(e.Origem);
             chamada = Descompactar(e);
         }
         EXPECT_FALSE(Existe(e.Destino));
         EXPECT_EQ(LerArquivo(e.Origem), ComoTexto(conteiner));
         return chamada;
     },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, ERROR_SHARING_VIOLATION, 0},
    {"DescompactarArquivo_DestinoPreso",
     [](const PastaTemporaria& p) {
         const TExtracao e = Extracao(p);
         EXPECT_TRUE(GravarBytes(e.Origem, Conteiner(BytesDeTexto(5000))));
         EXPECT_TRUE(GravarArquivo(e.Destino, "em uso"));
         TChamada chamada;
         {
             const ::teste::ArquivoPreso preso(e.Destino, FILE_SHARE_READ);
             chamada = Descompactar(e);
         }
         EXPECT_EQ(LerArquivo(e.Destino), "em uso");
         return chamada;
     },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, ERROR_SHARING_VIOLATION, 0},
    // Nothing of a failed extraction is left: an existing target stays as it was.
    {"DescompactarArquivo_TamanhoDeclaradoMaiorQueOsDados",
     [](const PastaTemporaria& p) {
         const TExtracao e = Extracao(p);
         TBytes conteiner = Conteiner(BytesDeTexto(100000));
         kt::teste::DefinirTamanhoDescompactado(conteiner, 130000);
         EXPECT_TRUE(GravarBytes(e.Origem, conteiner));
         EXPECT_TRUE(GravarArquivo(e.Destino, "versão anterior"));
         const TChamada chamada = Descompactar(e);
         EXPECT_EQ(LerArquivo(e.Destino), "versão anterior");
         EXPECT_EQ(Arquivos(p), 2);
         return chamada;
     },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, std::nullopt, 0},
    {"DescompactarArquivo_FluxoCorrompido",
     [](const PastaTemporaria& p) {
         const TExtracao e = Extracao(p);
         TBytes conteiner = Conteiner(BytesDeTexto(100000));
         conteiner[conteiner.size() / 2] ^= 0x5A;
         EXPECT_TRUE(GravarBytes(e.Origem, conteiner));
         return Descompactar(e);
     },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, std::nullopt, 0},
    {"DescompactarArquivo_ConteinerSemDados",
     [](const PastaTemporaria& p) {
         const TExtracao e = Extracao(p);
         const TBytes conteiner = Conteiner(BytesDeTexto(1000));
         EXPECT_TRUE(GravarBytes(e.Origem, TBytes(conteiner.begin(), conteiner.begin() + 50)));
         const TChamada chamada = Descompactar(e);
         EXPECT_EQ(Arquivos(p), 1);
         return chamada;
     },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, std::nullopt, 0},
    {"DescompactarArquivo_NomesLongos",
     [](const PastaTemporaria& p) {
         const TExtracao e{p.Caminho() + std::wstring(200, L'o'),
                           p.Caminho() + std::wstring(300, L'd')};
         DescompactarArquivo(e.Origem, e.Destino, {});
         return TChamada{(e.Origem + L" e " + e.Destino.substr(0, 255)).substr(0, 255), 0};
     },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, std::nullopt, 0},

    // The streams stay the caller's and usable.
    {"DescompactarFluxo_FluxoCorrompido",
     [](const PastaTemporaria&) {
         TBytes conteiner = Conteiner(BytesDeTexto(5000));
         conteiner[60] ^= 0xFF;
         TFluxoMemoria origem(conteiner);
         origem.Posicionar(kTamanhoCabecalhoZLib, TOrigemFluxo::Inicio);
         TFluxoMemoria destino;
         const bool resultado = DescompactarFluxo(origem, destino, 5000, {});
         destino.Gravar("ok", 2);
         EXPECT_EQ(destino.Tamanho(), 2);
         EXPECT_GT(origem.Posicao(), 50);
         return TChamada{L"", resultado};
     },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, std::nullopt, false},
    // The write's own Windows error goes into the report.
    {"DescompactarFluxo_DestinoQueRecusaOsBytes",
     [](const PastaTemporaria& p) {
         const std::wstring arquivo = p / L"somente leitura.txt";
         EXPECT_TRUE(GravarArquivo(arquivo, "fixo"));
         TFluxoArquivo destino = TFluxoArquivo::AbrirSemCompartilhar(arquivo);
         TFluxoMemoria origem(Conteiner(BytesDeTexto(300)));
         origem.Posicionar(kTamanhoCabecalhoZLib, TOrigemFluxo::Inicio);
         return TChamada{L"", DescompactarFluxo(origem, destino, 300, {})};
     },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, ERROR_ACCESS_DENIED, false},

    // The inflation reports; the extraction then saves nothing and says so.
    {"ExtrairRecurso_FluxoCurto",
     [](const PastaTemporaria& p) { return ExtrairDoPrograma(p, L"KT_TESTE_CURTO"); },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, std::nullopt, false},
    {"ExtrairRecurso_FluxoCorrompido",
     [](const PastaTemporaria& p) { return ExtrairDoPrograma(p, L"KT_TESTE_CORROMPIDO"); },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, std::nullopt, false},
    // An embedded file that cannot be written is reported naming its target, never skipped in
    // silence; the target stays as it was and nothing is left beside it.
    {"ExtrairRecurso_RecursoAusente",
     [](const PastaTemporaria& p) {
         TChamada chamada = ExtrairDoPrograma(p, L"KT_NAO_EXISTE");
         chamada.Arquivos = p / L"abc.txt";
         EXPECT_EQ(Arquivos(p), 1);
         return chamada;
     },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, ERROR_RESOURCE_NAME_NOT_FOUND, false},
    {"ExtrairRecurso_DestinoPreso",
     [](const PastaTemporaria& p) {
         const std::wstring destino = p / L"abc.txt";
         EXPECT_TRUE(GravarArquivo(destino, "em uso"));
         bool escrito = true;
         {
             const ::teste::ArquivoPreso preso(destino, FILE_SHARE_READ);
             escrito = ExtrairRecurso(L"KT_TESTE_ABC", destino, {});
         }
         EXPECT_EQ(LerArquivo(destino), "em uso");
         EXPECT_EQ(Arquivos(p), 1);
         return TChamada{destino, escrito};
     },
     ids::kViolacaoCompartilhamento, ids::kViolacaoCompartilhamentoSolucao, std::nullopt, false},
    {"ExtrairRecurso_PastaAusente",
     [](const PastaTemporaria& p) {
         const std::wstring destino = p / L"não há\\abc.txt";
         const bool escrito = ExtrairRecurso(L"KT_TESTE_ABC", destino, {});
         EXPECT_EQ(Arquivos(p), 0);
         return TChamada{destino, escrito};
     },
     ids::kErroInesperado, ids::kErroInesperadoSolucao, std::nullopt, false},

    // Nothing is made when the source cannot be read.
    {"CopiarArquivo_OrigemAusente",
     [](const PastaTemporaria& p) {
         const std::wstring origem = p / L"não existe.txt";
         const bool copiou =
             CopiarArquivo(origem, p / L"destino.txt", kCopiaSubstitui, {}, nullptr);
         EXPECT_EQ(Arquivos(p), 0);
         return TChamada{origem, copiou};
     },
     ids::kCopiaImpossivel, ids::kCopiaSemOrigem, std::nullopt, false},
    {"CopiarArquivo_OrigemPresa",
     [](const PastaTemporaria& p) {
         const std::wstring origem = p / L"preso.txt";
         EXPECT_TRUE(GravarArquivo(origem, "preso"));
         const ::teste::ArquivoPreso preso(origem);
         const bool copiou =
             CopiarArquivo(origem, p / L"destino.txt", kCopiaSubstitui, {}, nullptr);
         EXPECT_EQ(Arquivos(p), 1);
         return TChamada{origem, copiou};
     },
     ids::kViolacaoCompartilhamento, ids::kViolacaoCompartilhamentoSolucao, std::nullopt, false},
    // A destination that may not be replaced is kept as it was.
    {"CopiarArquivo_DestinoSomenteLeitura",
     [](const PastaTemporaria& p) { return CopiarSobreProtegido(p, FILE_ATTRIBUTE_READONLY); },
     ids::kAcessoNegado, ids::kAcessoNegadoSolucao, std::nullopt, false},
    {"CopiarArquivo_DestinoOculto",
     [](const PastaTemporaria& p) { return CopiarSobreProtegido(p, FILE_ATTRIBUTE_HIDDEN); },
     ids::kAcessoNegado, ids::kAcessoNegadoSolucao, std::nullopt, false},
    {"CopiarArquivo_DestinoDoSistema",
     [](const PastaTemporaria& p) { return CopiarSobreProtegido(p, FILE_ATTRIBUTE_SYSTEM); },
     ids::kAcessoNegado, ids::kAcessoNegadoSolucao, std::nullopt, false},

    // A destination longer than a path may be is refused, never cut into the name of a file of
    // the user's.
    {"CopiarArquivo_DestinoLongo",
     [](const PastaTemporaria& p) {
         const std::wstring destino = p.Caminho() + std::wstring(256 - p.Caminho().size(), L'd');
         EXPECT_TRUE(GravarArquivo(p / L"novo.txt", "novo"));
         EXPECT_TRUE(GravarArquivo(destino.substr(0, 255), "do usuário"));
         const bool copiou = CopiarArquivo(p / L"novo.txt", destino, kCopiaSubstitui, {}, nullptr);
         EXPECT_EQ(LerArquivo(destino.substr(0, 255)), "do usuário");
         EXPECT_EQ(Arquivos(p), 2);
         return TChamada{destino.substr(0, 255), copiou};
     },
     ids::kCaminhoInvalido, ids::kCaminhoInvalidoSolucao, std::nullopt, false},

    // A loaded module without a version resource.
    {"LerVersaoArquivo_ModuloSemVersao",
     [](const PastaTemporaria&) {
         HMODULE modulo = LoadLibraryW(::teste::ProgramaDeTeste(L"kt_sem_versao.dll").c_str());
         EXPECT_NE(modulo, nullptr);
         const bool lida = LerVersaoArquivo(L"kt_sem_versao.dll", true, nullptr, nullptr);
         FreeLibrary(modulo);
         return TChamada{L"kt_sem_versao.dll", lida};
     },
     ids::kVersaoIlegivel, ids::kVersaoSolucao, std::nullopt, false, TAjuda::DoShell},
};

// The row by its name in the test's description.
void PrintTo(const TFalha& falha, std::ostream* saida) {
    *saida << falha.Nome;
}

class RelatorioDaFalha : public testing::TestWithParam<TFalha> {};

TEST_P(RelatorioDaFalha, IsOneReportOfItsRowAndTheFailureResult) {
    const TFalha& falha = GetParam();
    const PastaTemporaria pasta(L"kt relatorios");
    TChamada chamada;
    const auto relatorios = ::teste::Gravando([&] { chamada = falha.Provocar(pasta); });
    EXPECT_EQ(chamada.Resultado, falha.Resultado);
    ASSERT_EQ(relatorios.size(), 1u);
    const ::teste::TRelatorioGravado& r = relatorios[0];
    EXPECT_EQ(r.Modulo, kModuloDoFramework);
    EXPECT_EQ(r.Problema, Texto(falha.Problema));
    EXPECT_EQ(r.Arquivos, chamada.Arquivos);
    const std::wstring solucao = Texto(falha.Solucao);
    const std::size_t marca = solucao.find(L"%d");
    if (falha.Codigo) {
        EXPECT_EQ(r.Solucao, ComporRelatorio({}, solucao, *falha.Codigo).Solucao);
    } else if (marca != std::wstring::npos) {
        // The code is whatever the failing step left: the text around it is fixed.
        EXPECT_TRUE(r.Solucao.starts_with(solucao.substr(0, marca))) << Utf8(r.Solucao);
    } else {
        EXPECT_EQ(r.Solucao, solucao);
    }
    ASSERT_TRUE(r.Ajuda);
    const TRegistroAjuda ajuda = AjudaEsperada(falha.Ajuda);
    EXPECT_EQ(std::memcmp(&*r.Ajuda, &ajuda, sizeof ajuda), 0);
    EXPECT_EQ(r.Tarefa, GetCurrentThreadId());
}

INSTANTIATE_TEST_SUITE_P(Servicos, RelatorioDaFalha, testing::ValuesIn(kFalhas),
                         [](const testing::TestParamInfo<TFalha>& info) {
                             return std::string(info.param.Nome);
                         });

} // namespace
