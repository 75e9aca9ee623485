// The extraction services for real: container files extracted into files through the service
// table, with their progress, the declared size against the inflated data, stopping, and the
// sharing of both files, all without a report. Their failures are rows of
// tests/win/RelatoriosDosServicosTest.cpp.
#include "dialogs/ServicosKT.h"
#include "payload/container/Descompactar.h"
#include "tests/unit/AuxiliaresFluxo.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/RelatoriosGravados.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

using kt::teste::BytesAleatorios;
using kt::teste::BytesDeTexto;
using kt::teste::DefinirTamanhoDescompactado;
using kt::teste::TRegistroProgresso;
using ::teste::ComoTexto;
using ::teste::Gravando;
using ::teste::PastaTemporaria;
using ::teste::TRelatorioGravado;

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

    std::vector<TRelatorioGravado> Descompactar() {
        return Gravando(
            [&] { kt::ServicosKT::DescompactarArquivo(origem, destino, progresso.Evento()); });
    }
};

TEST_F(Extracao, ExtractsTheFileWithProgressPerChunk) {
    const TBytes dados = BytesDeTexto(122880);
    GravarOrigem(kt::teste::Conteiner(dados));
    EXPECT_TRUE(Descompactar().empty());
    EXPECT_EQ(::teste::LerArquivo(destino), ComoTexto(dados));
    EXPECT_EQ(progresso.percentuais, (std::vector<std::int32_t>{50, 100}));
}

TEST_F(Extracao, AHundredBytesReportAHundredOnce) {
    const TBytes dados = BytesAleatorios(100);
    GravarOrigem(kt::teste::Conteiner(dados));
    EXPECT_TRUE(Descompactar().empty());
    EXPECT_EQ(::teste::LerArquivo(destino), ComoTexto(dados));
    EXPECT_EQ(progresso.percentuais, (std::vector<std::int32_t>{100}));
}

TEST_F(Extracao, ADeclaredSizeBelowTheDataGivesExactlyThatManyBytes) {
    const TBytes dados = BytesDeTexto(100000);
    TBytes conteiner = kt::teste::Conteiner(dados);
    DefinirTamanhoDescompactado(conteiner, 70000);
    GravarOrigem(conteiner);
    EXPECT_TRUE(Descompactar().empty());
    EXPECT_EQ(::teste::LerArquivo(destino), ComoTexto(Prefixo(dados, 70000)));
    EXPECT_EQ(progresso.percentuais, (std::vector<std::int32_t>{87, 100}));
}

TEST_F(Extracao, AnExistingTargetIsReplaced) {
    ASSERT_TRUE(::teste::GravarArquivo(destino, std::string(200000, 'v')));
    const TBytes dados = BytesDeTexto(1000);
    GravarOrigem(kt::teste::Conteiner(dados));
    EXPECT_TRUE(Descompactar().empty());
    EXPECT_EQ(::teste::LerArquivo(destino), ComoTexto(dados));
}

// An empty file's container declares 0 bytes: the copy takes the whole zlib stream, which
// inflates to nothing, so the target is an empty file and no chunk reports progress.
TEST_F(Extracao, TheContainerOfAnEmptyFileGivesAnEmptyFile) {
    ASSERT_TRUE(::teste::GravarArquivo(destino, "antigo"));
    GravarOrigem(kt::teste::Conteiner({}));
    EXPECT_TRUE(Descompactar().empty());
    EXPECT_TRUE(::teste::Existe(destino));
    EXPECT_EQ(::teste::LerArquivo(destino), "");
    EXPECT_TRUE(progresso.percentuais.empty());
}

TEST_F(Extracao, StoppingEndsTheCopyQuietlyAndKeepsTheTargetAsItWas) {
    const TBytes dados = BytesAleatorios(150000);
    GravarOrigem(kt::teste::Conteiner(dados));
    ASSERT_TRUE(::teste::GravarArquivo(destino, "versão anterior"));
    progresso.pararNa = 1;
    EXPECT_TRUE(Descompactar().empty());
    EXPECT_EQ(::teste::LerArquivo(destino), "versão anterior");
    EXPECT_EQ(progresso.percentuais.size(), 1u);
}

// While the extraction runs, the container is the extraction's alone, and the target is not
// there yet: the file being written takes its place only when it is whole.
TEST_F(Extracao, SharesTheContainerWithNobodyAndWritesTheTargetWhole) {
    GravarOrigem(kt::teste::Conteiner(BytesDeTexto(100)));
    std::vector<DWORD> erros;
    const auto vistos = Gravando([&] {
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

// Extraction from streams: wherever each stream stands.
TEST(DescompactarFluxo, InflatesFromTheSourcePositionIntoTheTargetPosition) {
    const TBytes dados = BytesDeTexto(5000);
    TBytes origemBytes = {'l', 'i', 'x', 'o'};
    const TBytes conteiner = kt::teste::Conteiner(dados);
    origemBytes.insert(origemBytes.end(), conteiner.begin() + 50, conteiner.end());
    kt::TFluxoMemoria origem(origemBytes);
    origem.Posicionar(4, kt::TOrigemFluxo::Inicio);
    kt::TFluxoMemoria destino(TBytes{'>', '>', '>'});
    destino.Posicionar(0, kt::TOrigemFluxo::Fim);
    TRegistroProgresso progresso;
    const auto vistos = Gravando(
        [&] { kt::ServicosKT::DescompactarFluxo(origem, destino, 5000, progresso.Evento()); });
    EXPECT_TRUE(vistos.empty());
    TBytes esperado = {'>', '>', '>'};
    esperado.insert(esperado.end(), dados.begin(), dados.end());
    EXPECT_EQ(destino.Dados(), esperado);
    EXPECT_EQ(progresso.percentuais, (std::vector<std::int32_t>{100}));
}

} // namespace
