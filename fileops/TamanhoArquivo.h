// The size of a file, reported like every framework operation when it cannot be read.
#pragma once

#include <cstdint>
#include <string_view>

namespace kt {

// The low 32 bits of the file's size (callers treat it as unsigned); -1 when the file cannot be
// opened or its size cannot be read. The name is a short string, cut to 255 characters. An empty
// file fails the size check like a failed read: its report is shown and 0 is returned.
std::int32_t TamanhoArquivo(std::wstring_view nomeArquivo);

// The same with the whole size, for files of 4 GiB and more: -1 when it cannot be read, 0 after
// the report of an empty file.
std::int64_t TamanhoArquivoCompleto(std::wstring_view nomeArquivo);

} // namespace kt
