#include "payload/container/FluxoRecurso.h"

#include "fileops/VerificacoesWin32.h"

#include <algorithm>
#include <cstring>

namespace kt {

TFluxoRecurso::TFluxoRecurso(HMODULE modulo, const std::wstring& nome) {
    HRSRC recurso = FindResourceW(modulo, nome.c_str(), RT_RCDATA);
    if (!recurso)
        GerarUltimoErroWindows();
    // A resource's memory belongs to its module: LoadResource and LockResource only find it,
    // and nothing is released.
    HGLOBAL carregado = LoadResource(modulo, recurso);
    const void* dados = carregado ? LockResource(carregado) : nullptr;
    if (!dados)
        GerarUltimoErroWindows();
    dados_ = static_cast<const std::uint8_t*>(dados);
    tamanho_ = SizeofResource(modulo, recurso);
}

std::size_t TFluxoRecurso::Ler(void* destino, std::size_t n) {
    if (posicao_ >= tamanho_)
        return 0;
    const std::size_t lidos = std::min(n, tamanho_ - posicao_);
    std::memcpy(destino, dados_ + posicao_, lidos);
    posicao_ += lidos;
    return lidos;
}

std::int64_t TFluxoRecurso::Posicionar(std::int64_t deslocamento, TOrigemFluxo origem) {
    const std::int64_t pedida =
        PosicaoPedida(deslocamento, origem, static_cast<std::int64_t>(posicao_), Tamanho());
    posicao_ = static_cast<std::size_t>(std::min<std::int64_t>(pedida, Tamanho()));
    return static_cast<std::int64_t>(posicao_);
}

} // namespace kt
