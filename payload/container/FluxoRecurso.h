// A read-only stream over an RCDATA resource of a loaded module: the embedded containers are
// read through it straight from the module's image, without a copy.
#pragma once

#include "payload/container/Fluxo.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace kt {

class TFluxoRecurso : public TFluxo {
public:
    // The RCDATA resource of that name in the module (null: the program's own), found by name
    // and type whatever its language. A missing resource raises the typed error of the
    // thread's last Windows error code. The module must stay loaded while the stream lives.
    TFluxoRecurso(HMODULE modulo, const std::wstring& nome);

    std::size_t Ler(void* destino, std::size_t n) override;
    // Read-only: takes nothing.
    std::size_t Gravar(const void*, std::size_t) override { return 0; }
    // Positions past the end stop at the end.
    std::int64_t Posicionar(std::int64_t deslocamento, TOrigemFluxo origem) override;
    std::int64_t Tamanho() override { return static_cast<std::int64_t>(tamanho_); }

private:
    const std::uint8_t* dados_ = nullptr;
    std::size_t tamanho_ = 0;
    std::size_t posicao_ = 0;
};

} // namespace kt
