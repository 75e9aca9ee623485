// Pontilha's product routines, for real in the test prefix: the Uninstall key with its values,
// its removal, and the removal of the shortcuts, which leaves another installation's. These tests
// share the key and the shortcut files and run one at a time.
#include "core/produto/RotinasPontilha.h"

#include "core/produto/Produto.h"
#include "core/produto/ValoresDesinstalacao.h"
#include "fileops/Texto.h"
#include "base/Owned.h"

#include <windows.h>
#include <shlobj.h>

#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/LerAtalho.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

namespace {

using Valores = std::vector<std::pair<std::wstring, std::wstring>>;

bool ChaveExiste() {
    base::UniqueKey chave;
    return RegOpenKeyExW(HKEY_LOCAL_MACHINE, kt::produto::kChaveDesinstalacao, 0, KEY_READ,
                         chave.Put()) == ERROR_SUCCESS;
}

// The key's values by name (Wine's registry lists values by name, not in the order in which they
// were written); a value that is not a string reads as "?".
Valores LerValores() {
    Valores valores;
    base::UniqueKey chave;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kt::produto::kChaveDesinstalacao, 0, KEY_READ,
                      chave.Put()) != ERROR_SUCCESS)
        return valores;
    for (DWORD i = 0;; ++i) {
        wchar_t nome[256];
        DWORD letras = 256;
        wchar_t dados[1024] = {};
        DWORD bytes = sizeof dados - sizeof(wchar_t);
        DWORD tipo = 0;
        if (RegEnumValueW(chave.Get(), i, nome, &letras, nullptr, &tipo,
                          reinterpret_cast<BYTE*>(dados), &bytes) != ERROR_SUCCESS)
            break;
        valores.emplace_back(nome, tipo == REG_SZ ? dados : L"?");
    }
    std::sort(valores.begin(), valores.end());
    return valores;
}

// What the key must hold for that directory (the values themselves are pinned in
// tests/unit/esperados/RegistroDesinstalacao.txt), by name.
Valores Esperados(const std::wstring& diretorio) {
    Valores valores = kt::ValoresDesinstalacao(diretorio);
    std::sort(valores.begin(), valores.end());
    return valores;
}

TEST(RotinasPontilha, RegistrationWritesTheSevenStringValues) {
    kt::ApagarRegistroDesinstalacao(L"");
    kt::RegistrarDesinstalacao(L"C:\\Program Files\\Pontilha 1.0\\");
    EXPECT_EQ(LerValores(), Esperados(L"C:\\Program Files\\Pontilha 1.0\\"));
    EXPECT_EQ(LerValores().size(), 7u);
    kt::ApagarRegistroDesinstalacao(L"");
}

TEST(RotinasPontilha, AnExistingKeyIsRewritten) {
    kt::ApagarRegistroDesinstalacao(L"");
    kt::RegistrarDesinstalacao(L"C:\\Antigo\\");
    kt::RegistrarDesinstalacao(L"D:\\Cursos\\Pontilha\\");
    EXPECT_EQ(LerValores(), Esperados(L"D:\\Cursos\\Pontilha\\"));
    kt::ApagarRegistroDesinstalacao(L"");
}

// Whatever somebody put under the key goes with it.
TEST(RotinasPontilha, RemovingTheEntryDeletesTheKeyWithItsSubkeysAndAMissingKeyIsNoError) {
    kt::RegistrarDesinstalacao(L"C:\\Pontilha\\");
    base::UniqueKey subchave;
    ASSERT_EQ(
        RegCreateKeyExW(HKEY_LOCAL_MACHINE,
                        (std::wstring(kt::produto::kChaveDesinstalacao) + L"\\Extra\\Mais").c_str(),
                        0, nullptr, 0, KEY_WRITE, nullptr, subchave.Put(), nullptr),
        ERROR_SUCCESS);
    subchave.Reset();
    ASSERT_TRUE(ChaveExiste());
    kt::ApagarRegistroDesinstalacao(L"C:\\Pontilha\\");
    EXPECT_FALSE(ChaveExiste());
    EXPECT_NO_THROW(kt::ApagarRegistroDesinstalacao(L"C:\\Pontilha\\"));
}

