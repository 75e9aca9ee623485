// The installation description control's bitmap as the program loads it by name: a 4-bit palette
// bitmap compressed with RLE4, which Windows must read as the same 24 x 24 picture as drawn.
#include "core/ArquivosIAC/ArquivoIAC.h"
#include "ui/Owned.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <set>
#include <vector>

namespace {

TEST(IconeArquivoIAC, TheBitmapLoadsByItsNameWithItsSizeAndItsPixels) {
    const ui::UniqueBitmap imagem(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), kt::kIconeArquivoIAC, IMAGE_BITMAP, 0, 0, 0)));
    ASSERT_TRUE(imagem);
    BITMAP bitmap{};
    ASSERT_EQ(GetObjectW(imagem.Get(), sizeof bitmap, &bitmap), static_cast<int>(sizeof bitmap));
    EXPECT_EQ(bitmap.bmWidth, 24);
    EXPECT_EQ(bitmap.bmHeight, 24);

    BITMAPINFO formato{};
    formato.bmiHeader.biSize = sizeof formato.bmiHeader;
    formato.bmiHeader.biWidth = 24;
    formato.bmiHeader.biHeight = -24;
    formato.bmiHeader.biPlanes = 1;
    formato.bmiHeader.biBitCount = 32;
    formato.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(24 * 24);
    HDC tela = GetDC(nullptr);
    const int linhas =
        GetDIBits(tela, imagem.Get(), 0, 24, pixels.data(), &formato, DIB_RGB_COLORS);
    ReleaseDC(nullptr, tela);
    ASSERT_EQ(linhas, 24);

    std::set<std::uint32_t> cores;
    for (std::uint32_t& pixel : pixels) {
        pixel &= 0xFFFFFFu;
        cores.insert(pixel);
    }
    // 0xRRGGBB: the white sheet and the navy of its border and raised dots.
    EXPECT_EQ(cores, (std::set<std::uint32_t>{0xFFFFFF, 0x183078}));
    // Every pixel where tools/desenhar_imagens.py drew it: the CRC-32 of the rows top down, each
    // pixel as blue, green, red and a zero byte.
    const auto bytes = static_cast<uInt>(pixels.size() * sizeof pixels[0]);
    EXPECT_EQ(crc32(0, reinterpret_cast<const Bytef*>(pixels.data()), bytes), 0xf31d1248u);
}

} // namespace
