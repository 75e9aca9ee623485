// What one installation created: the folders and files that did not exist before it, so that a
// run that stops or fails can remove them again and leave nothing half-installed. Files that
// existed before the run and were replaced by it are not its own: they stay.
#pragma once

#include <string>
#include <vector>

namespace kt {

class TCriadosNaCopia {
public:
    // Creates the folder with every missing parent, remembering each one made. False when one
    // could not be made: the ones made before it stay remembered.
    bool CriarPasta(const std::wstring& pasta);
    // Remembers a file that the run wrote where there was none.
    void ArquivoCriado(const std::wstring& arquivo);

    // Removes what was remembered, the newest first: the files, then the folders that are empty.
    // What cannot be removed stays; nothing is remembered afterwards.
    void Desfazer();

private:
    struct TCriado {
        std::wstring Caminho;
        bool Pasta;
    };
    std::vector<TCriado> criados_;
};

} // namespace kt
