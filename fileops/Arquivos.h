// Whether a path names a file, asked of the C runtime: the program has it on every Windows, and
// the native tests have it on the build machine. Portable: no Win32 here. (std::filesystem would
// answer the same and bring 700 KB of the C++ library, its streams and locales, into the program.)
#pragma once

#include <string>

namespace kt {

// A file, not a folder; a path that is missing or cannot be examined names no file.
bool EhArquivo(const std::wstring& caminho);

} // namespace kt
