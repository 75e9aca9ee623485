// The insert-disk prompt: when an installation needs a disk that is not in the drive, the user
// inserts it and proceeds, goes on without the check, or cancels after confirming.
#pragma once

#include "fileops/ServicosDeJanela.h"
#include "ui/Form.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kt {

class TfrmInserirDisco : public ui::Form {
public:
    // The question is asked before cancelling; blank means the string table's own.
    TfrmInserirDisco(std::int32_t disco, std::wstring_view conjunto, std::wstring_view pergunta);

    TRespostaDisco Resposta() const { return resposta_; }
    const std::wstring& PerguntaDeSaida() const { return pergunta_; }

private:
    void Cancelar();
    void Responder(TRespostaDisco resposta);

    TRespostaDisco resposta_ = kDiscoParar;
    std::wstring pergunta_;
};

// Asks for disk number `disco` of the set `conjunto` (a short string) and returns the answer.
// Shown modally on the main thread, whichever thread asks.
std::int32_t PedirDisco(std::int32_t disco, std::wstring_view conjunto, std::wstring_view pergunta);

} // namespace kt
