// The overwrite confirmation: before a file is written over an existing one, the user sees both
// side by side (name, size, date of last change, version) and answers replace or keep, for this
// file or for every later one. Remembering a "to all" answer is the caller's business.
#pragma once

#include "fileops/ServicosDeJanela.h"
#include "ui/Form.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kt {

// The window's outer height in pixels at 96 dots per inch (scaled for the screen), with and
// without the row of "to all" buttons.
inline constexpr int kAlturaComTodos = 308;
inline constexpr int kAlturaSemTodos = 276;

class TfrmSobrescrever : public ui::Form {
public:
    explicit TfrmSobrescrever(std::uint8_t botoes);

    // Fills every line of both files; what cannot be read is reported and the rest still shows.
    void Preencher(std::wstring_view origem, std::wstring_view destino, bool descreverOrigem);
    TRespostaSobrescrever Resposta() const { return resposta_; }

private:
    void Responder(TRespostaSobrescrever resposta);
    void Dispor(bool comTodos) const;

    TRespostaSobrescrever resposta_ = kManter;
};

// Asks whether the source may replace the destination (short strings, cut to 255 characters)
// and returns the answer. With descreverOrigem false nothing is read from the source. Shown
// modally on the calling thread.
std::int32_t PerguntarSobrescrever(std::wstring_view origem, std::wstring_view destino,
                                   std::uint8_t botoes, bool descreverOrigem);

} // namespace kt
