#include "tools/bench/JanelasDePassagem.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

using kt::bench::TJanelasDePassagem;

constexpr std::uint64_t kDesktop = 0x10020;

int Escondidas(std::initializer_list<const char*> linhas) {
    TJanelasDePassagem passagem(kDesktop);
    for (const char* linha : linhas)
        passagem.Ler(linha);
    return passagem.Escondidas();
}

// Lines as Wine 8 writes them.
TEST(JanelasDePassagem, ATopLevelWindowShownThenHiddenCounts) {
    EXPECT_EQ(Escondidas({
                  "00fc:trace:win:invalidate_dce 0x2008c parent 0x10020 (357,311)-(923,713) "
                  "((0,0)-(0,0))",
                  "00fc:trace:win:show_window hwnd=0x2008c, cmd=1, was_visible 0",
                  "00fc:trace:win:show_window hwnd=0x2008c, cmd=0, was_visible 1",
              }),
              1);
}

TEST(JanelasDePassagem, HidingAChildWindowOrAWindowNeverShownDoesNotCount) {
    EXPECT_EQ(Escondidas({
                  "00fc:trace:win:invalidate_dce 0x2008c parent 0x10020 (0,0)-(1,1) ((0,0)-(0,0))",
                  "00fc:trace:win:invalidate_dce 0x2008e parent 0x2008c (0,0)-(1,1) ((0,0)-(0,0))",
                  // A scene of the wizard hidden when another is selected.
                  "00fc:trace:win:show_window hwnd=0x2008e, cmd=0, was_visible 1",
                  // A top-level window created hidden and hidden again.
                  "00fc:trace:win:show_window hwnd=0x2008c, cmd=0, was_visible 0",
                  // Shown, minimised, shown again: no hiding.
                  "00fc:trace:win:show_window hwnd=0x2008c, cmd=5, was_visible 0",
                  "00fc:trace:win:show_window hwnd=0x2008c, cmd=6, was_visible 1",
              }),
              0);
}

TEST(JanelasDePassagem, AWindowWhoseParentIsUnknownDoesNotCount) {
    EXPECT_EQ(Escondidas({
                  "00fc:trace:win:invalidate_dce 0x18010044: hwnd 0x10020 dcx 00000013 Cache",
                  "00fc:trace:win:show_window hwnd=0x30000, cmd=0, was_visible 1",
                  "00fc:trace:heap:RtlAllocateHeap handle 00860000, flags 0, size 0x10, return "
                  "00861000, status 0.",
              }),
              0);
}

TEST(JanelasDePassagem, EachHidingOfAShownTopLevelWindowCounts) {
    EXPECT_EQ(Escondidas({
                  "00fc:trace:win:invalidate_dce 0x2008c parent 0x10020 (0,0)-(1,1) ((0,0)-(0,0))",
                  "00fc:trace:win:invalidate_dce 0x30010 parent 0x10020 (0,0)-(1,1) ((0,0)-(0,0))",
                  "00fc:trace:win:show_window hwnd=0x2008c, cmd=0, was_visible 1",
                  "00fc:trace:win:show_window hwnd=0x30010, cmd=0, was_visible 1",
                  "00fc:trace:win:show_window hwnd=0x2008c, cmd=5, was_visible 0",
                  "00fc:trace:win:show_window hwnd=0x2008c, cmd=0, was_visible 1",
              }),
              3);
}

} // namespace
