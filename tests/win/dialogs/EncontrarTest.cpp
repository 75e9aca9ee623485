// The locate-missing-file dialog on screen, answered by a robot as a user would: its texts and
// glyphs, every answer by mouse and keyboard with the path box's text coming back each time, and
// the system's file-open dialog that lists only files of the missing file's name.
#include "dialogs/Encontrar.h"
#include "dialogs/TextosDialogos.h"
#include "resources/EncontrarIds.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/Captura.h"
#include "tests/win/comum/Janelas.h"
#include "tests/win/comum/Robo.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

namespace {

using namespace kt;
namespace textos = textos_encontrar;
using teste::PastaTemporaria;
using teste::TextoDe;

const std::wstring kTitulo(textos::kTitulo);
constexpr int kBotoesGrandes[] = {IDC_bitAjudaEncontrar, IDC_bitIgnorar, IDC_bitContinuarEncontrar,
                                  IDC_bitCancelarEncontrar};

struct TResultado {
    std::int32_t Resposta = -1;
    std::wstring Devolvido;
};

TResultado Encontrar(const std::wstring& caminho, std::int32_t maximo,
                     const std::function<void(HWND)>& responder) {
    TResultado r;
    r.Devolvido = caminho;
    teste::ComRoboDeJanelas([&] { r.Resposta = EncontrarArquivo(r.Devolvido, maximo); },
                            {{kTitulo, responder}});
    return r;
}

HIMAGELIST Glifo(HWND botao) {
    BUTTON_IMAGELIST imagens{};
    SendMessageW(botao, BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&imagens));
    return imagens.himl;
}

TEST(Encontrar, ShowsItsTextsAndAGlyphOnEachLargeButton) {
    std::vector<std::wstring> textos;
    std::set<HIMAGELIST> glifos;
    std::wstring caminho;
    const TResultado r = Encontrar(L"C:\\Origem\\foto1.jpg", 255, [&](HWND janela) {
        textos.push_back(teste::Texto(janela));
        for (int id : {IDC_lblInstrucoes, IDC_lblLocal, IDC_Button1, IDC_bitAjudaEncontrar,
                       IDC_bitIgnorar, IDC_bitContinuarEncontrar, IDC_bitCancelarEncontrar})
            textos.push_back(TextoDe(janela, id));
        for (int id : kBotoesGrandes)
            glifos.insert(Glifo(teste::Controle(janela, id)));
        caminho = TextoDe(janela, IDC_txtArquivo);
        teste::Clicar(teste::Controle(janela, IDC_bitIgnorar));
    });
    EXPECT_EQ(r.Resposta, kEncontrarIgnorar);
    const std::vector<std::wstring> esperados = {kTitulo,
                                                 std::wstring(textos::kInstrucoes),
                                                 std::wstring(textos::kLocal),
                                                 std::wstring(textos::kProcurar),
                                                 std::wstring(textos::kAjuda),
                                                 std::wstring(textos::kIgnorar),
                                                 std::wstring(textos::kContinuar),
                                                 std::wstring(textos::kCancelar)};
    EXPECT_EQ(textos, esperados);
    EXPECT_EQ(caminho, L"C:\\Origem\\foto1.jpg");
    EXPECT_EQ(glifos.size(), 4u) << "one glyph of its own on each large button";
    EXPECT_EQ(glifos.count(nullptr), 0u);
}

struct TCasoResposta {
    const char* Nome;
    std::wstring Digitado; // empty: the box is left as it was
    std::int32_t Maximo;
    std::function<void(HWND)> Responder;
    std::int32_t Resposta;
    std::wstring Devolvido;
};

