#include "fileops/LinhasAutoRemocao.h"

#include "tests/unit/Esperados.h"

#include <gtest/gtest.h>

#include <algorithm>

using kt::LinhasAutoRemocao;
using kt::LinhasAutoRemocaoSegura;
using kt::TextoDoLote;

namespace {

constexpr const wchar_t* kPontilha = L"C:\\Arquivos de programas\\Pontilha\\Pontilha.exe";
constexpr const wchar_t* kLote = L"C:\\WINDOWS\\TEMP\\bat1A2B.bat";
// Brazil's OEM code page, in which the file would be written there.
constexpr std::uint32_t kPaginaOEM = 850;

std::string ComoGravado(const std::vector<std::wstring>& linhas) {
    return kt::Utf8(TextoDoLote(linhas));
}

std::vector<std::wstring> LinhasRmdir(const std::vector<std::wstring>& linhas) {
    std::vector<std::wstring> rmdir;
    std::copy_if(linhas.begin(), linhas.end(), std::back_inserter(rmdir),
                 [](const std::wstring& l) { return l.starts_with(L"rmdir "); });
    return rmdir;
}

} // namespace

// The plain form.

TEST(LinhasAutoRemocao, NineLinesForAProgramTwoLevelsDown) {
    const std::vector<std::wstring> linhas = LinhasAutoRemocao(kPontilha, kLote);
    EXPECT_EQ(linhas.size(), 9u);
    EXPECT_EQ(ComoGravado(linhas), teste::LerEsperado("AutoRemocao_Pontilha.bat"));
}

TEST(LinhasAutoRemocao, ADriveRootKeepsItsBackslash) {
    EXPECT_EQ(ComoGravado(LinhasAutoRemocao(L"C:\\Pontilha.exe", kLote)),
              teste::LerEsperado("AutoRemocao_Raiz.bat"));
}

TEST(LinhasAutoRemocao, EveryAncestorDownToTheBareDrive) {
    EXPECT_EQ(LinhasRmdir(LinhasAutoRemocao(L"E:\\Pontilha\\Pontilha.exe", kLote)),
              (std::vector<std::wstring>{L"rmdir \"E:\\Pontilha\"", L"rmdir \"E:\""}));
    EXPECT_EQ(
        LinhasRmdir(LinhasAutoRemocao(L"C:\\a\\b c\\d\\e\\P.exe", kLote)),
        (std::vector<std::wstring>{L"rmdir \"C:\\a\\b c\\d\\e\"", L"rmdir \"C:\\a\\b c\\d\"",
                                   L"rmdir \"C:\\a\\b c\"", L"rmdir \"C:\\a\"", L"rmdir \"C:\""}));
}

TEST(LinhasAutoRemocao, APathWithoutDirectoryRemovesNoDirectory) {
    const std::vector<std::wstring> linhas = LinhasAutoRemocao(L"Pontilha.exe", kLote);
    EXPECT_TRUE(LinhasRmdir(linhas).empty());
    EXPECT_EQ(linhas.back(), L"del \"C:\\WINDOWS\\TEMP\\bat1A2B.bat\"");
}

// The safe form.

TEST(LinhasAutoRemocaoSegura, BoundedPausedRetryInTheFilesCodePage) {
    EXPECT_EQ(ComoGravado(LinhasAutoRemocaoSegura(kPontilha, kLote, kPaginaOEM)),
              teste::LerEsperado("AutoRemocaoSegura_Pontilha.bat"));
}

TEST(LinhasAutoRemocaoSegura, PercentSignsAreDoubledAndAccentsKept) {
    EXPECT_EQ(ComoGravado(LinhasAutoRemocaoSegura(
                  L"D:\\Programação\\100% Braille\\Pontilha.exe",
                  L"C:\\Documents and Settings\\Conceição\\Configurações locais\\Temp\\bat3F.bat",
                  kPaginaOEM)),
              teste::LerEsperado("AutoRemocaoSegura_Porcento.bat"));
}

TEST(LinhasAutoRemocaoSegura, RemovesTheSameDirectoriesAndEndsLikeThePlainForm) {
    for (const wchar_t* programa : {kPontilha, L"C:\\Pontilha.exe", L"D:\\a\\b\\c\\P.exe"}) {
        const std::vector<std::wstring> simples = LinhasAutoRemocao(programa, kLote);
        const std::vector<std::wstring> segura = LinhasAutoRemocaoSegura(programa, kLote, 1252);
        EXPECT_EQ(LinhasRmdir(segura), LinhasRmdir(simples));
        EXPECT_TRUE(std::equal(simples.end() - 2, simples.end(), segura.end() - 2));
        EXPECT_EQ(segura[1], L"chcp 1252>nul");
    }
}

// The file's text.

TEST(TextoDoLote, EveryLineEndsWithCrLf) {
    EXPECT_EQ(TextoDoLote(std::vector<std::wstring>{L"a", L"", L"b"}), L"a\r\n\r\nb\r\n");
    EXPECT_EQ(TextoDoLote(std::vector<std::wstring>{}), L"");
}
