// kt_produto_escala: our side of tools/bench_nsis.sh's scaling runs, the wizard installing a
// generated product. It runs from the product's folder, where kt_preparar_bench put one container
// per file under "conteineres\" (the generated tree, file for file); its description lists those
// containers, in the tree's order, as the wizard installs them from a disc. Run from the
// installation (where no such folder is), the same rows name the files beside it, which uninstall
// removes before the program removes itself. Like NSIS's installers of the same files: no
// shortcut, no Uninstall entry.
#include "core/ArquivosIAC/Descricao.h"
#include "tests/e2e/produtos/ProdutoDeTeste.h"
#include "tests/win/comum/Arquivos.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr const wchar_t* kConteineres = L"conteineres\\";
constexpr const wchar_t* kPrograma = L"kt_produto_escala.exe";

struct TArquivoGerado {
    std::wstring Pasta; // relative to the root, empty or without a final delimiter
    std::wstring Nome;
};

// The files under raiz + pasta, one folder deep at most, in name order; the program itself left
// out.
void Listar(const std::wstring& raiz, const std::wstring& pasta,
            std::vector<TArquivoGerado>& arquivos, std::vector<std::wstring>& pastas) {
    std::vector<teste::TEntrada> entradas =
        teste::Entradas(raiz + (pasta.empty() ? L"" : pasta + L"\\"));
    std::sort(entradas.begin(), entradas.end(),
              [](const teste::TEntrada& a, const teste::TEntrada& b) { return a.Nome < b.Nome; });
    for (const teste::TEntrada& entrada : entradas) {
        if (entrada.Pasta) {
            if (pasta.empty() && entrada.Nome + L"\\" != kConteineres) {
                pastas.push_back(entrada.Nome);
                Listar(raiz, entrada.Nome, arquivos, pastas);
            }
        } else if (!(pasta.empty() && entrada.Nome == kPrograma)) {
            arquivos.push_back({pasta, entrada.Nome});
        }
    }
}

void PreencherEscala(kt::TDadosDescricao& descricao, const std::wstring& diretorioPrograma) {
    const DWORD atributos = GetFileAttributesW((diretorioPrograma + kConteineres).c_str());
    const bool instalando =
        atributos != INVALID_FILE_ATTRIBUTES && (atributos & FILE_ATTRIBUTE_DIRECTORY);
    kt::TConfiguracaoInstalacao& c = descricao.Configuracao;
    c.NumeroDeDiscos = 1;
    c.ModoAutoRemocao = 2;
    c.DiretorioDeInstalacao = diretorioPrograma;
    c.Instalado = !instalando;
    c.PermiteReinstalar = true;
    c.NomeDoDiretorioPadrao = L"Produto Gerado";
    descricao.Componentes.Adicionar(L"Tudo, Todos os arquivos, sim, sim, sim, sim");

    std::vector<TArquivoGerado> arquivos;
    std::vector<std::wstring> pastas;
    Listar(diretorioPrograma + (instalando ? kConteineres : L""), L"", arquivos, pastas);
    for (const std::wstring& pasta : pastas)
        descricao.Diretorios.Adicionar(pasta + L", 0, 0, sim");
    descricao.Arquivos.Adicionar(std::wstring(kPrograma) + L", 0, não, Base, , " + kPrograma +
                                 L", 1, 1, sim");
    for (const TArquivoGerado& arquivo : arquivos) {
        const std::wstring conteiner = std::wstring(kConteineres) + arquivo.Pasta +
                                       (arquivo.Pasta.empty() ? L"" : L"\\") + arquivo.Nome;
        descricao.Arquivos.Adicionar(conteiner + L", 0, zlib, Base, " + arquivo.Pasta + L", " +
                                     arquivo.Nome + L", 1, 1, sim");
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return produtos::ExecutarProdutoDeTeste(PreencherEscala);
}
