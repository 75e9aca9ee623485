// The screenshot helper writes a PNG of the window's size that shows the window.
#include "tests/unit/PastaTemporaria.h"
#include "tests/win/TesteUiIds.h"
#include "tests/win/comum/Captura.h"
#include "ui/Form.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

std::vector<unsigned char> Ler(const std::wstring& caminho) {
    std::vector<unsigned char> bytes;
    if (FILE* f = _wfopen(caminho.c_str(), L"rb")) {
        int c;
        while ((c = fgetc(f)) != EOF)
            bytes.push_back(static_cast<unsigned char>(c));
        fclose(f);
    }
    return bytes;
}

std::uint32_t Ler32(const std::vector<unsigned char>& b, std::size_t i) {
    return (b[i] << 24) | (b[i + 1] << 16) | (b[i + 2] << 8) | b[i + 3];
}

TEST(Captura, WritesAPngOfTheWindowsSize) {
    ui::Form form(IDD_TESTE);
    form.Show();
    const teste::PastaTemporaria pasta(L"kt captura");
    const std::wstring arquivo = pasta / L"captura-teste.png";
    ASSERT_TRUE(teste::SalvarCaptura(form.Handle(), arquivo));
    const auto png = Ler(arquivo);
    ASSERT_GT(png.size(), 33u);
    EXPECT_EQ(png[1], 'P');
    EXPECT_EQ(png[2], 'N');
    EXPECT_EQ(png[3], 'G');
    RECT r;
    GetWindowRect(form.Handle(), &r);
    EXPECT_EQ(Ler32(png, 16), static_cast<std::uint32_t>(r.right - r.left));
    EXPECT_EQ(Ler32(png, 20), static_cast<std::uint32_t>(r.bottom - r.top));
    teste::Capturar(form.Handle(), L"teste-formulario");
}

} // namespace
