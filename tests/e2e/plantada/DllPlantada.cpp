// A DLL planted beside a program under a system DLL's name: when anything loads it, it leaves a
// marker file beside itself, so that a test sees it was loaded.
#include <windows.h>

#include <string>

extern "C" BOOL WINAPI DllMain(HINSTANCE instancia, DWORD motivo, LPVOID) {
    if (motivo != DLL_PROCESS_ATTACH)
        return TRUE;
    wchar_t caminho[MAX_PATH] = {};
    GetModuleFileNameW(instancia, caminho, MAX_PATH);
    std::wstring marcador = caminho;
    marcador.erase(marcador.find_last_of(L'\\') + 1);
    marcador += L"dll-plantada-carregada.txt";
    CloseHandle(CreateFileW(marcador.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    return TRUE;
}
