// The file-size service for real: it reads sizes, and a file that cannot be read is reported in
// the Solutions Center (read from the window by the robot) with the row of its error.
#include "fileops/ErrosArquivo.h"
#include "fileops/RelatorioDeErro.h"
#include "fileops/TamanhoArquivo.h"
#include "fileops/TextosFramework.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/RoboCentral.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

using namespace kt;
using teste::ComRobo;
using teste::PastaTemporaria;
using teste::TRelatorioVisto;

std::wstring Linha(int prefixo, std::wstring_view valor) {
    return std::wstring(TextoFramework(prefixo)) + std::wstring(valor);
}

void EsperarRelatorio(const TRelatorioVisto& visto, std::wstring_view arquivo, int problema,
                      std::wstring_view solucao) {
    EXPECT_EQ(visto.Modulo, Linha(ids::kModulo, kModuloDoFramework));
    EXPECT_EQ(visto.Problema, Linha(ids::kProblema, TextoFramework(problema)));
    EXPECT_EQ(visto.Arquivos, Linha(ids::kArquivos, arquivo));
    EXPECT_EQ(visto.Solucao, Linha(ids::kSolucao, solucao));
}

std::wstring SolucaoComErro(std::uint32_t erro) {
    return ComporRelatorio({}, TextoFramework(ids::kErroInesperadoSolucao), erro).Solucao;
}

TEST(TamanhoArquivo, ReadsTheSizeWithoutAReport) {
    PastaTemporaria pasta(L"kt tamanho");
    const std::wstring arquivo = pasta / L"dados.bin";
    ASSERT_TRUE(teste::GravarArquivo(arquivo, std::string(1234, 'x')));
    std::int32_t tamanho = 0;
    const auto vistos = ComRobo([&] { tamanho = TamanhoArquivo(arquivo); });
    EXPECT_EQ(tamanho, 1234);
    EXPECT_TRUE(vistos.empty());
}

TEST(TamanhoArquivo, AMissingFileIsReportedWithTheWindowsErrorNumber) {
    PastaTemporaria pasta(L"kt tamanho");
    const std::wstring arquivo = pasta / L"não existe.bin";
    std::int32_t tamanho = 0;
    const auto vistos = ComRobo([&] { tamanho = TamanhoArquivo(arquivo); });
    EXPECT_EQ(tamanho, -1);
    ASSERT_EQ(vistos.size(), 1u);
    EsperarRelatorio(vistos[0], arquivo, ids::kErroInesperado,
                     SolucaoComErro(ERROR_FILE_NOT_FOUND));
    EXPECT_NE(vistos[0].Solucao.find(L"Windows é 2."), std::wstring::npos);
}

TEST(TamanhoArquivo, AMissingFolderIsReportedWithItsOwnNumber) {
    PastaTemporaria pasta(L"kt tamanho");
    const std::wstring arquivo = pasta / L"sem pasta\\dados.bin";
    std::int32_t tamanho = 0;
    const auto vistos = ComRobo([&] { tamanho = TamanhoArquivo(arquivo); });
    EXPECT_EQ(tamanho, -1);
    ASSERT_EQ(vistos.size(), 1u);
    EsperarRelatorio(vistos[0], arquivo, ids::kErroInesperado,
                     SolucaoComErro(ERROR_PATH_NOT_FOUND));
}

TEST(TamanhoArquivo, AnEmptyFileIsReportedAndGivesZero) {
    PastaTemporaria pasta(L"kt tamanho");
    const std::wstring arquivo = pasta / L"vazio.bin";
    ASSERT_TRUE(teste::GravarArquivo(arquivo, ""));
    std::int32_t tamanho = -1;
    // A code left behind by an earlier call must not make the report another row's.
    SetLastError(ERROR_ACCESS_DENIED);
    const auto vistos = ComRobo([&] { tamanho = TamanhoArquivo(arquivo); });
    EXPECT_EQ(tamanho, 0);
    ASSERT_EQ(vistos.size(), 1u);
    EsperarRelatorio(vistos[0], arquivo, ids::kErroInesperado, SolucaoComErro(ERROR_SUCCESS));
}

TEST(TamanhoArquivo, AFileHeldOpenWithoutSharingIsASharingViolation) {
    PastaTemporaria pasta(L"kt tamanho");
    const std::wstring arquivo = pasta / L"preso.bin";
    ASSERT_TRUE(teste::GravarArquivo(arquivo, "conteúdo"));
    HANDLE preso = CreateFileW(arquivo.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(preso, INVALID_HANDLE_VALUE);
    std::int32_t tamanho = 0;
    const auto vistos = ComRobo([&] { tamanho = TamanhoArquivo(arquivo); });
    CloseHandle(preso);
    EXPECT_EQ(tamanho, -1);
    ASSERT_EQ(vistos.size(), 1u);
    EsperarRelatorio(vistos[0], arquivo, ids::kViolacaoCompartilhamento,
                     TextoFramework(ids::kViolacaoCompartilhamentoSolucao));
}

TEST(TamanhoArquivo, TheNameIsAShortString) {
    PastaTemporaria pasta(L"kt tamanho");
    const std::wstring longo = pasta.Caminho() + std::wstring(300 - pasta.Caminho().size(), L'n');
    const auto vistos = ComRobo([&] { TamanhoArquivo(longo); });
    ASSERT_EQ(vistos.size(), 1u);
    EXPECT_EQ(vistos[0].Arquivos, Linha(ids::kArquivos, longo.substr(0, 255)));
}

} // namespace
