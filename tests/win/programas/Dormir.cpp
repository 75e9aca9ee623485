// Test program: sleeps for the number of milliseconds on its command line, then ends.
#include <windows.h>

#include <cwchar>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR linha, int) {
    Sleep(static_cast<DWORD>(std::wcstoul(linha, nullptr, 10)));
    return 0;
}
