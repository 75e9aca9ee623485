// DLLs loaded at run time, and only from the system directory: a setup program runs next to
// whatever else was downloaded, where Windows would otherwise look for a DLL first.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

// Makes the process, and the system's own libraries on its behalf, load DLLs from the system
// directory only (SetDefaultDllDirectories). Looked up at run time: Windows 7 has the call only
// with an update, and a program that imported it would not start without. Answers whether the
// system took it.
bool LoadDllsFromSystemDirectoryOnly();

// The file of that name in the system directory; empty when the directory cannot be read.
std::wstring SystemDirectoryFile(const std::wstring& name);

// Loads a DLL of the system directory by its full path there, so that no other folder is
// searched for it, with or without the call above; the DLLs that it needs are searched from the
// system directory too. Null when it cannot be loaded (GetLastError says why).
HMODULE LoadSystemLibrary(const std::wstring& name);

} // namespace ui
