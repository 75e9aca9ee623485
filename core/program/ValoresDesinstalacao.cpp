#include "core/program/ValoresDesinstalacao.h"

#include "core/program/Produto.h"
#include "fileops/Caminhos.h"

namespace kt {

std::vector<std::pair<std::wstring, std::wstring>>
ValoresDesinstalacao(const std::wstring& diretorio) {
    return {
        {L"DisplayName", produto::kNomeExibido},
        {kValorDesinstalador, ComDelimitador(diretorio) + produto::kDesinstalador},
        {L"DisplayVersion", produto::kVersaoExibida},
        {L"Publisher", produto::kFabricante},
        {L"URLInfoAbout", produto::kEnderecoWeb},
        {L"HelpLink", produto::kLinkAjuda},
        {L"URLUpdateInfo", produto::kEnderecoWeb},
    };
}

} // namespace kt