std::wstring Atalho(int csidl) {
    wchar_t pasta[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT, pasta);
    return std::wstring(pasta) + L"\\" + kt::produto::kAtalho;
}

bool Existe(const std::wstring& arquivo) {
    return GetFileAttributesW(arquivo.c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST(RotinasPontilha, RemovingTheShortcutsDeletesBothAndMissingOnesAreNoError) {
    const std::wstring desktop = Atalho(CSIDL_DESKTOPDIRECTORY);
    const std::wstring programas = Atalho(CSIDL_PROGRAMS);
    std::ofstream(std::filesystem::path(desktop)) << "atalho";
    std::ofstream(std::filesystem::path(programas)) << "atalho";
    ASSERT_TRUE(Existe(desktop));
    ASSERT_TRUE(Existe(programas));

    kt::RemoverAtalhosProduto(L"C:\\Pontilha\\");
    EXPECT_FALSE(Existe(desktop));
    EXPECT_FALSE(Existe(programas));
    EXPECT_NO_THROW(kt::RemoverAtalhosProduto(L"C:\\Pontilha\\"));
}

TEST(RotinasPontilha, TheOptionRoutinesMakeBothShortcutsToTheStartPageAndRemovalDeletesThem) {
    const std::wstring desktop = Atalho(CSIDL_DESKTOPDIRECTORY);
    const std::wstring programas = Atalho(CSIDL_PROGRAMS);
    DeleteFileW(desktop.c_str());
    DeleteFileW(programas.c_str());

    kt::CriarAtalhoMenuIniciar(L"C:\\Pontilha 1.0\\");
    kt::CriarAtalhoAreaDeTrabalho(L"C:\\Pontilha 1.0\\");
    for (const std::wstring& atalho : {desktop, programas}) {
        ASSERT_TRUE(Existe(atalho)) << std::string(atalho.begin(), atalho.end());
        const teste::TAtalhoLido lido = teste::LerAtalho(atalho);
        EXPECT_EQ(lido.Alvo, L"C:\\Pontilha 1.0\\Pontilha.pt.html");
        EXPECT_EQ(lido.Diretorio, L"C:\\Pontilha 1.0");
        EXPECT_EQ(lido.Descricao, kt::produto::kNomeExibido);
    }

    kt::RemoverAtalhosProduto(L"C:\\Pontilha 1.0\\");
    EXPECT_FALSE(Existe(desktop));
    EXPECT_FALSE(Existe(programas));
}

// An uninstaller copied elsewhere and run there leaves the entry and the shortcuts of the
// installation that is still in use; its own go, and so do those of an installation that is gone.
TEST(RotinasPontilha, TheEntryAndTheShortcutsOfAnotherInstallationStay) {
    teste::PastaTemporaria esta(L"kt esta instalacao");
    teste::PastaTemporaria outra(L"kt outra instalacao");
    for (const teste::PastaTemporaria* pasta : {&esta, &outra}) {
        ASSERT_TRUE(teste::GravarArquivo(*pasta / kt::produto::kDesinstalador, "MZ"));
        ASSERT_TRUE(teste::GravarArquivo(*pasta / kt::produto::kPaginaInicial, "<html></html>"));
    }
    const std::wstring desktop = Atalho(CSIDL_DESKTOPDIRECTORY);
    const std::wstring programas = Atalho(CSIDL_PROGRAMS);
    const std::pair<std::wstring, bool> casos[] = {
        {outra.Caminho(), true},
        {esta.Caminho(), false},
        {outra / L"sumiu\\", false},
    };
    for (const auto& [instalada, fica] : casos) {
        kt::RegistrarDesinstalacao(instalada);
        kt::CriarAtalhoMenuIniciar(instalada);
        kt::CriarAtalhoAreaDeTrabalho(instalada);
        kt::ApagarRegistroDesinstalacao(esta.Caminho());
        kt::RemoverAtalhosProduto(esta.Caminho());
        EXPECT_EQ((std::array{ChaveExiste(), Existe(desktop), Existe(programas)}),
                  (std::array{fica, fica, fica}))
            << kt::Utf8(instalada);
    }
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kt::produto::kChaveDesinstalacao);
    DeleteFileW(desktop.c_str());
    DeleteFileW(programas.c_str());
}

} // namespace
