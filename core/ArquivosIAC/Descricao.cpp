#include "core/ArquivosIAC/Descricao.h"

namespace kt {

std::wstring ComDelimitador(const std::wstring& caminho) {
    if (!caminho.empty() && (caminho.back() == L'\\' || caminho.back() == L'/'))
        return caminho;
    return caminho + L'\\';
}

} // namespace kt
