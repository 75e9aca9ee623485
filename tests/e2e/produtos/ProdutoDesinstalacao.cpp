// A wizard to uninstall: a few files in nested directories, one that uninstall leaves, no
// self-removal, and hooks that note when they run and what the page shows, and raise on demand.
#include "core/ArquivosIAC/Descricao.h"
#include "fileops/Arquivos.h"
#include "fileops/Texto.h"
#include "resources/AssistenteIds.h"
#include "tests/e2e/produtos/ProdutoDeTeste.h"
#include "tests/e2e/produtos/Produtos.h"
#include "ui/Application.h"
#include "base/Exception.h"
#include "ui/Form.h"

#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace produtos;

std::wstring Variavel(const wchar_t* nome) {
    const wchar_t* valor = _wgetenv(nome);
    return valor ? valor : L"";
}

// The four steps' check marks as the page shows them now.
std::wstring Marcas() {
    ui::Form* assistente = ui::Form::FromHandle(ui::Application::ActiveModalWindow());
    std::wstring marcas;
    for (int imagem : {IDC_imgArquivos, IDC_imgDirs, IDC_imgAtalhos, IDC_imgRegistro})
        marcas += assistente && ui::Picture(assistente->Item(imagem)).Icon() ? L'1' : L'0';
    return marcas;
}

void Anotar(const std::wstring& gancho, const std::wstring& diretorio) {
    const std::wstring diario = Variavel(kVariavelDiario);
    if (!diario.empty())
        std::ofstream(std::filesystem::path(diario), std::ios::app | std::ios::binary)
            << kt::Utf8(gancho + L"|" + diretorio + L"|" + Marcas()) << "\n";
    if (Variavel(kVariavelGanchoQueFalha) == gancho)
        throw base::Exception(kFalhaDoGancho);
    if (Variavel(kVariavelGanchoQueTrava) == gancho)
        Sleep(INFINITE);
}

void PreencherDesinstalacao(kt::TDadosDescricao& descricao, const std::wstring& diretorioPrograma) {
    kt::TConfiguracaoInstalacao& c = descricao.Configuracao;
    c.NumeroDeDiscos = 1;
    c.ModoAutoRemocao = 0;
    c.DiretorioDeInstalacao = diretorioPrograma;
    c.Instalado = kt::EhArquivo(diretorioPrograma + kArquivosDesinstalacao[0].Nome);
    c.PermiteReinstalar = true;
    c.NomeDoDiretorioPadrao = L"Produto para Desinstalar";
    descricao.Componentes.Adicionar(L"Tudo, Todos os arquivos, sim, sim, sim, sim");
    for (const wchar_t* diretorio : kDiretoriosDesinstalacao)
        descricao.Diretorios.Adicionar(std::wstring(diretorio) + L", 0, 0, sim");
    descricao.Arquivos.Adicionar(std::wstring(kProdutoDesinstalacao) + L", 0, copiar, Base, , " +
                                 kProdutoDesinstalacao + L", 1, 1, sim");
    for (const auto& [sub, nome, fica] : kArquivosDesinstalacao)
        descricao.Arquivos.Adicionar(std::wstring(nome) + L", 0, copiar, Base, " + sub + L", " +
                                     nome + L", 1, 1, " + (fica ? kt::kNao : kt::kSim));
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    kt::TRotinasProduto rotinas{};
    rotinas.RemoverAtalhos = [](const std::wstring& d) { Anotar(L"RemoverAtalhos", d); };
    rotinas.RemoverRegistro = [](const std::wstring& d) { Anotar(L"RemoverRegistro", d); };
    rotinas.AoDesinstalar = [](const std::wstring& d) { Anotar(L"AoDesinstalar", d); };
    return ExecutarProdutoDeTeste(PreencherDesinstalacao, rotinas);
}
