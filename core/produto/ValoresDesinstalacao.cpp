#include "core/produto/ValoresDesinstalacao.h"

#include "base/Concat.h"
#include "core/produto/Produto.h"
#include "fileops/Caminhos.h"

namespace kt {

namespace {

// Windows starts the entry's command elevated: unquoted, a path with a blank would first be tried
// as "C:\Program.exe" for "C:\Program Files\...". Quoted as Windows' own entries are.
std::wstring Comando(const std::wstring& programa) {
    return programa.find(L' ') == std::wstring::npos ? programa
                                                     : base::Concat({L"\"", programa, L"\""});
}

} // namespace

std::vector<std::pair<std::wstring, std::wstring>>
ValoresDesinstalacao(const std::wstring& diretorio) {
    return {
        {L"DisplayName", produto::kNomeExibido},
        {kValorDesinstalador, Comando(ComDelimitador(diretorio) + produto::kDesinstalador)},
        {L"DisplayVersion", produto::kVersaoExibida},
        {L"Publisher", produto::kFabricante},
        {L"URLInfoAbout", produto::kEnderecoWeb},
        {L"HelpLink", produto::kLinkAjuda},
        {L"URLUpdateInfo", produto::kEnderecoWeb},
    };
}

} // namespace kt
