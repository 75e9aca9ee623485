// Which file or folder a path names, as the file system answers it: paths written differently
// (a short 8.3 name, another case, a way through "..") may name the same one. Paths as text are
// fileops/Caminhos.h.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kt {

// Which file a path names now: its volume and its index on the volume.
struct TIdentidade {
    std::uint32_t Volume = 0;
    std::uint64_t Indice = 0;

    friend bool operator==(const TIdentidade&, const TIdentidade&) = default;
};

// The identity of the existing file or folder; nothing when it cannot be opened.
std::optional<TIdentidade> IdentidadeDe(const std::wstring& caminho);

// Whether two existing paths name one file or folder: the system gives both the same volume and
// file index (a short 8.3 name, a path through "..", a second hard link). A path that cannot be
// opened is no match.
bool MesmoArquivo(const std::wstring& a, const std::wstring& b);

// Whether the existing file or folder lies inside the folder, at any depth below it.
bool DentroDaPasta(const std::wstring& caminho, const std::wstring& pasta);

} // namespace kt
