// The extraction services for real: container files extracted into files through the service
// table, with their progress, the declared size against the inflated data, and the one report of
// each failure, read from the Solutions Center by the robot; what a failure leaves on disk.
#include "dialogs/ServicosKT.h"
#include "fileops/TextosFramework.h"
#include "payload/container/Descompactar.h"
#include "payload/container/FluxoArquivo.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/Janelas.h"
#include "tests/win/payload/AuxiliaresConteiner.h"
#include "ui/Application.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

using kt::teste::BytesAleatorios;
using kt::teste::BytesDeTexto;
using kt::teste::DefinirTamanhoDescompactado;
using kt::teste::TRegistroProgresso;
using ::teste::ComoTexto;
using ::teste::ComRobo;
using ::teste::PastaTemporaria;
using ::teste::TRelatorioVisto;
namespace ids = kt::ids;

using TBytes = std::vector<std::uint8_t>;

TBytes Prefixo(const TBytes& dados, std::size_t n) {
    return {dados.begin(), dados.begin() + static_cast<std::ptrdiff_t>(n)};
}

// A folder with a container file, the target beside it and an unrelated file that no extraction
// may touch.
class Extracao : public testing::Test {
protected:
    PastaTemporaria pasta{L"kt descompactar"};
    const std::wstring origem = pasta / L"página.html.zlib";
    const std::wstring destino = pasta / L"página.html";
    const std::wstring vizinho = pasta / L"vizinho.txt";
    TRegistroProgresso progresso;

    void SetUp() override { ASSERT_TRUE(::teste::GravarArquivo(vizinho, "não mexa")); }
    void TearDown() override { EXPECT_EQ(::teste::LerArquivo(vizinho), "não mexa"); }

    void GravarOrigem(const TBytes& conteiner) {
        ASSERT_TRUE(::teste::GravarBytes(origem, conteiner));
    }

    std::vector<TRelatorioVisto> Descompactar() {
        return ComRobo(
            [&] { kt::ServicosKT::DescompactarArquivo(origem, destino, progresso.Evento()); });
    }

    std::wstring Arquivos() const { return origem + L" e " + destino; }
};

TEST_F(Extracao, ExtractsTheFileWithProgressPerChunk) {
    const TBytes dados = BytesDeTexto(122880);
    GravarOrigem(::teste::Conteiner(dados));
    EXPECT_TRUE(Descompactar().empty());
    EXPECT_EQ(::teste::LerArquivo(destino), ComoTexto(dados));
    EXPECT_EQ(progresso.percentuais, (std::vector<std::int32_t>{50, 100}));
}

TEST_F(Extracao, AHundredBytesReportAHundredOnce) {
    const TBytes dados = BytesAleatorios(100);
    GravarOrigem(::teste::Conteiner(dados));
    EXPECT_TRUE(Descompactar().empty());
    EXPECT_EQ(::teste::LerArquivo(destino), ComoTexto(dados));
    EXPECT_EQ(progresso.percentuais, (std::vector<std::int32_t>{100}));
}

TEST_F(Extracao, ADeclaredSizeBelowTheDataGivesExactlyThatManyBytes) {
    const TBytes dados = BytesDeTexto(100000);
    TBytes conteiner = ::teste::Conteiner(dados);
    DefinirTamanhoDescompactado(conteiner, 70000);
    GravarOrigem(conteiner);
    EXPECT_TRUE(Descompactar().empty());
    EXPECT_EQ(::teste::LerArquivo(destino), ComoTexto(Prefixo(dados, 70000)));
    EXPECT_EQ(progresso.percentuais, (std::vector<std::int32_t>{87, 100}));
}

