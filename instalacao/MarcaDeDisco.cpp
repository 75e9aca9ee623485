#include "instalacao/MarcaDeDisco.h"

#include "fileops/LinhasDescricao.h"
#include "fileops/Texto.h"
#include "base/Exception.h"

namespace kt {

namespace {

// The next line of the text from `inicio` on, without its CR LF or LF; moves `inicio` past it.
std::wstring_view ProximaLinha(std::wstring_view texto, std::size_t& inicio) {
    const std::size_t fim = texto.find(L'\n', inicio);
    std::wstring_view linha =
        texto.substr(inicio, fim == std::wstring_view::npos ? fim : fim - inicio);
    inicio = fim == std::wstring_view::npos ? texto.size() : fim + 1;
    if (!linha.empty() && linha.back() == L'\r')
        linha.remove_suffix(1);
    return linha;
}

} // namespace

bool TMarcaDeDisco::Interpretar(std::wstring_view texto) {
    lida_ = false;
    std::size_t inicio = 0;
    std::array<std::wstring_view, 3> linhas;
    for (std::wstring_view& linha : linhas) {
        if (inicio >= texto.size())
            return false;
        linha = ProximaLinha(texto, inicio);
    }
    try {
        numero_ = LerNumero(std::wstring(linhas[2]));
    } catch (const base::EConvertError&) {
        return false;
    }
    textos_ = {Curta(linhas[0]), Curta(linhas[1])};
    lida_ = true;
    return true;
}

bool TMarcaDeDisco::Identifica(const std::array<std::wstring, 2>& identificacao,
                               std::int32_t disco) const {
    return lida_ && textos_[0] == identificacao[1] && textos_[1] == identificacao[0] &&
           numero_ == disco;
}

} // namespace kt