TEST(Encontrar, EveryAnswerHandsBackTheBoxsTextCutToTheLength) {
    const std::wstring dado = L"C:\\Origem\\foto1.jpg";
    const auto clicar = [](int id) {
        return [id](HWND j) { teste::Clicar(teste::Controle(j, id)); };
    };
    const auto mnemonico = [](wchar_t letra) {
        return [letra](HWND j) { teste::PressionarMnemonico(j, letra); };
    };
    const std::vector<TCasoResposta> casos = {
        {"Continuar", L"D:\\fotos\\foto1.jpg", 255, clicar(IDC_bitContinuarEncontrar),
         kEncontrarContinuar, L"D:\\fotos\\foto1.jpg"},
        {"Cancelar", L"E:\\x.jpg", 255, clicar(IDC_bitCancelarEncontrar), kEncontrarCancelar,
         L"E:\\x.jpg"},
        {"Ignorar", L"", 255, clicar(IDC_bitIgnorar), kEncontrarIgnorar, dado},
        {"Alt+C, cut", L"", 9, mnemonico(L'c'), kEncontrarContinuar, L"C:\\Origem"},
        {"Alt+O", L"", 255, mnemonico(L'o'), kEncontrarCancelar, dado},
        {"Alt+I", L"", 255, mnemonico(L'i'), kEncontrarIgnorar, dado},
        {"Escape", L"F:\\y.jpg", 255, [](HWND j) { teste::PressionarTecla(j, VK_ESCAPE); },
         kEncontrarIgnorar, L"F:\\y.jpg"},
        {"fechar", L"", 0, [](HWND j) { teste::Fechar(j); }, kEncontrarIgnorar, L""},
    };
    for (const TCasoResposta& caso : casos) {
        SCOPED_TRACE(caso.Nome);
        const TResultado r = Encontrar(dado, caso.Maximo, [&](HWND janela) {
            if (!caso.Digitado.empty())
                teste::DefinirTexto(teste::Controle(janela, IDC_txtArquivo), caso.Digitado);
            caso.Responder(janela);
        });
        EXPECT_EQ(r.Resposta, caso.Resposta);
        EXPECT_EQ(r.Devolvido, caso.Devolvido);
    }
}

TEST(Encontrar, APathLongerThanAShortStringComesBackCutTo255) {
    const std::wstring longo = L"C:\\" + std::wstring(300, L'a') + L".jpg";
    const TResultado r = Encontrar(L"C:\\foto1.jpg", 1000, [&](HWND janela) {
        teste::DefinirTexto(teste::Controle(janela, IDC_txtArquivo), longo);
        teste::Clicar(teste::Controle(janela, IDC_bitContinuarEncontrar));
    });
    EXPECT_EQ(r.Devolvido, longo.substr(0, 255));
}

// Enter on the browse button would open the file-open dialog; typed into the box, it continues.
TEST(EncontrarTeclado, TheFocusStartsOnBrowseTabWalksInReadingOrderAndEnterInTheBoxContinues) {
    std::vector<int> percurso;
    const TResultado r = Encontrar(L"C:\\foto1.jpg", 255, [&](HWND j) {
        EXPECT_TRUE(
            teste::EsperarAte([&] { return teste::Foco(j) == teste::Controle(j, IDC_Button1); }));
        teste::Capturar(j, L"encontrar");
        percurso = teste::PercorrerComTab(j);
        HWND caixa = teste::Controle(j, IDC_txtArquivo);
        for (int i = 0; i < 10 && teste::Foco(j) != caixa; ++i) {
            HWND antes = teste::Foco(j);
            teste::PressionarTab(j);
            teste::EsperarAte([&] { return teste::Foco(j) != antes; }, teste::Prazo(1000));
        }
        teste::DefinirTexto(caixa, L"G:\\z.jpg");
        teste::PressionarTecla(j, VK_RETURN);
    });
    EXPECT_EQ(percurso, (std::vector<int>{IDC_Button1, IDC_bitAjudaEncontrar, IDC_bitIgnorar,
                                          IDC_bitContinuarEncontrar, IDC_bitCancelarEncontrar,
                                          IDC_txtArquivo}));
    EXPECT_EQ(r.Resposta, kEncontrarContinuar);
    EXPECT_EQ(r.Devolvido, L"G:\\z.jpg");
}

