// The built-in content of Pontilha's installation description: its settings and rows. The list of
// the site's files is also what the build packs into the program's resources.
#pragma once

#include "core/ArquivosIAC/Descricao.h"

#include <array>
#include <string>

namespace kt {

// One file of the site: the RCDATA resource that carries it and where it installs.
struct TArquivoDoSite {
    const wchar_t* Recurso;
    const wchar_t* Subdiretorio; // relative to the installation directory; empty for the root
    const wchar_t* Nome;
};

inline constexpr int kArquivosNoSite = 62;
extern const std::array<TArquivoDoSite, kArquivosNoSite> kArquivosDoSite;

// Fills the settings and appends the component, directory and file rows, in that order. The
// lists are not cleared first. diretorioPrograma ends in a path delimiter.
void PreencherConteudoPontilha(TDadosDescricao& descricao, const std::wstring& diretorioPrograma);

// The file row of one site file: "RECURSO, 0, rcdata, Base, sub, nome, 1, 1, sim".
std::wstring LinhaDoArquivoDoSite(const TArquivoDoSite& arquivo);

} // namespace kt
