// The program at the dots per inch of the prefix it runs in: the build runs these tests at 96, and
// in a prefix of their own at 144 and at 192 (KT_DPI names the one asked for). Every window is
// saved as a screenshot named after it and the dots per inch (build/screenshots/), and no text may
// outgrow its control; the banner and every icon that the program shows come in the size the
// screen asks for, drawn at that size, not scaled.
#include "resources/AssistenteIds.h"
#include "resources/Imagens.h"
#include "tests/win/TesteUiIds.h"
#include "tests/win/acesso/CadaJanela.h"
#include "tests/win/acesso/Medidas.h"
#include "tests/win/comum/Captura.h"
#include "tests/win/comum/Janelas.h"
#include "ui/Form.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace {

using namespace teste;

int Dpi() {
    return ui::Form::Scale(96);
}

// The run is at the dots per inch the build asked the prefix for.
TEST(Escala, TheScreenHasTheDotsPerInchAskedFor) {
    const char* pedido = std::getenv("KT_DPI");
    EXPECT_EQ(Dpi(), pedido ? std::atoi(pedido) : 96);
}

// The measure itself: a text longer than its control is found, one that fits is not.
TEST(Escala, ALabelOrAButtonTooShortForItsTextIsFound) {
    ui::Form form(IDD_TESTE);
    form.Show();
    EXPECT_EQ(TextosQueNaoCabem(form.Handle()), std::vector<std::string>{});
    const std::wstring longo = L"Um texto longo demais para o rótulo, que quebra em linhas que não "
                               L"cabem na altura de uma linha só";
    SetWindowTextW(form.Item(IDC_ROTULO), longo.c_str());
    SetWindowTextW(form.Item(IDC_BOTAO), L"Um botão de legenda longa");
    const std::vector<std::string> falhas = TextosQueNaoCabem(form.Handle());
    ASSERT_EQ(falhas.size(), 2u);
    EXPECT_EQ(falhas[0].rfind("controle " + std::to_string(IDC_BOTAO), 0), 0u) << falhas[0];
    EXPECT_EQ(falhas[1].rfind("controle " + std::to_string(IDC_ROTULO), 0), 0u) << falhas[1];
    form.Hide();
}

TEST(Escala, EveryWindowScalesAndEveryTextFitsItsControl) {
    const std::wstring dpi = std::to_wstring(Dpi()) + L"dpi";
    const TVisita visita = [&](HWND janela, const std::wstring& nome) {
        Capturar(janela, nome + L"-" + dpi);
        for (const std::string& falha : TextosQueNaoCabem(janela))
            ADD_FAILURE() << std::string(nome.begin(), nome.end()) << ": " << falha;
    };
    MostrarCadaCena(visita);
    MostrarCadaDialogo(visita);
}

TEST(Escala, TheBannerIsTheOneDrawnForTheScreen) {
    MostrarCadaCena([](HWND janela, const std::wstring& nome) {
        if (nome != L"cenaConfigurar")
            return;
        const auto faixa = reinterpret_cast<HBITMAP>(
            SendMessageW(Controle(janela, IDC_imgFaixa), STM_GETIMAGE, IMAGE_BITMAP, 0));
        BITMAP bitmap{};
        ASSERT_TRUE(GetObjectW(faixa, sizeof bitmap, &bitmap));
        // Drawn for 96, 144 and 192 dots per inch: 480 x 48 at 96.
        EXPECT_EQ(bitmap.bmWidth, 480 * Dpi() / 96);
        EXPECT_EQ(bitmap.bmHeight, 48 * Dpi() / 96);
    });
}

// The sizes an icon resource holds.
std::set<int> Tamanhos(int icone) {
    std::set<int> tamanhos;
    HRSRC recurso =
        FindResourceW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(icone), RT_GROUP_ICON);
    if (!recurso)
        return tamanhos;
    const auto* bytes =
        static_cast<const BYTE*>(LockResource(LoadResource(GetModuleHandleW(nullptr), recurso)));
    // The group's directory: a 6-byte header whose last word counts the 14-byte entries, each
    // opening with its width (0 for 256).
    const int entradas = bytes[4] | (bytes[5] << 8);
    for (int i = 0; i < entradas; ++i) {
        const int largura = bytes[6 + 14 * i];
        tamanhos.insert(largura == 0 ? 256 : largura);
    }
    return tamanhos;
}

TEST(Escala, EveryIconComesInTheSizesTheScreenAsksFor) {
    // Glyphs beside captions and on the toolbar: the small icon size.
    const int pequenos[] = {IDI_PONTILHA, IDI_INSTALAR,   IDI_PROSSEGUIR,    IDI_VOLTAR,
                            IDI_CANCELAR, IDI_CONCLUIDO,  IDI_SOBRE,         IDI_PASTA,
                            IDI_IGNORAR,  IDI_NOVA_PASTA, IDI_EXCLUIR_PASTA, IDI_MEUS_DOCUMENTOS};
    // Image-only buttons, pictures and the dialogs' symbols: the large one.
    const int grandes[] = {IDI_PONTILHA, IDI_CENTRAL_SOLUCOES, IDI_INSTALAR,
                           IDI_ALTERAR,  IDI_DESINSTALAR,      IDI_CONCLUIDO,
                           IDI_PASTA,    IDI_SOBRESCREVER,     IDI_ENCONTRAR};
    for (int icone : pequenos)
        EXPECT_TRUE(Tamanhos(icone).count(GetSystemMetrics(SM_CXSMICON))) << icone;
    for (int icone : grandes)
        EXPECT_TRUE(Tamanhos(icone).count(GetSystemMetrics(SM_CXICON))) << icone;
}

} // namespace
