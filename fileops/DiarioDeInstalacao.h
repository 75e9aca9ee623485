// The installation's diary on disk (what it holds: fileops/LinhasDoDiario.h): the run's own lines
// added as it goes, taken back when it stops or fails, and read by the uninstall.
//
// The diary lies in the installation directory, which may be a folder that ordinary users can
// write to (Downloads), while the program runs with an administrator's rights: a diary that is a
// link, or a second name of another file, is not the installation's and is neither written nor
// read.
#pragma once

#include "fileops/LinhasDoDiario.h"
#include "base/Owned.h"

#include <cstdint>
#include <optional>
#include <string>

namespace kt {

class TDiarioDeInstalacao {
public:
    // Opens the diary of the installation directory (ending in a delimiter) for this run's lines,
    // making it when there is none. Raises the typed error of the failure.
    explicit TDiarioDeInstalacao(const std::wstring& diretorio);

    // Adds a line; raises the typed error of a write that failed.
    void AnotarArquivo(const std::wstring& arquivo);
    void AnotarPasta(const std::wstring& pasta);

    // Takes this run's lines back; a diary that the run made goes. Failures are left unsaid: the
    // lines name only what the run wrote.
    void Desfazer();

    const std::wstring& Caminho() const { return caminho_; }

private:
    void Anotar(const std::wstring& linha);

    std::wstring caminho_;
    base::UniqueFile arquivo_;
    std::int64_t tamanhoAntes_ = 0;
    bool criado_ = false;
};

// What the diary of the installation directory names; nothing when there is none. A diary that
// cannot be read, or is not the installation's, names nothing.
std::optional<TInstalados> LerDiario(const std::wstring& diretorio);

// Deletes the diary of the installation directory, if it is there.
void ApagarDiario(const std::wstring& diretorio);

} // namespace kt
