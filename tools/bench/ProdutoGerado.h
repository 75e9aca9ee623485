// Test products for the scaling runs of tools/bench_nsis.sh: a number of files of mixed data
// (tools/bench/DadosMistos.h) that add up to a given size, in folders of at most a hundred files,
// all fixed by the count and the size. The same files go into NSIS's installer and into ours, so
// that a cost per file or per megabyte that grows with the work shows in both.
#pragma once

#include "tools/bench/RoteiroNsis.h"

#include <cstdint>
#include <filesystem>

namespace kt::bench {

inline constexpr int kArquivosPorPasta = 100;

struct TTamanhosGerados {
    int Arquivos;
    std::uint64_t Bytes;
};

// The size of each file: from half to one and a half of the mean, adding up to the total exactly
// (the last file takes the remainder of the division). Fixed by the count and the total.
std::vector<std::uint64_t> TamanhosDosArquivos(const TTamanhosGerados& tamanhos);

// The files' names and folders, relative to the product's root, in their order of installation.
std::vector<TArquivoNsis> ArquivosGerados(const std::filesystem::path& raiz, int arquivos);

// Writes the files under raiz (which is emptied first) and answers the product for NSIS: its
// files and folders, no shortcut and no Uninstall entry.
TProdutoNsis GerarProduto(const TTamanhosGerados& tamanhos, const std::filesystem::path& raiz);

} // namespace kt::bench
