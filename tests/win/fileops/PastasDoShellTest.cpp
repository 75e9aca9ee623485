// The folders that the self-removal leaves where they are, recognised in any spelling of their
// path, and the folders that an installation made inside them, which it may remove.
#include "fileops/PastasDoShell.h"
#include "fileops/Texto.h"
#include "tests/win/comum/Arquivos.h"

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring Curto(const std::wstring& caminho) {
    wchar_t curto[MAX_PATH] = {};
    GetShortPathNameW(caminho.c_str(), curto, MAX_PATH);
    return curto;
}

std::wstring Maiusculas(std::wstring texto) {
    CharUpperBuffW(texto.data(), static_cast<DWORD>(texto.size()));
    return texto;
}

TEST(PastaDoSistema, TheSystemsOwnFoldersInAnySpellingButNotAnInstallationInsideThem) {
    const std::wstring programas = kt::PastaEspecial(CSIDL_PROGRAM_FILES);
    ASSERT_FALSE(programas.empty());
    const std::wstring instalacao =
        programas + L"\\Pontilha kt " + std::to_wstring(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryW(instalacao.c_str(), nullptr));
    teste::PastaTemporaria temporaria(L"kt pasta do sistema");
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    wchar_t temporarias[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temporarias);

    struct Caso {
        std::wstring pasta;
        bool doSistema;
    };
    const Caso casos[] = {
        {L"C:\\", true},
        {programas, true},
        {Maiusculas(programas) + L"\\", true},
        {Curto(programas), true},
        {windows, true},
        {kt::PastaEspecial(CSIDL_DESKTOPDIRECTORY), true},
        {kt::PastaEspecial(CSIDL_PERSONAL), true},
        {kt::PastaEspecial(CSIDL_PROFILE), true},
        {temporarias, true},
        {instalacao, false},
        {Curto(instalacao), false},
        {temporaria.Caminho(), false},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(kt::PastaDoSistema(caso.pasta), caso.doSistema) << kt::Utf8(caso.pasta);
    RemoveDirectoryW(instalacao.c_str());
}

} // namespace
