// A DLL that the program loads at run time comes from the system directory by its full path,
// whether or not the system can restrict the search itself (Pontilha.exe's own defence is
// shown end to end by CarregamentoSeguro.*).
#include "base/Owned.h"
#include "resources/AssistenteIds.h"
#include "ui/SystemLibraries.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring ArquivoDoModulo(HMODULE modulo) {
    wchar_t caminho[MAX_PATH] = {};
    GetModuleFileNameW(modulo, caminho, MAX_PATH);
    return caminho;
}

TEST(SystemLibraries, ALibraryIsLoadedByItsFullPathInTheSystemDirectory) {
    wchar_t sistema[MAX_PATH] = {};
    ASSERT_GT(GetSystemDirectoryW(sistema, MAX_PATH), 0u);
    const std::wstring esperado = std::wstring(sistema) + L"\\version.dll";
    EXPECT_EQ(ui::SystemDirectoryFile(L"version.dll"), esperado);

    const base::UniqueLibrary versao(ui::LoadSystemLibrary(L"version.dll"));
    ASSERT_TRUE(versao);
    EXPECT_EQ(
        CompareStringOrdinal(ArquivoDoModulo(versao.Get()).c_str(), -1, esperado.c_str(), -1, TRUE),
        CSTR_EQUAL);
    EXPECT_EQ(ui::LoadSystemLibrary(L"kt_nenhuma.dll"), nullptr);
}

// A component that later loads one of them by its bare name gets the module of the system
// directory that is already in memory. The rich-text box's libraries come only with a window
// that has one (the video libraries, with a clip, are the test program's own imports).
TEST(SystemLibraries, TheLibrariesLoadedOnTheProgramsBehalfComeFromTheSystemDirectory) {
    const ui::PreloadedSystemLibraries precarregadas;
    EXPECT_FALSE(GetModuleHandleW(L"msftedit.dll"));
    ui::LoadControlLibraries(IDC_cenaLicenca);
    ui::LoadAnimationLibraries();
    for (const wchar_t* nome : ui::kLibrariesLoadedOnOurBehalf) {
        const HMODULE modulo = GetModuleHandleW(nome);
        ASSERT_TRUE(modulo) << nome;
        const std::wstring esperado = ui::SystemDirectoryFile(nome);
        EXPECT_EQ(
            CompareStringOrdinal(ArquivoDoModulo(modulo).c_str(), -1, esperado.c_str(), -1, TRUE),
            CSTR_EQUAL)
            << nome;
    }
}

} // namespace