// The system's file-open dialog, from the browse button: the window owned by the question.
HWND AbrirDialogo(HWND janela) {
    teste::Clicar(teste::Controle(janela, IDC_Button1));
    HWND achado = nullptr;
    teste::EsperarAte([&] {
        for (HWND w : teste::JanelasDaTarefa(GetWindowThreadProcessId(janela, nullptr)))
            if (w != janela && teste::Visivel(w) && GetWindow(w, GW_OWNER) == janela)
                achado = w;
        return achado != nullptr;
    });
    return achado;
}

// The file names that the dialog's list shows.
std::vector<std::wstring> Listados(HWND dialogo) {
    std::vector<std::wstring> nomes;
    HWND lista = nullptr;
    teste::EsperarAte([&] {
        lista = FindWindowExW(FindWindowExW(dialogo, nullptr, L"SHELLDLL_DefView", nullptr),
                              nullptr, WC_LISTVIEWW, nullptr);
        return lista && teste::ContarItens(lista) > 0;
    });
    for (int i = 0; lista && i < teste::ContarItens(lista); ++i)
        nomes.push_back(teste::TextoDoItem(lista, i));
    return nomes;
}

constexpr int kFiltroDoDialogo = 0x470; // cmb1: the file types
constexpr int kNomeNoDialogo = 0x47C;   // cmb13: the file name

TEST(EncontrarTeclado, BrowsingListsOnlyFilesOfTheMissingNameAndAPickReplacesTheBox) {
    PastaTemporaria pasta(L"kt encontrar");
    for (const wchar_t* nome : {L"foto1.jpg", L"foto2.jpg", L"leia.txt"})
        ASSERT_TRUE(teste::GravarArquivo(pasta / nome, "x"));
    CreateDirectoryW((pasta / L"outra").c_str(), nullptr);
    const std::wstring escolhido = pasta / L"outra\\foto1.jpg";
    ASSERT_TRUE(teste::GravarArquivo(escolhido, "y"));
    const std::wstring faltando = pasta / L"foto1.jpg";

    std::wstring filtro;
    std::vector<std::wstring> listados;
    std::wstring depoisDeCancelar;
    const TResultado r = Encontrar(faltando, 255, [&](HWND janela) {
        HWND dialogo = AbrirDialogo(janela);
        ASSERT_TRUE(dialogo);
        filtro = TextoDe(dialogo, kFiltroDoDialogo);
        listados = Listados(dialogo);
        teste::Capturar(dialogo, L"encontrar-abrir");
        teste::Responder(dialogo, IDCANCEL);
        ASSERT_TRUE(teste::EsperarAte([&] { return !IsWindow(dialogo); }));
        depoisDeCancelar = TextoDe(janela, IDC_txtArquivo);

        dialogo = AbrirDialogo(janela);
        ASSERT_TRUE(dialogo);
        HWND nome = teste::Controle(dialogo, kNomeNoDialogo);
        ASSERT_TRUE(nome);
        teste::DefinirTexto(nome, escolhido);
        teste::Responder(dialogo, IDOK);
        ASSERT_TRUE(teste::EsperarAte([&] { return !IsWindow(dialogo); }));
        teste::Clicar(teste::Controle(janela, IDC_bitContinuarEncontrar));
    });
    EXPECT_EQ(filtro, L"foto1.jpg");
    EXPECT_EQ(listados, (std::vector<std::wstring>{L"outra", L"foto1.jpg"}))
        << "folders, and only files of the missing name";
    EXPECT_EQ(depoisDeCancelar, faltando);
    EXPECT_EQ(r.Resposta, kEncontrarContinuar);
    EXPECT_EQ(r.Devolvido, escolhido);
}

} // namespace
