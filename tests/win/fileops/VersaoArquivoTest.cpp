// Version numbers read for real: from the test program's own file and from its loaded module;
// files and modules without version information, without a report; and the version library,
// which the program loads at run time instead of importing it. A loaded module without a version
// resource is reported: a row of tests/win/RelatoriosDosServicosTest.cpp.
#include "fileops/Caminhos.h"
#include "fileops/VersaoArquivo.h"
#include "tests/win/TesteUiIds.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/RelatoriosGravados.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

using namespace kt;
using teste::Gravando;

constexpr std::int32_t kArquivo[] = {KT_TESTE_VERSAO_ARQUIVO};
constexpr std::int32_t kProduto[] = {KT_TESTE_VERSAO_PRODUTO};

std::wstring ProprioExecutavel() {
    wchar_t caminho[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, caminho, MAX_PATH);
    return caminho;
}

void EsperarNumeros(const TVersaoArquivo& versao, const std::int32_t (&numeros)[4]) {
    EXPECT_EQ(versao.Reservado, 0);
    EXPECT_EQ(versao.Maior, numeros[0]);
    EXPECT_EQ(versao.Menor, numeros[1]);
    EXPECT_EQ(versao.Distribuicao, numeros[2]);
    EXPECT_EQ(versao.Construcao, numeros[3]);
    EXPECT_EQ(versao.Patch, 0);
}

// Whatever the record held before, the reader zeroes what it does not fill.
TVersaoArquivo Sujo() {
    return {7, 7, 7, 7, 7, 7};
}

TEST(LerVersaoArquivo, FromTheTestProgramsFileAndFromItsLoadedModule) {
    const std::wstring arquivo = ProprioExecutavel();
    for (const auto& [nome, doModulo] :
         {std::pair{arquivo, false}, std::pair{std::wstring(NomeDe(arquivo)), true}}) {
        TVersaoArquivo versaoArquivo = Sujo();
        TVersaoArquivo versaoProduto = Sujo();
        bool lida = false;
        const auto vistos = Gravando(
            [&] { lida = LerVersaoArquivo(nome, doModulo, &versaoArquivo, &versaoProduto); });
        EXPECT_TRUE(lida) << doModulo;
        EXPECT_TRUE(vistos.empty());
        EsperarNumeros(versaoArquivo, kArquivo);
        EsperarNumeros(versaoProduto, kProduto);
    }
}

TEST(LerVersaoArquivo, EitherRecordMayBeLeftOut) {
    TVersaoArquivo versaoProduto = Sujo();
    EXPECT_TRUE(LerVersaoArquivo(ProprioExecutavel(), false, nullptr, &versaoProduto));
    EsperarNumeros(versaoProduto, kProduto);
    TVersaoArquivo versaoArquivo = Sujo();
    EXPECT_TRUE(LerVersaoArquivo(ProprioExecutavel(), true, &versaoArquivo, nullptr));
    EXPECT_TRUE(
        LerVersaoArquivo(std::wstring(NomeDe(ProprioExecutavel())), true, nullptr, nullptr));
}

TEST(LerVersaoArquivo, NoVersionInformationOrNoModuleGivesFalseWithoutAReport) {
    teste::PastaTemporaria pasta(L"kt versao");
    const std::wstring texto = pasta / L"leia-me.txt";
    ASSERT_TRUE(teste::GravarArquivo(texto, "Pontilha 1.0\r\n"));
    const std::vector<std::pair<std::wstring, bool>> casos = {
        {texto, false},
        {pasta / L"não existe.exe", false},
        {L"modulo_nao_carregado.dll", true},
    };
    for (const auto& [nome, doModulo] : casos) {
        TVersaoArquivo versao = Sujo();
        bool lida = true;
        const auto vistos =
            Gravando([&] { lida = LerVersaoArquivo(nome, doModulo, &versao, nullptr); });
        EXPECT_FALSE(lida);
        EXPECT_TRUE(vistos.empty());
        EXPECT_EQ(versao.Maior, 7) << "a record is only written when the version was read";
    }
}

// The names of the DLLs that the module imports at load time, in lower case.
std::vector<std::string> Importadas(HMODULE modulo) {
    const auto* base = reinterpret_cast<const BYTE*>(modulo);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& diretorio =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<std::string> nomes;
    for (auto* entrada =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + diretorio.VirtualAddress);
         entrada->Name != 0; ++entrada) {
        std::string nome(reinterpret_cast<const char*>(base + entrada->Name));
        for (char& c : nome)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        nomes.push_back(nome);
    }
    return nomes;
}

TEST(LerVersaoArquivo, TheVersionLibraryIsNotImported) {
    const std::vector<std::string> importadas = Importadas(GetModuleHandleW(nullptr));
    ASSERT_FALSE(importadas.empty());
    EXPECT_NE(std::find(importadas.begin(), importadas.end(), "kernel32.dll"), importadas.end());
    EXPECT_EQ(std::find(importadas.begin(), importadas.end(), "version.dll"), importadas.end());
}

} // namespace
