#include "tools/bench/RoteiroNsis.h"

#include "core/produto/ConteudoPontilha.h"
#include "core/produto/Produto.h"
#include "core/produto/ValoresDesinstalacao.h"
#include "fileops/Caminhos.h"
#include "fileops/Texto.h"

#include <algorithm>

namespace kt::bench {
namespace {

// Our program shows Portuguese (Brazil); NSIS's installer speaks the same.
const char* const kIdioma = "${NSISDIR}\\Contrib\\Language files\\PortugueseBR.nlf";

const char* const kPastaInstalada = "$INSTDIR\\";

// A file or folder inside the installation folder, quoted.
std::string Dentro(const std::string& pasta, const std::string& nome = {}) {
    if (pasta.empty())
        return CitarNsis(kPastaInstalada, nome);
    return CitarNsis(kPastaInstalada, nome.empty() ? pasta : pasta + "\\" + nome);
}

void Instalacao(std::string& texto, const TProdutoNsis& produto) {
    texto += "Section\n";
    std::string pastaAtual;
    bool primeira = true;
    for (const TArquivoNsis& arquivo : produto.Arquivos) {
        if (primeira || arquivo.Pasta != pastaAtual) {
            texto += "  SetOutPath " +
                     (arquivo.Pasta.empty() ? "\"$INSTDIR\"" : Dentro(arquivo.Pasta)) + "\n";
            pastaAtual = arquivo.Pasta;
            primeira = false;
        }
        texto += "  File " + CitarNsis({}, arquivo.Fonte.string()) + "\n";
    }
    // Our program installs itself as its uninstaller; NSIS writes its own.
    texto += "  WriteUninstaller " + Dentro("", produto.Desinstalador) + "\n";
    for (const TAtalhoNsis& atalho : produto.Atalhos)
        texto += "  CreateShortCut " + CitarNsis(atalho.Pasta + "\\", atalho.Nome) + " " +
                 Dentro("", atalho.Alvo) + " \"\" \"\" 0 SW_SHOWNORMAL \"\" " +
                 CitarNsis({}, atalho.Descricao) + "\n";
    for (const TValorNsis& valor : produto.ValoresDesinstalacao)
        texto += "  WriteRegStr HKLM " + CitarNsis({}, produto.ChaveDesinstalacao) + " " +
                 CitarNsis({}, valor.Nome) + " " + CitarNsis(valor.Variavel, valor.Texto) + "\n";
    texto += "SectionEnd\n\n";
}

void Desinstalacao(std::string& texto, const TProdutoNsis& produto) {
    texto += "Section \"Uninstall\"\n";
    for (const TArquivoNsis& arquivo : produto.Arquivos)
        texto += "  Delete " + Dentro(arquivo.Pasta, arquivo.Nome) + "\n";
    for (const std::string& pasta : produto.Pastas)
        texto += "  RMDir " + Dentro(pasta) + "\n";
    for (const TAtalhoNsis& atalho : produto.Atalhos)
        texto += "  Delete " + CitarNsis(atalho.Pasta + "\\", atalho.Nome) + "\n";
    if (!produto.ChaveDesinstalacao.empty())
        texto += "  DeleteRegKey HKLM " + CitarNsis({}, produto.ChaveDesinstalacao) + "\n";
    texto += "  Delete " + Dentro("", produto.Desinstalador) + "\n";
    texto += "  RMDir \"$INSTDIR\"\n";
    texto += "SectionEnd\n";
}

} // namespace

std::string CitarNsis(const std::string& variavel, const std::string& texto) {
    std::string citado = "\"" + variavel;
    for (const char c : texto) {
        if (c == '$')
            citado += "$$";
        else if (c == '"')
            citado += "$\\\"";
        else
            citado += c;
    }
    return citado + "\"";
}

std::string TextoRoteiroNsis(const TProdutoNsis& produto, const std::filesystem::path& instalador) {
    std::string texto = "\xEF\xBB\xBF";
    texto += "; Made by kt_preparar_bench for tools/bench_nsis.sh; not to be edited.\n"
             "Unicode true\n"
             "SetCompressor zlib\n"
             "RequestExecutionLevel admin\n";
    if (produto.EstiloXP)
        texto += "XPStyle on\n";
    texto += "Name " + CitarNsis({}, produto.Nome) + "\n";
    texto += "OutFile " + CitarNsis({}, instalador.string()) + "\n";
    texto += "InstallDir " + CitarNsis("$PROGRAMFILES\\", produto.PastaPadrao) + "\n";
    texto += std::string("LoadLanguageFile \"") + kIdioma + "\"\n";
    texto += "Page directory\n"
             "Page instfiles\n"
             "UninstPage uninstConfirm\n"
             "UninstPage instfiles\n\n";
    Instalacao(texto, produto);
    Desinstalacao(texto, produto);
    return texto;
}

TProdutoNsis ProdutoNsisPontilha(const std::filesystem::path& fontes) {
    TDadosDescricao descricao;
    PreencherConteudoPontilha(descricao, L"");

    TProdutoNsis produto;
    produto.Nome = Utf8(produto::kNomeExibido);
    produto.PastaPadrao = Utf8(descricao.Configuracao.NomeDoDiretorioPadrao);
    produto.Desinstalador = Utf8(produto::kDesinstalador);
    for (const TArquivoDoSite& arquivo : kArquivosDoSite) {
        std::string pasta = Utf8(arquivo.Subdiretorio);
        std::string relativa = pasta;
        std::replace(relativa.begin(), relativa.end(), '\\', '/');
        produto.Arquivos.push_back(
            {fontes / relativa / Utf8(arquivo.Nome), std::move(pasta), Utf8(arquivo.Nome)});
    }
    for (int linha = 0; linha < descricao.Diretorios.Contar(); ++linha)
        produto.Pastas.push_back(Utf8(descricao.Diretorios.Campos(linha)[0]));

    // Our shortcuts: the Start menu's Programs folder and the desktop, the current user's.
    for (const char* pasta : {"$SMPROGRAMS", "$DESKTOP"})
        produto.Atalhos.push_back({pasta, Utf8(produto::kAtalho), Utf8(produto::kPaginaInicial),
                                   Utf8(produto::kNomeExibido)});

    produto.ChaveDesinstalacao = Utf8(produto::kChaveDesinstalacao);
    // The values as our program writes them, for a folder that no value holds otherwise (a
    // character of Unicode's private use area): where it stands, NSIS puts its $INSTDIR.
    const std::wstring pasta = L"\uE000";
    for (const auto& [nome, dados] : ValoresDesinstalacao(pasta)) {
        if (dados.starts_with(ComDelimitador(pasta)))
            produto.ValoresDesinstalacao.push_back(
                {Utf8(nome), kPastaInstalada, Utf8(dados.substr(ComDelimitador(pasta).size()))});
        else
            produto.ValoresDesinstalacao.push_back({Utf8(nome), {}, Utf8(dados)});
    }
    return produto;
}

} // namespace kt::bench
