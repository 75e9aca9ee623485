// Paths as text: the folder of a path and the trailing delimiter of a directory. Portable: no
// Win32 here.
#pragma once

#include <string>
#include <string_view>

namespace kt {

// The folder of a path without its trailing backslash, except that a drive root keeps it
// (C:\Pontilha.exe gives C:\; C:Pontilha.exe gives C:): the bare drive would mean the drive's
// current directory. Empty when the path names no folder.
std::wstring_view PastaDe(std::wstring_view caminho);

// The directory with exactly one trailing delimiter: a backslash is added unless it ends in one.
std::wstring ComDelimitador(const std::wstring& caminho);

} // namespace kt
