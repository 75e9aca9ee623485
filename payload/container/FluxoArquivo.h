// A stream over a Win32 file: container files are read through it and extracted files written.
// Every Win32 result passes the framework's checks, so a failing call leaves as the typed error
// of its Windows error code, ready for the catch-and-report of the operation that uses it.
#pragma once

#include "payload/container/Fluxo.h"
#include "base/Owned.h"

#include <windows.h>

#include <string>

namespace kt {

class TFluxoArquivo : public TFluxo {
public:
    // Opens or creates the file with CreateFileW's access, sharing and disposition.
    TFluxoArquivo(const std::wstring& nome, DWORD acesso, DWORD compartilhamento, DWORD disposicao);

    // An existing file, for reading, shared with nobody while it is open. Both return the
    // stream itself (no copy or move is made), so that the handle has its one owner from the
    // start.
    static TFluxoArquivo AbrirSemCompartilhar(const std::wstring& nome);
    // A new empty file in place of any existing one, for reading and writing, shared with
    // nobody while it is open.
    static TFluxoArquivo CriarSemCompartilhar(const std::wstring& nome);

    std::size_t Ler(void* destino, std::size_t n) override;
    std::size_t Gravar(const void* origem, std::size_t n) override;
    std::int64_t Posicionar(std::int64_t deslocamento, TOrigemFluxo origem) override;
    std::int64_t Tamanho() override;

    HANDLE Handle() const { return arquivo_.Get(); }

private:
    base::UniqueFile arquivo_;
};

} // namespace kt
