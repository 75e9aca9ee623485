#include "core/formularios/ExecutarAssistente.h"

#include "core/formularios/Assistente.h"
#include "fileops/Texto.h"

#include <cstring>
#include <memory>
#include <utility>

namespace kt {

std::exception_ptr ExecutarAssistente(const std::wstring& nomeDescricao,
                                      const TRotinasProduto& rotinas, TConteudoDescricao conteudo) {
    const auto assistente = std::make_unique<TfrmAssistente>(std::move(conteudo));
    std::memcpy(&assistente->Rotinas, &rotinas, kTamanhoRotinas);
    assistente->NomeDescricao = Curta(nomeDescricao);
    PostMessageW(assistente->Handle(), kMensagemIniciarAssistente, 0, 0);
    assistente->Hide();
    assistente->ShowModal();
    return assistente->ErroDeInicio();
}

} // namespace kt
