#include "tools/bench/PicoDoHeap.h"

#include "tools/bench/Trilha.h"

#include <algorithm>

namespace kt::bench {
namespace {

bool Chamada(std::string_view linha, std::string_view funcao) {
    return ChamadaNaTrilha(linha, "heap", funcao);
}

} // namespace

// Wine 8 writes, for example:
//   00f4:trace:heap:RtlAllocateHeap handle 00860000, flags 0x8, size 0x1000, return 008602D0, ...
//   00f4:trace:heap:RtlReAllocateHeap handle 00860000, flags 0, ptr 008612E8, size 0x20, return ...
//   00f4:trace:heap:RtlFreeHeap handle 00860000, flags 0, ptr 008612E8, return 1, status 0.
//   00f4:trace:heap:RtlDestroyHeap handle 00860000
void TPicoDoHeap::Ler(std::string_view linha) {
    const auto heap = CampoDaTrilha(linha, " handle ");
    if (!heap)
        return;
    if (Chamada(linha, "RtlAllocateHeap")) {
        const auto tamanho = CampoDaTrilha(linha, " size ");
        const auto bloco = CampoDaTrilha(linha, " return ");
        if (tamanho && bloco && *bloco != 0)
            Alocado(*heap, *bloco, *tamanho);
    } else if (Chamada(linha, "RtlReAllocateHeap")) {
        const auto antigo = CampoDaTrilha(linha, " ptr ");
        const auto tamanho = CampoDaTrilha(linha, " size ");
        const auto novo = CampoDaTrilha(linha, " return ");
        // A failed reallocation leaves the old block as it was.
        if (antigo && tamanho && novo && *novo != 0) {
            Liberado(*antigo);
            Alocado(*heap, *novo, *tamanho);
        }
    } else if (Chamada(linha, "RtlFreeHeap")) {
        const auto bloco = CampoDaTrilha(linha, " ptr ");
        const auto resultado = CampoDaTrilha(linha, " return ");
        if (bloco && resultado && *resultado != 0)
            Liberado(*bloco);
    } else if (Chamada(linha, "RtlDestroyHeap")) {
        HeapDestruido(*heap);
    }
}

void TPicoDoHeap::Alocado(std::uint64_t heap, std::uint64_t bloco, std::uint64_t tamanho) {
    // A block handed out again without a free seen (a trace that began late) is counted once.
    Liberado(bloco);
    blocos_[bloco] = {heap, tamanho};
    emUso_ += tamanho;
    pico_ = std::max(pico_, emUso_);
}

void TPicoDoHeap::Liberado(std::uint64_t bloco) {
    const auto achado = blocos_.find(bloco);
    if (achado == blocos_.end())
        return;
    emUso_ -= achado->second.Tamanho;
    blocos_.erase(achado);
}

// A heap that goes takes its blocks with it.
void TPicoDoHeap::HeapDestruido(std::uint64_t heap) {
    for (auto bloco = blocos_.begin(); bloco != blocos_.end();) {
        if (bloco->second.Heap == heap) {
            emUso_ -= bloco->second.Tamanho;
            bloco = blocos_.erase(bloco);
        } else {
            ++bloco;
        }
    }
}

} // namespace kt::bench
