// Top-level windows that a program hides after it has shown them, counted from Wine's window trace
// (the "win" debug channel): a flash on Windows, and a two-second wait under Wine without a window
// manager, which waits for the X server to confirm every hidden top-level window. Polling from
// outside cannot see a window shown and hidden between two looks; the trace sees every call.
#pragma once

#include <cstdint>
#include <set>
#include <string_view>

namespace kt::bench {

class TJanelasDePassagem {
public:
    // desktop: the handle of the desktop window, the parent of every top-level window.
    explicit TJanelasDePassagem(std::uint64_t desktop) : desktop_(desktop) {}

    // One line of the trace; lines of other channels change nothing.
    void Ler(std::string_view linha);

    int Escondidas() const { return escondidas_; }

private:
    std::uint64_t desktop_;
    std::set<std::uint64_t> deTopo_;
    int escondidas_ = 0;
};

} // namespace kt::bench