// A failed extraction leaves no part of the file it was writing, and an existing target whole.
TEST_F(Extracao, ADeclaredSizeAboveTheDataIsOneReportAndLeavesTheTargetAsItWas) {
    const TBytes dados = BytesDeTexto(100000);
    TBytes conteiner = ::teste::Conteiner(dados);
    DefinirTamanhoDescompactado(conteiner, 130000);
    GravarOrigem(conteiner);
    for (const char* anterior : {static_cast<const char*>(nullptr), "versão anterior"}) {
        SCOPED_TRACE(anterior ? "existing target" : "no target");
        if (anterior) {
            ASSERT_TRUE(::teste::GravarArquivo(destino, anterior));
        }
        progresso.percentuais.clear();
        bool extraido = true;
        const auto vistos = ComRobo([&] {
            extraido = kt::ServicosKT::DescompactarArquivo(origem, destino, progresso.Evento());
        });
        EXPECT_FALSE(extraido);
        ASSERT_EQ(vistos.size(), 1u);
        ::teste::EsperarErroInesperado(vistos[0], Arquivos());
        EXPECT_EQ(::teste::Existe(destino), anterior != nullptr);
        if (anterior) {
            EXPECT_EQ(::teste::LerArquivo(destino), anterior);
        }
        EXPECT_EQ(progresso.percentuais, (std::vector<std::int32_t>{47}));
        EXPECT_EQ(::teste::Nomes(pasta.Caminho()).size(), anterior ? 3u : 2u)
            << "nothing left beside it";
    }
}

TEST_F(Extracao, ACorruptStreamIsOneReport) {
    TBytes conteiner = ::teste::Conteiner(BytesDeTexto(100000));
    conteiner[conteiner.size() / 2] ^= 0x5A;
    GravarOrigem(conteiner);
    const auto vistos = Descompactar();
    ASSERT_EQ(vistos.size(), 1u);
    ::teste::EsperarErroInesperado(vistos[0], Arquivos());
}

TEST_F(Extracao, ASourceWithoutDataIsOneReport) {
    GravarOrigem(Prefixo(::teste::Conteiner(BytesDeTexto(1000)), 50));
    const auto vistos = Descompactar();
    ASSERT_EQ(vistos.size(), 1u);
    ::teste::EsperarErroInesperado(vistos[0], Arquivos());
    EXPECT_FALSE(::teste::Existe(destino));
}

TEST_F(Extracao, AnExistingTargetIsReplaced) {
    ASSERT_TRUE(::teste::GravarArquivo(destino, std::string(200000, 'v')));
    const TBytes dados = BytesDeTexto(1000);
    GravarOrigem(::teste::Conteiner(dados));
    EXPECT_TRUE(Descompactar().empty());
    EXPECT_EQ(::teste::LerArquivo(destino), ComoTexto(dados));
}

// An empty file's container declares 0 bytes: the copy takes the whole zlib stream, which
// inflates to nothing, so the target is an empty file and no chunk reports progress.
TEST_F(Extracao, TheContainerOfAnEmptyFileGivesAnEmptyFile) {
    ASSERT_TRUE(::teste::GravarArquivo(destino, "antigo"));
    GravarOrigem(::teste::Conteiner({}));
    EXPECT_TRUE(Descompactar().empty());
    EXPECT_TRUE(::teste::Existe(destino));
    EXPECT_EQ(::teste::LerArquivo(destino), "");
    EXPECT_TRUE(progresso.percentuais.empty());
}

TEST_F(Extracao, StoppingEndsTheCopyQuietlyAndKeepsTheTargetAsItWas) {
    const TBytes dados = BytesAleatorios(150000);
    GravarOrigem(::teste::Conteiner(dados));
    ASSERT_TRUE(::teste::GravarArquivo(destino, "versão anterior"));
    progresso.pararNa = 1;
    EXPECT_TRUE(Descompactar().empty());
    EXPECT_EQ(::teste::LerArquivo(destino), "versão anterior");
    EXPECT_EQ(progresso.percentuais.size(), 1u);
}

