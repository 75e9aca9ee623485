// A DLL planted beside a program under a system DLL's name: when anything loads it, it leaves a
// marker file beside itself named after its own file ("msimg32.dll.carregada"), so that a test
// sees which of the planted names was loaded. It exports nothing: a program that would call into
// it is already lost, and the marker is all a test needs.
#include "tests/e2e/plantada/Marcador.h"

#include <windows.h>

#include <string>

extern "C" BOOL WINAPI DllMain(HINSTANCE instancia, DWORD motivo, LPVOID) {
    if (motivo != DLL_PROCESS_ATTACH)
        return TRUE;
    wchar_t caminho[MAX_PATH] = {};
    const DWORD tamanho = GetModuleFileNameW(instancia, caminho, MAX_PATH);
    if (tamanho == 0 || tamanho >= MAX_PATH)
        return TRUE;
    const std::wstring marcador = std::wstring(caminho, tamanho) + plantada::kSufixoDoMarcador;
    CloseHandle(CreateFileW(marcador.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    return TRUE;
}
