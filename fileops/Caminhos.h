// Paths as text: the folder and the file name of a path, the trailing delimiter of a directory,
// and the limits of the paths that an installation creates. Portable: no Win32 here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kt {

// The longest path that an installation creates: a file, a folder or a new file beside its
// destination. Longer paths are refused, never cut: a cut path names another file.
inline constexpr std::size_t kMaximoDoCaminho = 255;
// The longest folder: CreateDirectory refuses a path of 248 characters and more.
inline constexpr std::size_t kMaximoDaPasta = 247;

// The folder of a path without its trailing backslash, except that a drive root keeps it
// (C:\Pontilha.exe gives C:\; C:Pontilha.exe gives C:): the bare drive would mean the drive's
// current directory. Empty when the path names no folder.
std::wstring_view PastaDe(std::wstring_view caminho);

// The file name of a path: what follows its last delimiter (\, / or the drive's colon); the
// whole path when it has none, nothing when it ends in one.
std::wstring_view NomeDe(std::wstring_view caminho);

// The directory with exactly one trailing delimiter: a backslash is added unless it ends in one.
std::wstring ComDelimitador(const std::wstring& caminho);

// The path without its trailing delimiters, except that a drive root keeps its own (C:\).
std::wstring SemDelimitador(std::wstring caminho);

// Whether the path is a full one, the same whatever the current directory and drive: a drive
// letter with ":\" (C:\Pontilha), or a share, "\\server\share\...". "C:Pontilha" and
// "\Pontilha" depend on the current directory or drive; "\\?\" and "\\.\" name devices.
bool CaminhoCompleto(std::wstring_view caminho);

} // namespace kt
