#include "fileops/LinhasAutoRemocao.h"

#include "tests/unit/Esperados.h"

#include <gtest/gtest.h>

#include <algorithm>

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

TEST(LinhasAutoRemocaoSegura, EveryAncestorDownToTheBareDriveAndADriveRootKeepsItsBackslash) {
    const std::pair<const wchar_t*, std::vector<std::wstring>> casos[] = {
        {L"C:\\Pontilha.exe", {L"rmdir \"C:\\\"", L"rmdir \"C:\""}},
        {L"E:\\Pontilha\\Pontilha.exe", {L"rmdir \"E:\\Pontilha\"", L"rmdir \"E:\""}},
        {L"C:\\a\\b c\\d\\e\\P.exe",
         {L"rmdir \"C:\\a\\b c\\d\\e\"", L"rmdir \"C:\\a\\b c\\d\"", L"rmdir \"C:\\a\\b c\"",
          L"rmdir \"C:\\a\"", L"rmdir \"C:\""}},
        {L"Pontilha.exe", {}},
    };
    for (const auto& [programa, rmdir] : casos) {
        const std::vector<std::wstring> linhas = LinhasAutoRemocaoSegura(programa, kLote, 1252);
        EXPECT_EQ(LinhasRmdir(linhas), rmdir) << kt::Utf8(programa);
        EXPECT_EQ(linhas.back(), L"del \"C:\\WINDOWS\\TEMP\\bat1A2B.bat\"");
    }
}

// The file's text.

TEST(TextoDoLote, EveryLineEndsWithCrLf) {
    EXPECT_EQ(TextoDoLote(std::vector<std::wstring>{L"a", L"", L"b"}), L"a\r\n\r\nb\r\n");
    EXPECT_EQ(TextoDoLote(std::vector<std::wstring>{}), L"");
}
