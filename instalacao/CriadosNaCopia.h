// What one installation did: the folders it created and the files it wrote, noted in the
// installation's diary (fileops/DiarioDeInstalacao.h) as it goes, so that the uninstall removes
// them; and, so that a run that stops or fails can take itself back and leave nothing
// half-installed, the folders and files that did not exist before it. Files that existed before
// the run and were replaced by it stay; so does a file that is no longer the one the run wrote.
#pragma once

#include "fileops/DiarioDeInstalacao.h"
#include "fileops/IdentidadeArquivo.h"

#include <optional>
#include <string>
#include <vector>

namespace kt {

class TCriadosNaCopia {
public:
    // Creates the folder with every missing parent, remembering each one made (and noting it in
    // the diary once it is open). False when one could not be made, or would be longer than a
    // folder may be: the ones made before it stay remembered.
    bool CriarPasta(const std::wstring& pasta);
    // Opens the diary of the installation directory and notes the folders made so far. Raises
    // the typed error of a failure.
    void AbrirDiario(const std::wstring& instalacao);
    // A file that the run wrote, noted in the diary; when there was none before, remembered so
    // that Desfazer removes it. Raises the typed error of a failed note.
    void ArquivoEscrito(const std::wstring& arquivo, bool novo);

    // Removes what was remembered, the newest first: the files that are still the ones written,
    // then the folders that are empty; and takes the run's lines out of the diary. What cannot be
    // removed stays; nothing is remembered afterwards.
    void Desfazer();

private:
    struct TCriado {
        std::wstring Caminho;
        bool Pasta;
        std::optional<TIdentidade> Identidade;
    };
    std::wstring instalacao_;
    std::vector<TCriado> criados_;
    std::optional<TDiarioDeInstalacao> diario_;
};

} // namespace kt
