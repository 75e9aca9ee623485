// A file written whole or not at all: the target of a copy or an extraction.
//
// How it works: the bytes go into a new file beside the destination (named as fileops/NomeNovo.h
// says, so that one left by a killed run can be swept), which takes the
// destination's place only when Concluir is called, after the last byte; until then the
// destination is untouched, and a new file never concluded (a failure, a stop) is removed when
// its owner goes. An existing destination is checked first, before anything is written: it must
// be a file that may be replaced (not read-only, hidden or system, nor a folder) and not held by
// another program. Every Win32 result passes the framework's checks, so a failure leaves as the
// typed error of its Windows error code; a write that takes no byte is a full disk.
#pragma once

#include "base/Owned.h"

#include <cstddef>
#include <string>

namespace kt {

class TArquivoNovo {
public:
    explicit TArquivoNovo(const std::wstring& destino);
    ~TArquivoNovo();
    TArquivoNovo(const TArquivoNovo&) = delete;
    TArquivoNovo& operator=(const TArquivoNovo&) = delete;

    // Writes all n bytes, or raises the error of the write that failed.
    void Gravar(const void* dados, std::size_t n);
    // Closes the new file and moves it into the destination's place.
    void Concluir();

private:
    std::wstring destino_;
    std::wstring novo_;
    base::UniqueFile arquivo_;
};

} // namespace kt
