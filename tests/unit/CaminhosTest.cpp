#include "fileops/Caminhos.h"

#include "fileops/Texto.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

// The working directory of a shortcut and the first directory that self-removal removes.
TEST(PastaDe, IsThePathBeforeItsLastBackslashAndARootKeepsIt) {
    const std::pair<std::wstring, std::wstring> casos[] = {
        {L"C:\\Arquivos de programas\\Pontilha\\Pontilha.exe",
         L"C:\\Arquivos de programas\\Pontilha"},
        {L"C:\\Pontilha.pt.html", L"C:\\"},
        {L"C:Pontilha.exe", L"C:"},
        {L"\\\\servidor\\cursos\\Pontilha.exe", L"\\\\servidor\\cursos"},
        {L"Pontilha.exe", L""},
    };
    for (const auto& [caminho, pasta] : casos)
        EXPECT_EQ(kt::PastaDe(caminho), pasta) << kt::Utf8(caminho);
}

// Only a backslash counts as the delimiter that a directory already has.
TEST(ComDelimitador, AddsOneBackslashUnlessThereIsOne) {
    const std::pair<std::wstring, std::wstring> casos[] = {
        {L"D:\\Cursos\\Pontilha", L"D:\\Cursos\\Pontilha\\"},
        {L"D:\\Cursos\\", L"D:\\Cursos\\"},
        {L"D:\\Cursos/", L"D:\\Cursos/\\"},
        {L"", L"\\"},
    };
    for (const auto& [diretorio, comDelimitador] : casos)
        EXPECT_EQ(kt::ComDelimitador(diretorio), comDelimitador) << kt::Utf8(diretorio);
}

} // namespace
