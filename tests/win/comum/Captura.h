// Screenshots of windows as PNG files, for the record of what a test passed through.
#pragma once

#include <windows.h>

#include <string>

namespace teste {

// Copies what the screen shows of the window (frame included) into a PNG file. Answers whether
// the file was written.
bool SalvarCaptura(HWND janela, const std::wstring& arquivoPng);

// The folder of the build's screenshots (environment variable KT_CAPTURAS, a Windows path), made
// when missing; empty when the variable is not set.
std::wstring PastaDeCapturas();

// Saves the window as <PastaDeCapturas>\<nome>.png when there is such a folder.
void Capturar(HWND janela, const std::wstring& nome);

} // namespace teste
