// Test program: writes its command line's parameters, one a line in UTF-8, into the file that the
// first parameter names, so that a test can see it was started and with what.
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int quantos = 0;
    LPWSTR* argumentos = CommandLineToArgvW(GetCommandLineW(), &quantos);
    if (!argumentos || quantos < 2)
        return 1;
    std::wstring texto;
    for (int i = 1; i < quantos; ++i)
        texto += std::wstring(argumentos[i]) + L"\n";
    std::string utf8(static_cast<std::size_t>(texto.size() * 3), '\0');
    utf8.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), utf8.data(),
                            static_cast<int>(utf8.size()), nullptr, nullptr)));
    HANDLE arquivo = CreateFileW(argumentos[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    LocalFree(argumentos);
    if (arquivo == INVALID_HANDLE_VALUE)
        return 1;
    DWORD gravados = 0;
    WriteFile(arquivo, utf8.data(), static_cast<DWORD>(utf8.size()), &gravados, nullptr);
    CloseHandle(arquivo);
    return 0;
}
