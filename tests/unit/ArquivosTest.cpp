#include "fileops/Arquivos.h"
#include "tests/unit/PastaTemporaria.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

// Built natively (the C runtime's stat on the build machine) and into the Windows tests (its
// _wstat64 under Wine), with a name outside ASCII in both.
namespace {

TEST(Arquivos, AFileIsAFileAndAFolderOrAMissingPathIsNot) {
    const teste::PastaTemporaria pasta(L"arquivos");
    std::ofstream(pasta.Local() / u8"memória.swf") << "x";
    std::ofstream(pasta.Local() / L"vazio.txt");
    std::filesystem::create_directory(pasta.Local() / L"Pontilha.pt.html");
    EXPECT_TRUE(kt::EhArquivo(pasta / L"memória.swf"));
    EXPECT_TRUE(kt::EhArquivo(pasta / L"vazio.txt"));
    EXPECT_FALSE(kt::EhArquivo(pasta / L"Pontilha.pt.html"));
    EXPECT_FALSE(kt::EhArquivo(pasta / L"faltando.txt"));
    EXPECT_FALSE(kt::EhArquivo(pasta / L"faltando\\faltando.txt"));
    EXPECT_FALSE(kt::EhArquivo(L""));
}

} // namespace
