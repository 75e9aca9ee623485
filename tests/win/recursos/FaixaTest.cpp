// The wizard's banner as the program loads it: a palette bitmap of the framework's resources that
// Windows must read as the same 480 x 48 picture of navy ground, white and dimmed Braille dots.
#include "resources/Imagens.h"
#include "ui/Owned.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <set>
#include <vector>

namespace {

TEST(Faixa, TheBannerLoadsWithItsSizeAndItsThreeColours) {
    const ui::UniqueBitmap faixa(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_FAIXA), IMAGE_BITMAP, 0, 0, 0)));
    ASSERT_TRUE(faixa);
    BITMAP bitmap{};
    ASSERT_EQ(GetObjectW(faixa.Get(), sizeof bitmap, &bitmap), static_cast<int>(sizeof bitmap));
    ASSERT_EQ(bitmap.bmWidth, 480);
    ASSERT_EQ(bitmap.bmHeight, 48);

    BITMAPINFO formato{};
    formato.bmiHeader.biSize = sizeof formato.bmiHeader;
    formato.bmiHeader.biWidth = bitmap.bmWidth;
    formato.bmiHeader.biHeight = -bitmap.bmHeight;
    formato.bmiHeader.biPlanes = 1;
    formato.bmiHeader.biBitCount = 32;
    formato.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(bitmap.bmWidth * bitmap.bmHeight));
    HDC tela = GetDC(nullptr);
    const int linhas = GetDIBits(tela, faixa.Get(), 0, static_cast<UINT>(bitmap.bmHeight),
                                 pixels.data(), &formato, DIB_RGB_COLORS);
    ReleaseDC(nullptr, tela);
    ASSERT_EQ(linhas, bitmap.bmHeight);

    std::set<std::uint32_t> cores;
    for (const std::uint32_t pixel : pixels)
        cores.insert(pixel & 0xFFFFFFu);
    // 0xRRGGBB as a 32-bit DIB holds them: the navy ground (the wizard paints the same colour
    // around it), the white raised dots and the dimmed ones.
    EXPECT_EQ(cores, (std::set<std::uint32_t>{0x183078, 0xFFFFFF, 0x3C5AA0}));
    EXPECT_EQ(pixels.front() & 0xFFFFFFu, 0x183078u);

    // Every pixel where tools/desenhar_imagens.py drew it: the CRC-32 of the rows top down, each
    // pixel as blue, green, red and a zero byte. A bitmap written with its rows or its half-bytes
    // in the wrong order keeps the colours and moves the dots.
    for (std::uint32_t& pixel : pixels)
        pixel &= 0xFFFFFFu;
    const auto bytes = static_cast<uInt>(pixels.size() * sizeof pixels[0]);
    EXPECT_EQ(crc32(0, reinterpret_cast<const Bytef*>(pixels.data()), bytes), 0x1c4c6448u);
}

} // namespace