// While the extraction runs, the container is the extraction's alone, and the target is not
// there yet: the file being written takes its place only when it is whole.
TEST_F(Extracao, SharesTheContainerWithNobodyAndWritesTheTargetWhole) {
    GravarOrigem(::teste::Conteiner(BytesDeTexto(100)));
    std::vector<DWORD> erros;
    const auto vistos = ComRobo([&] {
        kt::ServicosKT::DescompactarArquivo(origem, destino, [&](std::int32_t, bool&) {
            for (const std::wstring& arquivo : {origem, destino}) {
                HANDLE outro =
                    CreateFileW(arquivo.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
                erros.push_back(outro == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS);
                if (outro != INVALID_HANDLE_VALUE)
                    CloseHandle(outro);
            }
        });
    });
    EXPECT_TRUE(vistos.empty());
    EXPECT_EQ(erros, (std::vector<DWORD>{ERROR_SHARING_VIOLATION, ERROR_FILE_NOT_FOUND}));
    EXPECT_EQ(::teste::LerArquivo(destino).size(), 100u);
}

TEST_F(Extracao, AMissingContainerIsReportedAndCreatesNoTarget) {
    const auto vistos = Descompactar();
    ASSERT_EQ(vistos.size(), 1u);
    ::teste::EsperarErroInesperado(vistos[0], Arquivos(), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(::teste::Existe(destino));
    EXPECT_TRUE(progresso.percentuais.empty());
}

TEST_F(Extracao, AMissingContainerLeavesAnExistingTargetAlone) {
    ASSERT_TRUE(::teste::GravarArquivo(destino, "instalado antes"));
    const auto vistos = Descompactar();
    ASSERT_EQ(vistos.size(), 1u);
    ::teste::EsperarErroInesperado(vistos[0], Arquivos(), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(::teste::LerArquivo(destino), "instalado antes");
}

TEST_F(Extracao, ALockedContainerIsReportedAndHarmsNothing) {
    const TBytes conteiner = ::teste::Conteiner(BytesDeTexto(5000));
    GravarOrigem(conteiner);
    HANDLE preso = CreateFileW(origem.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(preso, INVALID_HANDLE_VALUE);
    const auto vistos = Descompactar();
    CloseHandle(preso);
    ASSERT_EQ(vistos.size(), 1u);
    ::teste::EsperarErroInesperado(vistos[0], Arquivos(), ERROR_SHARING_VIOLATION);
    EXPECT_FALSE(::teste::Existe(destino));
    EXPECT_EQ(::teste::LerArquivo(origem), ComoTexto(conteiner));
}

TEST_F(Extracao, ALockedTargetIsReportedAndKeepsItsContent) {
    const TBytes conteiner = ::teste::Conteiner(BytesDeTexto(5000));
    GravarOrigem(conteiner);
    ASSERT_TRUE(::teste::GravarArquivo(destino, "em uso"));
    HANDLE preso = CreateFileW(destino.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(preso, INVALID_HANDLE_VALUE);
    const auto vistos = Descompactar();
    CloseHandle(preso);
    ASSERT_EQ(vistos.size(), 1u);
    ::teste::EsperarErroInesperado(vistos[0], Arquivos(), ERROR_SHARING_VIOLATION);
    EXPECT_EQ(::teste::LerArquivo(destino), "em uso");
    EXPECT_EQ(::teste::LerArquivo(origem), ComoTexto(conteiner));
}

TEST(ExtracaoNomes, TheReportNamesBothFilesCutTo255) {
    PastaTemporaria pasta(L"kt descompactar");
    const std::wstring origem = pasta.Caminho() + std::wstring(200, L'o');
    const std::wstring destino = pasta.Caminho() + std::wstring(300, L'd');
    const auto vistos = ComRobo([&] { kt::ServicosKT::DescompactarArquivo(origem, destino, {}); });
    ASSERT_EQ(vistos.size(), 1u);
    const std::wstring arquivos = origem + L" e " + destino.substr(0, 255);
    EXPECT_EQ(vistos[0].Arquivos, ::teste::Linha(ids::kArquivos, arquivos.substr(0, 255)));
}

// The copy engine extracts ".ZLib" files on its worker thread: the report comes up on the main
// thread with the worker's own Windows error code, and the worker waits for it.
TEST(ExtracaoNoTrabalhador, AFailureOnAWorkerThreadIsReportedWithItsCode) {
    PastaTemporaria pasta(L"kt descompactar");
    const std::wstring origem = pasta / L"falta.zlib";
    const std::wstring destino = pasta / L"falta.txt";
    std::atomic<bool> terminou{false};
    DWORD tarefaDaJanela = 0;
    const auto vistos = ComRobo(
        [&] {
            std::thread trabalhador([&] {
                kt::ServicosKT::DescompactarArquivo(origem, destino, {});
                terminou = true;
            });
            ::teste::EsperarAte([&] {
                ui::Application::ProcessMessages();
                return terminou.load();
            });
            trabalhador.join();
        },
        [&](const TRelatorioVisto& v) {
            tarefaDaJanela = GetWindowThreadProcessId(v.Janela, nullptr);
        });
    ASSERT_EQ(vistos.size(), 1u);
    ::teste::EsperarErroInesperado(vistos[0], origem + L" e " + destino, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(tarefaDaJanela, GetCurrentThreadId());
}

// Extraction from streams: wherever each stream stands.
TEST(DescompactarFluxo, InflatesFromTheSourcePositionIntoTheTargetPosition) {
    const TBytes dados = BytesDeTexto(5000);
    TBytes origemBytes = {'l', 'i', 'x', 'o'};
    const TBytes conteiner = ::teste::Conteiner(dados);
    origemBytes.insert(origemBytes.end(), conteiner.begin() + 50, conteiner.end());
    kt::TFluxoMemoria origem(origemBytes);
    origem.Posicionar(4, kt::TOrigemFluxo::Inicio);
    kt::TFluxoMemoria destino(TBytes{'>', '>', '>'});
    destino.Posicionar(0, kt::TOrigemFluxo::Fim);
    TRegistroProgresso progresso;
    const auto vistos = ComRobo(
        [&] { kt::ServicosKT::DescompactarFluxo(origem, destino, 5000, progresso.Evento()); });
    EXPECT_TRUE(vistos.empty());
    TBytes esperado = {'>', '>', '>'};
    esperado.insert(esperado.end(), dados.begin(), dados.end());
    EXPECT_EQ(destino.Dados(), esperado);
    EXPECT_EQ(progresso.percentuais, (std::vector<std::int32_t>{100}));
}

TEST(DescompactarFluxo, AFailureIsOneReportWithoutFilesAndLeavesTheStreamsToTheCaller) {
    TBytes conteiner = ::teste::Conteiner(BytesDeTexto(5000));
    conteiner[60] ^= 0xFF;
    kt::TFluxoMemoria origem(conteiner);
    origem.Posicionar(50, kt::TOrigemFluxo::Inicio);
    kt::TFluxoMemoria destino;
    bool resultado = true;
    const auto vistos =
        ComRobo([&] { resultado = kt::DescompactarFluxo(origem, destino, 5000, {}); });
    EXPECT_FALSE(resultado);
    ASSERT_EQ(vistos.size(), 1u);
    ::teste::EsperarErroInesperado(vistos[0], kt::TextoFramework(ids::kNenhumArquivo));
    // Still the caller's and usable.
    destino.Gravar("ok", 2);
    EXPECT_EQ(destino.Tamanho(), 2);
    EXPECT_GT(origem.Posicao(), 50);
}

// A target file that takes nothing: the write's own Windows error goes into the report.
TEST(DescompactarFluxo, ATargetThatRefusesTheBytesIsReportedWithItsCode) {
    PastaTemporaria pasta(L"kt descompactar");
    const std::wstring arquivo = pasta / L"somente leitura.txt";
    ASSERT_TRUE(::teste::GravarArquivo(arquivo, "fixo"));
    kt::TFluxoArquivo destino = kt::TFluxoArquivo::AbrirSemCompartilhar(arquivo);
    const TBytes conteiner = ::teste::Conteiner(BytesDeTexto(300));
    kt::TFluxoMemoria origem(conteiner);
    origem.Posicionar(50, kt::TOrigemFluxo::Inicio);
    const auto vistos =
        ComRobo([&] { kt::ServicosKT::DescompactarFluxo(origem, destino, 300, {}); });
    ASSERT_EQ(vistos.size(), 1u);
    ::teste::EsperarErroInesperado(vistos[0], kt::TextoFramework(ids::kNenhumArquivo),
                                   ERROR_ACCESS_DENIED);
}

} // namespace
