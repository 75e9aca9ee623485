// Removing what an installation wrote, with one rule for the uninstall and for a run that takes
// back what it did: the files first, then the folders once they are empty.
//
// How it works: the removal is told the installation directory, its root. Below the root, every
// folder on the way to a file is looked at by its path before the removal goes into it: a folder
// that has become a link (a junction or a symbolic link: a reparse point) leads somewhere else,
// and nothing behind it is the installation's, so the file is left; a folder is removed only when
// it is a real folder and empty. A file that lost its write permission since (read-only, as a
// file put back from a CD is) loses the attribute first: it is still the installation's. A file
// may also be removed only if it is still the very file that was written (its identity), so that
// a file that another program put in its place stays. What was to be removed and is still there
// is answered at the end.
#pragma once

#include "fileops/IdentidadeArquivo.h"

#include <optional>
#include <string>
#include <vector>

namespace kt {

class TRemocao {
public:
    explicit TRemocao(std::wstring raiz);

    // Deletes the file when it is there, reached through real folders below the root and, when
    // an identity is given, still that file.
    void RemoverArquivo(const std::wstring& arquivo,
                        const std::optional<TIdentidade>& identidade = std::nullopt);
    // Removes the folder when it is a real folder reached through real folders, and empty.
    void RemoverPasta(const std::wstring& pasta);
    // Deletes the new files that a killed run left in the folder (fileops/NomeNovo.h).
    void VarrerNovos(const std::wstring& pasta);

    // What was to be removed and is still there, in the order asked.
    const std::vector<std::wstring>& Restantes() const { return restantes_; }

private:
    // Whether every folder from below the root down to the path's own folder is a real folder.
    bool CaminhoSeguro(const std::wstring& caminho) const;

    std::wstring raiz_;
    std::vector<std::wstring> restantes_;
};

} // namespace kt
