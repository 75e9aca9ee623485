// The locate-missing-file dialog: a file that an operation needs is missing, and the user points
// to it (typed, or picked in the system's file-open dialog), skips it, or cancels the operation.
#pragma once

#include "fileops/ServicosDeJanela.h"
#include "fileops/Ajuda.h"
#include "ui/Form.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kt {

class TfrmEncontrar : public ui::Form {
public:
    explicit TfrmEncontrar(std::wstring_view caminho);

    TRespostaEncontrar Resposta() const { return resposta_; }
    std::wstring Caminho() const;
    const TRegistroAjuda& Ajuda() const { return ajuda_; }
    // The file-open dialog's filter: description and pattern, each zero-terminated, then a
    // second zero; both are the missing file's bare name.
    const std::wstring& Filtro() const { return filtro_; }

private:
    void Procurar();
    void Responder(TRespostaEncontrar resposta);

    TRespostaEncontrar resposta_ = kEncontrarIgnorar;
    TRegistroAjuda ajuda_{};
    std::wstring filtro_;
};

// Asks for the missing file `nomeArquivo` and returns the answer; whatever the answer, the path
// box's text comes back in nomeArquivo, cut to 255 characters and then to tamanhoMaximo. Shown
// modally on the main thread, whichever thread asks.
std::int32_t EncontrarArquivo(std::wstring& nomeArquivo, std::int32_t tamanhoMaximo);

} // namespace kt
