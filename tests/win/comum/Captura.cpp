#include "tests/win/comum/Captura.h"

#include "base/Owned.h"

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace teste {
namespace {

void Acrescentar32(std::vector<unsigned char>& saida, std::uint32_t valor) {
    for (int deslocamento = 24; deslocamento >= 0; deslocamento -= 8)
        saida.push_back(static_cast<unsigned char>(valor >> deslocamento));
}

void AcrescentarBloco(std::vector<unsigned char>& png, const char* tipo,
                      const std::vector<unsigned char>& dados) {
    Acrescentar32(png, static_cast<std::uint32_t>(dados.size()));
    const std::size_t inicio = png.size();
    png.insert(png.end(), tipo, tipo + 4);
    png.insert(png.end(), dados.begin(), dados.end());
    const uLong crc = crc32(0L, png.data() + inicio, static_cast<uInt>(png.size() - inicio));
    Acrescentar32(png, static_cast<std::uint32_t>(crc));
}

// 8-bit RGB, every row with filter 0, the image data deflated in one block.
std::vector<unsigned char> CodificarPng(int largura, int altura,
                                        const std::vector<unsigned char>& bgra) {
    std::vector<unsigned char> linhas;
    linhas.reserve(static_cast<std::size_t>(altura) * (1 + largura * 3));
    for (int y = 0; y < altura; ++y) {
        linhas.push_back(0);
        for (int x = 0; x < largura; ++x) {
            const unsigned char* p = &bgra[(static_cast<std::size_t>(y) * largura + x) * 4];
            linhas.insert(linhas.end(), {p[2], p[1], p[0]});
        }
    }
    uLongf tamanho = compressBound(static_cast<uLong>(linhas.size()));
    std::vector<unsigned char> comprimido(tamanho);
    compress2(comprimido.data(), &tamanho, linhas.data(), static_cast<uLong>(linhas.size()), 6);
    comprimido.resize(tamanho);

    std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> cabecalho;
    Acrescentar32(cabecalho, static_cast<std::uint32_t>(largura));
    Acrescentar32(cabecalho, static_cast<std::uint32_t>(altura));
    cabecalho.insert(cabecalho.end(), {8, 2, 0, 0, 0});
    AcrescentarBloco(png, "IHDR", cabecalho);
    AcrescentarBloco(png, "IDAT", comprimido);
    AcrescentarBloco(png, "IEND", {});
    return png;
}

} // namespace

bool SalvarCaptura(HWND janela, const std::wstring& arquivoPng) {
    RECT r{};
    if (!GetWindowRect(janela, &r))
        return false;
    const int largura = r.right - r.left;
    const int altura = r.bottom - r.top;
    if (largura <= 0 || altura <= 0)
        return false;

    HDC tela = GetDC(nullptr);
    HDC memoria = CreateCompatibleDC(tela);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = largura;
    info.bmiHeader.biHeight = -altura; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    base::UniqueBitmap imagem(CreateDIBSection(tela, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bool copiou = false;
    if (imagem) {
        HGDIOBJ anterior = SelectObject(memoria, imagem.Get());
        copiou = BitBlt(memoria, 0, 0, largura, altura, tela, r.left, r.top, SRCCOPY) != FALSE;
        GdiFlush();
        SelectObject(memoria, anterior);
    }
    DeleteDC(memoria);
    ReleaseDC(nullptr, tela);
    if (!copiou)
        return false;

    const auto* inicio = static_cast<const unsigned char*>(bits);
    const std::vector<unsigned char> bgra(inicio,
                                          inicio + static_cast<std::size_t>(largura) * altura * 4);
    const std::vector<unsigned char> png = CodificarPng(largura, altura, bgra);
    std::unique_ptr<FILE, int (*)(FILE*)> arquivo(_wfopen(arquivoPng.c_str(), L"wb"), &fclose);
    return arquivo && fwrite(png.data(), 1, png.size(), arquivo.get()) == png.size();
}

std::wstring PastaDeCapturas() {
    wchar_t pasta[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"KT_CAPTURAS", pasta, MAX_PATH) == 0)
        return {};
    CreateDirectoryW(pasta, nullptr);
    return pasta;
}

void Capturar(HWND janela, const std::wstring& nome) {
    const std::wstring pasta = PastaDeCapturas();
    if (pasta.empty())
        return;
    // The window paints what the last step changed, and its thread has answered since.
    RedrawWindow(janela, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    SendMessageTimeoutW(janela, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
    SalvarCaptura(janela, pasta + L"\\" + nome + L".png");
}

} // namespace teste
