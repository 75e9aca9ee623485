// The installation description's object: a hidden, unfocusable 24 x 24 child with its icon, a
// file name that reading and writing leave alone, and the content function it runs.
#include "core/ArquivosIAC/ArquivoIAC.h"

#include "tests/unit/PastaTemporaria.h"
#include "tests/win/TesteUiIds.h"
#include "ui/Form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

TEST(ArquivoIAC, IsAHiddenUnfocusableChildOfItsOwnerAlways24By24) {
    ui::Form dono(IDD_TESTE);
    kt::TArquivoIAC descricao(dono.Handle(), [](kt::TDadosDescricao&, const std::wstring&) {});
    HWND janela = descricao.Handle();
    ASSERT_NE(janela, nullptr);
    EXPECT_EQ(GetParent(janela), dono.Handle());
    EXPECT_FALSE(GetWindowLongW(janela, GWL_STYLE) & (WS_VISIBLE | WS_TABSTOP));

    SetWindowPos(janela, nullptr, 10, 10, 200, 90, SWP_NOZORDER);
    RECT r{};
    GetWindowRect(janela, &r);
    EXPECT_EQ(r.right - r.left, kt::TControleNV::kLado);
    EXPECT_EQ(r.bottom - r.top, kt::TControleNV::kLado);

    dono.Show();
    HWND botao = dono.Item(IDC_BOTAO);
    SetFocus(botao);
    SetFocus(janela);
    EXPECT_EQ(GetFocus(), botao);
    dono.Hide();
}

TEST(ArquivoIAC, LoadsItsIconFromTheBitmapResourceAndStartsWithoutABackground) {
    ui::Form dono(IDD_TESTE);
    kt::TArquivoIAC descricao(dono.Handle(), [](kt::TDadosDescricao&, const std::wstring&) {});
    BITMAP imagem{};
    ASSERT_TRUE(GetObjectW(descricao.Icone(), sizeof imagem, &imagem));
    EXPECT_EQ(imagem.bmWidth, 24);
    EXPECT_EQ(imagem.bmHeight, 24);
    EXPECT_EQ(descricao.ImagemDeFundo(), nullptr);
    EXPECT_TRUE(descricao.Valido());
}

TEST(ArquivoIAC, ReadingAndWritingLeaveBothTheFileAndTheRowsAlone) {
    ui::Form dono(IDD_TESTE);
    kt::TArquivoIAC descricao(dono.Handle(), [](kt::TDadosDescricao& dados, const std::wstring&) {
        dados.Componentes.Adicionar(L"Componente, descrição, sim, sim");
    });
    descricao.PreencherDescricao(L"C:\\");
    const teste::PastaTemporaria pasta(L"kt descricao");
    const std::filesystem::path gravada = pasta.Local() / L"kt.ikt";
    const std::filesystem::path lida = pasta.Local() / L"kt.ikt.lida";
    std::ofstream(lida) << "Outro componente, outra descrição, sim, sim\n";

    descricao.DefinirArquivo(gravada.wstring());
    descricao.Gravar();
    EXPECT_FALSE(std::filesystem::exists(gravada));
    descricao.DefinirArquivo(lida.wstring());
    descricao.Carregar();
    EXPECT_EQ(descricao.Arquivo(), lida.wstring());
    ASSERT_EQ(descricao.Componentes().Contar(), 1);
    EXPECT_EQ(descricao.Componentes().Linha(0), L"Componente, descrição, sim, sim");
}

TEST(ArquivoIAC, FillingRunsTheContentWithTheProgramsDirectoryAndAppends) {
    ui::Form dono(IDD_TESTE);
    std::wstring diretorio;
    kt::TArquivoIAC descricao(dono.Handle(),
                              [&](kt::TDadosDescricao& dados, const std::wstring& recebido) {
                                  diretorio = recebido;
                                  dados.Configuracao.NumeroDeDiscos = 1;
                                  dados.Diretorios.Adicionar(L"Portugues, 0, 0, sim");
                              });
    EXPECT_EQ(descricao.Configuracao().NumeroDeDiscos, 0);
    descricao.PreencherDescricao(L"C:\\Programa\\");
    descricao.PreencherDescricao(L"C:\\Programa\\");
    EXPECT_EQ(diretorio, L"C:\\Programa\\");
    EXPECT_EQ(descricao.Configuracao().NumeroDeDiscos, 1);
    EXPECT_EQ(descricao.Diretorios().Contar(), 2);

    kt::TConfiguracaoInstalacao outra;
    outra.ArquivoDeLicenca = L"Licenca.txt";
    descricao.DefinirConfiguracao(outra);
    EXPECT_EQ(descricao.Configuracao().NumeroDeDiscos, 0);
    EXPECT_EQ(descricao.Configuracao().ArquivoDeLicenca, L"Licenca.txt");
}

} // namespace
