// Test program: removes itself. It calls AutoRemover, writes into the file that its first
// parameter names the result and the batch file that appeared (UTF-8, one a line), waits until
// the event that its second parameter names is set, and ends; the batch then removes it.
#include "fileops/AutoRemocao.h"
#include "base/Owned.h"

#include <windows.h>
#include <shellapi.h>

#include <set>
#include <string>

namespace {

std::set<std::wstring> Lotes(const std::wstring& pasta) {
    std::set<std::wstring> lotes;
    WIN32_FIND_DATAW achado{};
    const base::UniqueFind busca(FindFirstFileW((pasta + L"bat*.bat").c_str(), &achado));
    if (!busca)
        return lotes;
    do
        lotes.insert(pasta + achado.cFileName);
    while (FindNextFileW(busca.Get(), &achado));
    return lotes;
}

void Escrever(const std::wstring& arquivo, const std::wstring& texto) {
    std::string utf8(texto.size() * 3, '\0');
    utf8.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), utf8.data(),
                            static_cast<int>(utf8.size()), nullptr, nullptr)));
    HANDLE saida = CreateFileW(arquivo.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (saida == INVALID_HANDLE_VALUE)
        return;
    DWORD gravados = 0;
    WriteFile(saida, utf8.data(), static_cast<DWORD>(utf8.size()), &gravados, nullptr);
    CloseHandle(saida);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int quantos = 0;
    LPWSTR* argumentos = CommandLineToArgvW(GetCommandLineW(), &quantos);
    if (!argumentos || quantos < 3)
        return 1;
    const std::wstring relatorio = argumentos[1];
    HANDLE sinal = OpenEventW(SYNCHRONIZE, FALSE, argumentos[2]);
    LocalFree(argumentos);

    const std::wstring pasta = kt::PastaDoLoteDeRemocao();
    const std::set<std::wstring> antes = Lotes(pasta);
    const bool escrito = kt::AutoRemover(true);
    std::wstring texto = escrito ? L"1\n" : L"0\n";
    for (const std::wstring& lote : Lotes(pasta))
        if (!antes.contains(lote))
            texto += lote + L"\n";
    Escrever(relatorio, texto);

    if (sinal) {
        WaitForSingleObject(sinal, 30000);
        CloseHandle(sinal);
    }
    return 0;
}
