// The bitmaps as the program loads them, which Windows must read as the pictures that
// tools/desenhar_imagens.py drew: the wizard's banner (a 4-bit palette bitmap of navy ground,
// white and dimmed Braille dots) and the installation description control's bitmap (4 bits
// compressed with RLE4, loaded by name).
#include "core/ArquivosIAC/ArquivoIAC.h"
#include "resources/Imagens.h"
#include "base/Owned.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <set>
#include <vector>

namespace {

struct TImagem {
    const wchar_t* Recurso;
    int Largura;
    int Altura;
    // 0xRRGGBB, as a 32-bit DIB holds them.
    std::set<std::uint32_t> Cores;
    // The CRC-32 of the rows top down, each pixel as blue, green, red and a zero byte: a bitmap
    // written with its rows or its half-bytes in the wrong order keeps the colours and moves the
    // dots.
    uLong Crc;
};

// The picture's pixels as 0xRRGGBB, rows top down; empty when it does not load at its size.
std::vector<std::uint32_t> Pixels(const TImagem& imagem) {
    const base::UniqueBitmap carregada(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), imagem.Recurso, IMAGE_BITMAP, 0, 0, 0)));
    if (!carregada)
        return {};
    BITMAP bitmap{};
    if (GetObjectW(carregada.Get(), sizeof bitmap, &bitmap) != static_cast<int>(sizeof bitmap))
        return {};
    EXPECT_EQ(bitmap.bmWidth, imagem.Largura);
    EXPECT_EQ(bitmap.bmHeight, imagem.Altura);

    BITMAPINFO formato{};
    formato.bmiHeader.biSize = sizeof formato.bmiHeader;
    formato.bmiHeader.biWidth = imagem.Largura;
    formato.bmiHeader.biHeight = -imagem.Altura;
    formato.bmiHeader.biPlanes = 1;
    formato.bmiHeader.biBitCount = 32;
    formato.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(imagem.Largura * imagem.Altura));
    HDC tela = GetDC(nullptr);
    const int linhas = GetDIBits(tela, carregada.Get(), 0, static_cast<UINT>(imagem.Altura),
                                 pixels.data(), &formato, DIB_RGB_COLORS);
    ReleaseDC(nullptr, tela);
    if (linhas != imagem.Altura)
        return {};
    for (std::uint32_t& pixel : pixels)
        pixel &= 0xFFFFFFu;
    return pixels;
}

TEST(Imagens, EachBitmapLoadsWithItsSizeItsColoursAndItsPixels) {
    const TImagem imagens[] = {
        // The navy ground (the wizard paints the same colour around it), the white raised dots
        // and the dimmed ones.
        {MAKEINTRESOURCEW(IDB_FAIXA), 480, 48, {0x183078, 0xFFFFFF, 0x3C5AA0}, 0x1c4c6448u},
        // The white sheet and the navy of its border and raised dots.
        {kt::kIconeArquivoIAC, 24, 24, {0xFFFFFF, 0x183078}, 0xf31d1248u},
    };
    for (const TImagem& imagem : imagens) {
        SCOPED_TRACE(imagem.Largura);
        const std::vector<std::uint32_t> pixels = Pixels(imagem);
        ASSERT_FALSE(pixels.empty());
        EXPECT_EQ(std::set<std::uint32_t>(pixels.begin(), pixels.end()), imagem.Cores);
        const auto bytes = static_cast<uInt>(pixels.size() * sizeof pixels[0]);
        EXPECT_EQ(crc32(0, reinterpret_cast<const Bytef*>(pixels.data()), bytes), imagem.Crc);
    }
    // The banner's first pixel is the ground that the wizard continues around it.
    EXPECT_EQ(Pixels(imagens[0]).front(), 0x183078u);
}

} // namespace
