#include "tools/bench/PicoDoHeap.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace {

using kt::bench::TPicoDoHeap;

TPicoDoHeap Contar(std::initializer_list<const char*> linhas) {
    TPicoDoHeap pico;
    for (const char* linha : linhas)
        pico.Ler(linha);
    return pico;
}

// Lines as Wine 8 writes them for a 32-bit process.
TEST(PicoDoHeap, ThePeakIsTheLargestSumOfBlocksInUseAtOneTime) {
    const TPicoDoHeap pico = Contar({
        "00f4:trace:heap:RtlAllocateHeap handle 00860000, flags 0x8, size 0x1000, return "
        "008602D0, status 0.",
        "00f4:trace:heap:RtlAllocateHeap handle 00860000, flags 0, size 0x14d4, return 008612E8, "
        "status 0.",
        "00f4:trace:heap:RtlFreeHeap handle 00860000, flags 0, ptr 008602D0, return 1, status 0.",
        "00f4:trace:heap:RtlAllocateHeap handle 00860000, flags 0, size 0x10, return 008602D0, "
        "status 0.",
    });
    EXPECT_EQ(pico.Pico(), 0x1000u + 0x14d4u);
    EXPECT_EQ(pico.EmUso(), 0x14d4u + 0x10u);
    EXPECT_EQ(pico.Blocos(), 2u);
}

TEST(PicoDoHeap, AReallocationReplacesTheOldBlockByTheNewOne) {
    const TPicoDoHeap pico = Contar({
        "0024:trace:heap:RtlAllocateHeap handle 00860000, flags 0, size 0x100, return 00861000, "
        "status 0.",
        "0024:trace:heap:RtlReAllocateHeap handle 00860000, flags 0, ptr 00861000, size 0x400, "
        "return 00870000, status 0.",
        "0024:trace:heap:RtlFreeHeap handle 00860000, flags 0, ptr 00861000, return 1, status 0.",
    });
    EXPECT_EQ(pico.Pico(), 0x400u);
    EXPECT_EQ(pico.EmUso(), 0x400u);
}

TEST(PicoDoHeap, FailedCallsChangeNothing) {
    const TPicoDoHeap pico = Contar({
        "0024:trace:heap:RtlAllocateHeap handle 00860000, flags 0, size 0x100, return 00861000, "
        "status 0.",
        "0024:trace:heap:RtlAllocateHeap handle 00860000, flags 0, size 0x7fffffff, return "
        "00000000, status 0xc0000017.",
        "0024:trace:heap:RtlReAllocateHeap handle 00860000, flags 0, ptr 00861000, size "
        "0x7fffffff, return 00000000, status 0xc0000017.",
        "0024:trace:heap:RtlFreeHeap handle 00860000, flags 0, ptr 00999000, return 0, status "
        "0xc000000d.",
    });
    EXPECT_EQ(pico.Pico(), 0x100u);
    EXPECT_EQ(pico.EmUso(), 0x100u);
}

TEST(PicoDoHeap, ADestroyedHeapTakesItsBlocksAndNoOthers) {
    const TPicoDoHeap pico = Contar({
        "0024:trace:heap:RtlAllocateHeap handle 00860000, flags 0, size 0x100, return 00861000, "
        "status 0.",
        "0024:trace:heap:RtlAllocateHeap handle 00A00000, flags 0, size 0x200, return 00A01000, "
        "status 0.",
        "0024:trace:heap:RtlAllocateHeap handle 00A00000, flags 0, size 0x300, return 00A02000, "
        "status 0.",
        "0024:trace:heap:RtlDestroyHeap handle 00A00000",
    });
    EXPECT_EQ(pico.Pico(), 0x600u);
    EXPECT_EQ(pico.EmUso(), 0x100u);
    EXPECT_EQ(pico.Blocos(), 1u);
}

TEST(PicoDoHeap, SizesOfZeroAndPointersOfSixtyFourBitsAreRead) {
    const TPicoDoHeap pico = Contar({
        "002c:trace:heap:RtlAllocateHeap handle 0000000000340000, flags 0, size 0, return "
        "0000000000343F00, status 0.",
        "002c:trace:heap:RtlAllocateHeap handle 0000000000340000, flags 0, size 0x2000, return "
        "00000001003423A0, status 0.",
    });
    EXPECT_EQ(pico.Blocos(), 2u);
    EXPECT_EQ(pico.EmUso(), 0x2000u);
}

TEST(PicoDoHeap, OtherLinesAndOtherHeapCallsAreIgnored) {
    const TPicoDoHeap pico = Contar({
        "002c:trace:heap:RtlCreateHeap flags 0x2, addr 00000000, total_size 0, commit_size 0, "
        "unknown 00000000, definition 00000000",
        "00f4:trace:heap:RtlSizeHeap handle 00860000, flags 0, ptr 008976A8, return 0x74, status "
        "0.",
        "00f4:fixme:heap:RtlAllocateHeapSomething handle 00860000, size 0x10, return 00861000",
        "0024:err:module:import_dll Library MSVCR100.dll not found",
        "",
        "truncated line RtlAllocateHeap handle",
    });
    EXPECT_EQ(pico.Pico(), 0u);
    EXPECT_EQ(pico.Blocos(), 0u);
}

TEST(PicoDoHeap, ABlockHandedOutTwiceWithoutAFreeSeenIsCountedOnce) {
    const TPicoDoHeap pico = Contar({
        "0024:trace:heap:RtlAllocateHeap handle 00860000, flags 0, size 0x100, return 00861000, "
        "status 0.",
        "0024:trace:heap:RtlAllocateHeap handle 00860000, flags 0, size 0x80, return 00861000, "
        "status 0.",
    });
    EXPECT_EQ(pico.EmUso(), 0x80u);
    EXPECT_EQ(pico.Pico(), 0x100u);
}

} // namespace
