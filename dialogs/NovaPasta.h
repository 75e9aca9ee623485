// The new-folder window: asks for the name of a folder to create in a directory.
#pragma once

#include "ui/Form.h"

#include <string>

namespace kt {

class TfrmNovaPasta : public ui::Form {
public:
    TfrmNovaPasta();

    // Shows the window modally for the directory, the name preset to "Nova Pasta"; returns when
    // it has closed ("&Criar" that made the folder, "Cancela&r", the close box, Escape).
    void Perguntar(const std::wstring& diretorio);
    // The directory the window was last opened for.
    const std::wstring& Diretorio() const { return diretorio_; }

private:
    // Makes the folder. A name that would make it elsewhere or not at all is refused with a
    // message, and a folder that Windows does not make is reported in the Solutions Center;
    // either way the window stays open for another name.
    void Criar();
    void VoltarAoNome() const;

    std::wstring diretorio_;
};

} // namespace kt
