// The folders that the self-removal leaves where they are, recognised in any spelling of their
// path, and the folders that an installation made inside them, which it may remove.
#include "fileops/PastasDoShell.h"
#include "fileops/Texto.h"
#include "tests/win/comum/Arquivos.h"

#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

std::wstring Curto(const std::wstring& caminho) {
    wchar_t curto[MAX_PATH] = {};
    GetShortPathNameW(caminho.c_str(), curto, MAX_PATH);
    return curto;
}

TEST(PastaDoSistema, TheSystemsOwnFoldersInAnySpellingButNotAFolderMadeInsideThem) {
    const std::wstring programas = kt::PastaEspecial(CSIDL_PROGRAM_FILES);
    teste::PastaTemporaria feita(L"kt pasta do sistema");
    const std::pair<std::wstring, bool> casos[] = {
        {L"C:\\", true},
        {programas, true},
        {Curto(programas) + L"\\", true},
        {kt::PastaEspecial(CSIDL_DESKTOPDIRECTORY), true},
        {kt::PastaEspecial(CSIDL_WINDOWS), true},
        {feita.Local().parent_path().wstring(), true},
        {feita.Caminho(), false},
        {Curto(feita.Caminho()), false},
    };
    for (const auto& [pasta, doSistema] : casos)
        EXPECT_EQ(kt::PastaDoSistema(pasta), doSistema) << kt::Utf8(pasta);
}

} // namespace
