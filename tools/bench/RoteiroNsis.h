// The NSIS script of a product, for the comparison with NSIS (tools/bench_nsis.sh): an installer
// with NSIS's own plain pages (directory, then progress; confirmation, then progress to
// uninstall), Portuguese texts, zlib compression, that installs the same files into the same
// folders, makes the same shortcuts and the same Uninstall entry as our program, and an
// uninstaller that removes them in our uninstall's order, the installation folder last.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace kt::bench {

struct TArquivoNsis {
    std::filesystem::path Fonte; // the file on the build machine
    std::string Pasta;           // where it installs, relative to the installation folder,
                                 // with backslashes; empty for the folder itself
    std::string Nome;
};

struct TAtalhoNsis {
    std::string Pasta; // an NSIS folder variable: "$SMPROGRAMS", "$DESKTOP"
    std::string Nome;
    std::string Alvo; // relative to the installation folder
    std::string Descricao;
};

// A string value of the Uninstall entry; its data is the variable followed by the text.
struct TValorNsis {
    std::string Nome;
    std::string Variavel;
    std::string Texto;
};

struct TProdutoNsis {
    std::string Nome;        // the product's name on NSIS's pages
    std::string PastaPadrao; // under Program Files
    std::string Desinstalador;
    std::vector<TArquivoNsis> Arquivos;
    std::vector<std::string> Pastas; // removed in this order, deepest first
    std::vector<TAtalhoNsis> Atalhos;
    std::string ChaveDesinstalacao; // under HKEY_LOCAL_MACHINE; none when empty
    std::vector<TValorNsis> ValoresDesinstalacao;
    // NSIS's "XPStyle on": its pages with version 6 of the common controls and the theme, as our
    // program has them.
    bool EstiloXP = false;
};

// An NSIS string between double quotes: the variable (such as "$INSTDIR\\") as it is, then the
// text with "$" and the quote escaped, so that a file name cannot name a variable.
std::string CitarNsis(const std::string& variavel, const std::string& texto);

// The script, in UTF-8 with its byte-order mark (makensis reads it as Unicode), that makes the
// installer "instalador".
std::string TextoRoteiroNsis(const TProdutoNsis& produto, const std::filesystem::path& instalador);

// Pontilha as our program installs it: the site's files from fontes (resources/payload) in the
// order and folders of the built-in description, its shortcuts and its Uninstall entry.
TProdutoNsis ProdutoNsisPontilha(const std::filesystem::path& fontes);

} // namespace kt::bench
