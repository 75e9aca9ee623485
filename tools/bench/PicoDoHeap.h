// The peak of heap bytes in use by a process, counted exactly from Wine's heap trace (the "heap"
// debug channel, one line per call of RtlAllocateHeap, RtlReAllocateHeap and RtlFreeHeap). Every
// heap of the process passes there: the program's own (malloc, operator new, GlobalAlloc) and the
// system libraries' (windows, controls, COM). Wine's process counters cannot give this figure:
// their "peak" working set is the Linux process's, Wine's own libraries included, and there is no
// peak of committed memory at all.
#pragma once

#include <cstdint>
#include <string_view>
#include <unordered_map>

namespace kt::bench {

class TPicoDoHeap {
public:
    // One line of the trace; lines of other channels and calls that failed change nothing.
    void Ler(std::string_view linha);

    std::uint64_t EmUso() const { return emUso_; }
    std::uint64_t Pico() const { return pico_; }
    std::uint64_t Blocos() const { return blocos_.size(); }

private:
    struct TBloco {
        std::uint64_t Heap;
        std::uint64_t Tamanho;
    };

    void Alocado(std::uint64_t heap, std::uint64_t bloco, std::uint64_t tamanho);
    void Liberado(std::uint64_t bloco);
    void HeapDestruido(std::uint64_t heap);

    std::unordered_map<std::uint64_t, TBloco> blocos_;
    std::uint64_t emUso_ = 0;
    std::uint64_t pico_ = 0;
};

} // namespace kt::bench
