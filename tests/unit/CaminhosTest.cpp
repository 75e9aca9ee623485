#include "fileops/Caminhos.h"
#include "fileops/LinhasDescricao.h"
#include "fileops/LinhasDoDiario.h"
#include "fileops/NomeNovo.h"

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

// The name that the locate dialog lists files by, and the program's name in the Solutions Center.
TEST(NomeDe, IsWhatFollowsTheLastDelimiter) {
    const std::pair<std::wstring, std::wstring> casos[] = {
        {L"C:\\Arquivos de programas\\Pontilha\\Pontilha.exe", L"Pontilha.exe"},
        {L"C:/Pontilha/leiame.txt", L"leiame.txt"},
        {L"C:Pontilha.exe", L"Pontilha.exe"},
        {L"Pontilha.exe", L"Pontilha.exe"},
        {L"C:\\Pontilha\\", L""},
    };
    for (const auto& [caminho, nome] : casos)
        EXPECT_EQ(kt::NomeDe(caminho), nome) << kt::Utf8(caminho);
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

namespace {

// A full path is the same whatever the current directory and drive.
TEST(CaminhoCompleto, IsADriveWithItsBackslashOrAShare) {
    const std::pair<std::wstring, bool> casos[] = {
        {L"C:\\Pontilha", true},
        {L"d:\\", true},
        {L"\\\\servidor\\cursos", true},
        {L"relativo", false},
        {L"C:relativo", false},
        {L"\\relativo", false},
        {L"C:", false},
        {L"\\\\servidor", false},
        {L"\\\\servidor\\", false},
        {L"\\\\?\\C:\\Pontilha", false},
        {L"\\\\.\\C:\\Pontilha", false},
        {L"1:\\Pontilha", false},
        {L"", false},
    };
    for (const auto& [caminho, completo] : casos)
        EXPECT_EQ(kt::CaminhoCompleto(caminho), completo) << kt::Utf8(caminho);
}

// The names of a copy's new files, and only those, are told apart from the user's.
TEST(NomeNovo, IsMadeAndToldApartFromOtherNames) {
    EXPECT_EQ(kt::NomeNovo(1), L"~ktnovo1.tmp");
    EXPECT_EQ(kt::NomeNovo(kt::kNomesNovos), L"~ktnovoFFFF.tmp");
    EXPECT_EQ(kt::NomeNovo(kt::kNomesNovos).size(), kt::kTamanhoMaximoDoNomeNovo);
    const std::pair<std::wstring, bool> casos[] = {
        {L"~ktnovo1A2B.tmp", true},      {L"~KTNOVO1a2b.TMP", true}, {L"~ktnovo.tmp", false},
        {L"~ktnovo12345.tmp", false},    {L"~ktnovo1G.tmp", false},  {L"kt1A2B.tmp", false},
        {L"~ktnovo1A2B.tmp.txt", false}, {L"x~ktnovo1.tmp", false},
    };
    for (const auto& [nome, novo] : casos)
        EXPECT_EQ(kt::EhNomeNovo(nome), novo) << kt::Utf8(nome);
}

// The diary names what its whole lines name, as Windows compares paths; a line cut short by a
// killed run, or of another kind, names nothing.
TEST(TInstalados, AreWhatTheDiarysWholeLinesName) {
    const kt::TInstalados instalados =
        kt::TInstalados::Ler(kt::LinhaDoArquivo(L"C:\\P\\a.html") + kt::LinhaDaPasta(L"C:\\P\\") +
                             L"outra C:\\P\\b.txt\r\narquivo C:\\P\\c.html");
    EXPECT_TRUE(instalados.ArquivoEscrito(L"c:\\p\\A.HTML"));
    EXPECT_TRUE(instalados.PastaCriada(L"C:\\P"));
    EXPECT_FALSE(instalados.ArquivoEscrito(L"C:\\P\\b.txt"));
    EXPECT_FALSE(instalados.ArquivoEscrito(L"C:\\P\\c.html"));
    EXPECT_FALSE(instalados.PastaCriada(L"C:\\P\\a.html"));
}

// Every path of an installation is measured: a directory row's folder, a file's target, the new
// file beside it; and the diary.
TEST(CaminhosDaInstalacaoCabem, MeasuresEveryPathThatTheInstallationMakes) {
    const auto cabem = [](std::size_t pasta, const std::wstring& diretorio,
                          const std::wstring& arquivo) {
        kt::TListaLinhas diretorios;
        diretorios.Adicionar(diretorio + L", 0, 0, sim");
        kt::TListaLinhas arquivos;
        arquivos.Adicionar(L"A, 0, rcdata, Base, , " + arquivo + L", 1, 1, sim");
        arquivos.Adicionar(L"B, 0, rcdata, Base, , " + std::wstring(200, L'n') + L", 1, 1, não");
        const std::wstring instalacao = L"C:\\" + std::wstring(pasta - 3, L'p') + L"\\";
        return kt::CaminhosDaInstalacaoCabem({L"C:\\W\\", L"C:\\W\\S\\", instalacao}, diretorios,
                                             arquivos);
    };
    EXPECT_TRUE(cabem(200, L"d", L"a.txt"));
    EXPECT_TRUE(cabem(200, std::wstring(46, L'd'), std::wstring(54, L'a')));
    EXPECT_FALSE(cabem(200, std::wstring(47, L'd'), L"a.txt")) << "a folder of 248";
    EXPECT_FALSE(cabem(200, L"d", std::wstring(55, L'a'))) << "a target of 256";
    EXPECT_FALSE(cabem(248, L"d", L"a.txt")) << "the installation directory itself";
    EXPECT_FALSE(cabem(238, L"d", L"a.txt")) << "the diary";
}

} // namespace
