#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    MessageBoxW(nullptr, L"Pontilha", L"Informação", MB_OK);
    return 0;
}
