#include "core/produto/RotinasPontilha.h"

#include "base/Concat.h"
#include "core/produto/Produto.h"
#include "core/produto/ValoresDesinstalacao.h"
#include "fileops/Atalho.h"
#include "fileops/IdentidadeArquivo.h"
#include "fileops/ErrosArquivo.h"
#include "fileops/PastasDoShell.h"
#include "fileops/Registro.h"
#include "base/Owned.h"

#include <windows.h>
#include <shlobj.h>

namespace kt {
namespace {

void Verificar(LONG resultado) {
    if (resultado != ERROR_SUCCESS)
        GerarErroWindows(static_cast<std::uint32_t>(resultado));
}

void GravarTexto(HKEY chave, const wchar_t* nome, const std::wstring& dados) {
    Verificar(RegSetValueExW(chave, nome, 0, REG_SZ, reinterpret_cast<const BYTE*>(dados.c_str()),
                             static_cast<DWORD>((dados.size() + 1) * sizeof(wchar_t))));
}

// Deletes a shortcut that may be missing. The shell reads a new or changed shortcut on the desktop
// to show its icon, and holds it meanwhile: a delete refused for sharing is tried again for up to
// a second rather than leaving the shortcut behind.
void ApagarAtalho(const std::wstring& atalho) {
    for (int tentativa = 0; tentativa < 20; ++tentativa) {
        if (DeleteFileW(atalho.c_str()) || GetLastError() != ERROR_SHARING_VIOLATION)
            return;
        Sleep(50);
    }
}

// A file that still exists outside the installation directory: another installation's.
bool DeOutraInstalacao(const std::wstring& arquivo, const std::wstring& diretorio) {
    return !arquivo.empty() && GetFileAttributesW(arquivo.c_str()) != INVALID_FILE_ATTRIBUTES &&
           !DentroDaPasta(arquivo, diretorio);
}

// The command as the entry holds it; other tools write it between quotes.
std::wstring SemAspas(const std::wstring& comando) {
    if (comando.size() >= 2 && comando.front() == L'"' && comando.back() == L'"')
        return comando.substr(1, comando.size() - 2);
    return comando;
}

} // namespace

void RegistrarDesinstalacao(const std::wstring& diretorio) {
    base::UniqueKey chave;
    Verificar(RegCreateKeyExW(HKEY_LOCAL_MACHINE, produto::kChaveDesinstalacao, 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, chave.Put(),
                              nullptr));
    for (const auto& [nome, dados] : ValoresDesinstalacao(diretorio))
        GravarTexto(chave.Get(), nome.c_str(), dados);
}

void CriarAtalhoMenuIniciar(const std::wstring& diretorio) {
    CriarAtalho(diretorio + produto::kPaginaInicial, produto::kAtalho, produto::kNomeExibido,
                kAtalhoEmProgramas);
}

void CriarAtalhoAreaDeTrabalho(const std::wstring& diretorio) {
    CriarAtalho(diretorio + produto::kPaginaInicial, produto::kAtalho, produto::kNomeExibido,
                kAtalhoNaAreaDeTrabalho);
}

// The key goes with whatever was put under it, by the installer or by somebody else.
void ApagarRegistroDesinstalacao(const std::wstring& diretorio) {
    const std::optional<std::wstring> desinstalador =
        LerTextoDoRegistro(HKEY_LOCAL_MACHINE, produto::kChaveDesinstalacao, kValorDesinstalador);
    if (!desinstalador || DeOutraInstalacao(SemAspas(*desinstalador), diretorio))
        return;
    const LONG resultado = RegDeleteTreeW(HKEY_LOCAL_MACHINE, produto::kChaveDesinstalacao);
    if (resultado != ERROR_FILE_NOT_FOUND)
        Verificar(resultado);
}

void RemoverAtalhosProduto(const std::wstring& diretorio) {
    for (const int csidl : {CSIDL_DESKTOPDIRECTORY, CSIDL_PROGRAMS}) {
        // A folder that cannot be found is skipped: its empty path would name a shortcut at the
        // root of the current drive.
        const std::wstring pasta = PastaEspecial(csidl);
        if (pasta.empty())
            continue;
        const std::wstring atalho = base::Concat({pasta, L"\\", produto::kAtalho});
        if (!DeOutraInstalacao(AlvoDoAtalho(atalho), diretorio))
            ApagarAtalho(atalho);
    }
}

} // namespace kt
