// Test program: writes its command line's parameters, one a line in UTF-8, into the file that the
// first parameter names, so that a test can see it was started and with what. Started without
// parameters (as a wizard starts the program that follows an installation), it waits a second and
// then leaves an empty file beside itself, named after itself with ".marca": a trace that it ran
// to its end.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

bool Gravar(const wchar_t* arquivo, const std::string& bytes) {
    HANDLE h = CreateFileW(arquivo, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD gravados = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &gravados, nullptr);
    CloseHandle(h);
    return true;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int quantos = 0;
    LPWSTR* argumentos = CommandLineToArgvW(GetCommandLineW(), &quantos);
    if (!argumentos)
        return 1;
    if (quantos < 2) {
        LocalFree(argumentos);
        wchar_t proprio[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, proprio, MAX_PATH);
        Sleep(1000);
        return Gravar((std::wstring(proprio) + L".marca").c_str(), {}) ? 0 : 1;
    }
    std::wstring texto;
    for (int i = 1; i < quantos; ++i)
        texto += std::wstring(argumentos[i]) + L"\n";
    std::string utf8(static_cast<std::size_t>(texto.size() * 3), '\0');
    utf8.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), utf8.data(),
                            static_cast<int>(utf8.size()), nullptr, nullptr)));
    const bool gravado = Gravar(argumentos[1], utf8);
    LocalFree(argumentos);
    return gravado ? 0 : 1;
}
