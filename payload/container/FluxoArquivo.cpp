#include "payload/container/FluxoArquivo.h"

#include "fileops/VerificacoesWin32.h"

#include <algorithm>
#include <limits>

namespace kt {

namespace {

// ReadFile and WriteFile take at most a DWORD of bytes per call.
DWORD PartePorChamada(std::size_t restantes) {
    return static_cast<DWORD>(std::min<std::size_t>(restantes, std::numeric_limits<DWORD>::max()));
}

DWORD MetodoDe(TOrigemFluxo origem) {
    switch (origem) {
    case TOrigemFluxo::Atual:
        return FILE_CURRENT;
    case TOrigemFluxo::Fim:
        return FILE_END;
    case TOrigemFluxo::Inicio:
        break;
    }
    return FILE_BEGIN;
}

} // namespace

TFluxoArquivo::TFluxoArquivo(const std::wstring& nome, DWORD acesso, DWORD compartilhamento,
                             DWORD disposicao)
    : arquivo_(VerificarHandle(CreateFileW(VerificarCaminho(nome).c_str(), acesso, compartilhamento,
                                           nullptr, disposicao, FILE_ATTRIBUTE_NORMAL, nullptr))) {}

TFluxoArquivo TFluxoArquivo::AbrirSemCompartilhar(const std::wstring& nome) {
    return TFluxoArquivo(nome, GENERIC_READ, 0, OPEN_EXISTING);
}

TFluxoArquivo TFluxoArquivo::CriarSemCompartilhar(const std::wstring& nome) {
    return TFluxoArquivo(nome, GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS);
}

std::size_t TFluxoArquivo::Ler(void* destino, std::size_t n) {
    auto* bytes = static_cast<std::uint8_t*>(destino);
    std::size_t lidos = 0;
    while (lidos < n) {
        DWORD agora = 0;
        VerificarResultado(
            ReadFile(arquivo_.Get(), bytes + lidos, PartePorChamada(n - lidos), &agora, nullptr));
        if (agora == 0)
            break;
        lidos += agora;
    }
    return lidos;
}

std::size_t TFluxoArquivo::Gravar(const void* origem, std::size_t n) {
    const auto* bytes = static_cast<const std::uint8_t*>(origem);
    std::size_t gravados = 0;
    while (gravados < n) {
        DWORD agora = 0;
        VerificarResultado(WriteFile(arquivo_.Get(), bytes + gravados,
                                     PartePorChamada(n - gravados), &agora, nullptr));
        if (agora == 0)
            break;
        gravados += agora;
    }
    return gravados;
}

std::int64_t TFluxoArquivo::Posicionar(std::int64_t deslocamento, TOrigemFluxo origem) {
    LARGE_INTEGER distancia{};
    distancia.QuadPart = deslocamento;
    LARGE_INTEGER nova{};
    VerificarResultado(SetFilePointerEx(arquivo_.Get(), distancia, &nova, MetodoDe(origem)));
    return nova.QuadPart;
}

std::int64_t TFluxoArquivo::Tamanho() {
    LARGE_INTEGER tamanho{};
    VerificarResultado(GetFileSizeEx(arquivo_.Get(), &tamanho));
    return tamanho.QuadPart;
}

} // namespace kt
