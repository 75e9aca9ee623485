#include "fileops/LinhasAutoRemocao.h"

#include "tests/unit/Esperados.h"

#include <gtest/gtest.h>

#include <algorithm>

using kt::LinhasAutoRemocaoSegura;
using kt::TextoDoLote;

namespace {

constexpr const wchar_t* kPontilha = L"C:\\Arquivos de programas\\Pontilha\\Pontilha.exe";
constexpr const wchar_t* kLote = L"C:\\WINDOWS\\TEMP\\bat1A2B.bat";
constexpr const wchar_t* kSistema = L"C:\\WINDOWS\\system32";
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

TEST(LinhasAutoRemocaoSegura, BoundedPausedRetryInTheFilesCodePage) {
    EXPECT_EQ(ComoGravado(LinhasAutoRemocaoSegura({kPontilha, kLote, kSistema, kPaginaOEM, true})),
              teste::LerEsperado("AutoRemocaoSegura_Pontilha.bat"));
}

TEST(LinhasAutoRemocaoSegura, PercentSignsAreDoubledAndAccentsKept) {
    EXPECT_EQ(ComoGravado(LinhasAutoRemocaoSegura(
                  {L"D:\\Programação\\100% Braille\\Pontilha.exe",
                   L"C:\\Documents and Settings\\Conceição\\Configurações locais\\Temp\\bat3F.bat",
                   L"C:\\WINDOWS\\system32", kPaginaOEM, true})),
              teste::LerEsperado("AutoRemocaoSegura_Porcento.bat"));
}

// Only the program's own directory, never one above it, and not even that one when the caller
// says it is the system's.
TEST(LinhasAutoRemocaoSegura, RemovesAtMostTheProgramsOwnDirectory) {
    struct Caso {
        const wchar_t* programa;
        bool removerDiretorio;
        std::vector<std::wstring> rmdir;
    };
    const Caso casos[] = {
        {kPontilha, true, {L"rmdir \"C:\\Arquivos de programas\\Pontilha\""}},
        {L"D:\\a\\b\\c\\P.exe", true, {L"rmdir \"D:\\a\\b\\c\""}},
        {L"C:\\Arquivos de programas\\Pontilha.exe", false, {}},
        {L"C:\\Pontilha.exe", false, {}},
        {L"Pontilha.exe", true, {}},
    };
    for (const Caso& caso : casos) {
        const std::vector<std::wstring> linhas =
            LinhasAutoRemocaoSegura({caso.programa, kLote, kSistema, 1252, caso.removerDiretorio});
        EXPECT_EQ(LinhasRmdir(linhas), caso.rmdir) << kt::Utf8(caso.programa);
        EXPECT_EQ(linhas[1], L"\"C:\\WINDOWS\\system32\\chcp.com\" 1252>nul");
        EXPECT_EQ(linhas[linhas.size() - 2], L"cls");
        EXPECT_EQ(linhas.back(), L"del \"C:\\WINDOWS\\TEMP\\bat1A2B.bat\"");
    }
}

// The file's text.

TEST(TextoDoLote, EveryLineEndsWithCrLf) {
    EXPECT_EQ(TextoDoLote(std::vector<std::wstring>{L"a", L"", L"b"}), L"a\r\n\r\nb\r\n");
    EXPECT_EQ(TextoDoLote(std::vector<std::wstring>{}), L"");
}
