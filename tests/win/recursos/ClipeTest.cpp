// The copying page's own clip as the system decodes it: the animation control hands each frame, in
// order, to the RLE decoder (msrle32) and draws what is left in its buffer. Only the first frame is
// whole; the others carry the sheet's move and leave the rest of the picture as the frame before
// left it.
#include "resources/Imagens.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <vfw.h>
#include <zlib.h>

#include <cstring>
#include <string_view>
#include <vector>

namespace {

struct Clipe {
    BITMAPINFOHEADER formato{};
    std::vector<RGBQUAD> paleta;
    std::vector<std::string_view> quadros;
    std::vector<bool> chave;
};

std::uint32_t Palavra(const char* p) {
    std::uint32_t valor;
    std::memcpy(&valor, p, sizeof valor);
    return valor;
}

// The clip's format, its frames in the order of the index, and which of them the index marks as key
// frames. The layout is the one tools/desenhar_imagens.py writes: the header list, then the frames'
// list, then the index.
Clipe LerClipe() {
    HMODULE programa = GetModuleHandleW(nullptr);
    HRSRC recurso = FindResourceW(programa, MAKEINTRESOURCEW(IDA_COPIANDO), L"AVI");
    if (!recurso)
        return {};
    const char* inicio = static_cast<const char*>(LockResource(LoadResource(programa, recurso)));
    const std::string_view avi(inicio, SizeofResource(programa, recurso));
    Clipe clipe;
    const std::size_t strf = avi.find("strf");
    std::memcpy(&clipe.formato, avi.data() + strf + 8, sizeof clipe.formato);
    clipe.paleta.resize(clipe.formato.biClrUsed);
    std::memcpy(clipe.paleta.data(), avi.data() + strf + 8 + sizeof clipe.formato,
                clipe.paleta.size() * sizeof(RGBQUAD));
    const std::size_t movi = avi.find("movi");
    const std::size_t idx1 = avi.rfind("idx1");
    for (std::size_t entrada = idx1 + 8; entrada + 16 <= avi.size(); entrada += 16) {
        const std::uint32_t flags = Palavra(avi.data() + entrada + 4);
        const std::uint32_t posicao = Palavra(avi.data() + entrada + 8);
        const std::uint32_t tamanho = Palavra(avi.data() + entrada + 12);
        clipe.quadros.push_back(avi.substr(movi + posicao + 8, tamanho));
        clipe.chave.push_back((flags & AVIIF_KEYFRAME) != 0);
    }
    return clipe;
}

TEST(Clipe, EveryFrameDecodedInOrderIsTheFrameAsDrawn) {
    Clipe clipe = LerClipe();
    ASSERT_EQ(clipe.quadros.size(), 21u);
    EXPECT_EQ(clipe.formato.biWidth, 272);
    EXPECT_EQ(clipe.formato.biHeight, 60);
    EXPECT_EQ(clipe.formato.biCompression, static_cast<DWORD>(BI_RLE8));
    // The control starts every run of the clip at its first frame: that one must be whole.
    EXPECT_TRUE(clipe.chave.front());

    struct {
        BITMAPINFOHEADER cabecalho;
        RGBQUAD cores[256];
    } entrada{}, saida{};
    entrada.cabecalho = clipe.formato;
    std::memcpy(entrada.cores, clipe.paleta.data(), clipe.paleta.size() * sizeof(RGBQUAD));
    saida = entrada;
    saida.cabecalho.biCompression = BI_RGB;
    saida.cabecalho.biSizeImage = 272 * 60;

    HIC decodificador =
        ICLocate(ICTYPE_VIDEO, 0, &entrada.cabecalho, &saida.cabecalho, ICMODE_DECOMPRESS);
    ASSERT_NE(decodificador, nullptr) << "no decoder for the clip's RLE frames";
    ASSERT_EQ(ICDecompressBegin(decodificador, &entrada, &saida), ICERR_OK);
    // A buffer that the first frame must cover in full: a key frame that left a pixel out would
    // leave one of these.
    std::vector<unsigned char> quadro(272 * 60, 0xFF);
    std::vector<unsigned char> primeiro;
    uLong crc = 0;
    for (std::size_t n = 0; n < clipe.quadros.size(); ++n) {
        entrada.cabecalho.biSizeImage = static_cast<DWORD>(clipe.quadros[n].size());
        const DWORD flags = clipe.chave[n] ? 0 : ICDECOMPRESS_NOTKEYFRAME;
        ASSERT_EQ(ICDecompress(decodificador, flags, &entrada.cabecalho,
                               const_cast<char*>(clipe.quadros[n].data()), &saida.cabecalho,
                               quadro.data()),
                  ICERR_OK)
            << "frame " << n;
        crc = crc32(crc, quadro.data(), static_cast<uInt>(quadro.size()));
        if (n == 0)
            primeiro = quadro;
    }
    // Every pixel of every frame where tools/desenhar_imagens.py drew it: the CRC-32 of the 21
    // decoded frames one after the other, each as its palette indexes in bottom-up rows. A delta
    // frame that forgot where the sheet was leaves a trail, one that skips a row too many moves it.
    EXPECT_EQ(crc, 0x372c6be8u);

    // Played again, the clip starts from its first frame over its last one: the same picture.
    entrada.cabecalho.biSizeImage = static_cast<DWORD>(clipe.quadros[0].size());
    ASSERT_EQ(ICDecompress(decodificador, 0, &entrada.cabecalho,
                           const_cast<char*>(clipe.quadros[0].data()), &saida.cabecalho,
                           quadro.data()),
              ICERR_OK);
    EXPECT_EQ(quadro, primeiro);
    ICDecompressEnd(decodificador);
    ICClose(decodificador);
}

} // namespace
