// Shortcuts for real in the prefix's special folders, read back through the shell's own link
// object: target, working directory and description; and the saves that the shell refuses.
#include "fileops/Atalho.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/LerAtalho.h"
#include "tests/win/comum/RelatoriosGravados.h"

#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace kt;
using teste::Gravando;
using teste::LerAtalho;
using teste::TAtalhoLido;

std::wstring PastaEspecial(int csidl) {
    wchar_t pasta[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, pasta);
    return pasta;
}

// A link file that the test made, deleted when the test ends.
struct ApagarAoFim {
    std::wstring Caminho;
    ~ApagarAoFim() { DeleteFileW(Caminho.c_str()); }
};

TEST(CriarAtalho, OnTheDesktopAndInTheProgramsFolderReadBackThroughTheShell) {
    teste::PastaTemporaria instalacao(L"kt atalho");
    const std::wstring alvo = instalacao / L"Pontilha.pt.html";
    ASSERT_TRUE(teste::GravarArquivo(alvo, "<html></html>"));
    const std::wstring nome = L"Pontilha teste " + std::to_wstring(GetCurrentProcessId()) + L".lnk";
    const std::wstring descricao = L"Curso de Braille: Pontilha";
    for (const auto& [onde, csidl] : {std::pair{kAtalhoNaAreaDeTrabalho, CSIDL_DESKTOPDIRECTORY},
                                      std::pair{kAtalhoEmProgramas, CSIDL_PROGRAMS}}) {
        const ApagarAoFim link{PastaEspecial(csidl) + L"\\" + nome};
        bool criado = false;
        const auto vistos = Gravando([&] { criado = CriarAtalho(alvo, nome, descricao, onde); });
        EXPECT_TRUE(criado) << onde;
        EXPECT_TRUE(vistos.empty());
        const TAtalhoLido lido = LerAtalho(link.Caminho);
        ASSERT_TRUE(lido.Carregado) << link.Caminho;
        EXPECT_EQ(lido.Alvo, alvo);
        EXPECT_EQ(lido.Diretorio + L"\\", instalacao.Caminho());
        EXPECT_EQ(lido.Descricao, descricao);
    }
}

TEST(CriarAtalho, WithoutAFolderTheNameIsTheWholePath) {
    teste::PastaTemporaria pasta(L"kt atalho");
    const std::wstring link = pasta / L"Pontilha.lnk";
    EXPECT_TRUE(CriarAtalho(L"C:\\Pontilha.pt.html", link, L"Pontilha", 4));
    const TAtalhoLido lido = LerAtalho(link);
    ASSERT_TRUE(lido.Carregado);
    EXPECT_EQ(lido.Alvo, L"C:\\Pontilha.pt.html");
    // A target in a drive's root keeps the root as its working directory, not the bare drive.
    EXPECT_EQ(lido.Diretorio, L"C:\\");
}

TEST(CriarAtalho, ASaveIntoAMissingFolderGivesFalseWithoutAReport) {
    teste::PastaTemporaria pasta(L"kt atalho");
    const std::wstring link = pasta / L"não existe\\Pontilha.lnk";
    bool criado = true;
    const auto vistos =
        Gravando([&] { criado = CriarAtalho(pasta / L"Pontilha.pt.html", link, L"Pontilha", 4); });
    EXPECT_FALSE(criado);
    EXPECT_TRUE(vistos.empty());
    EXPECT_FALSE(teste::Existe(link));
}

} // namespace
