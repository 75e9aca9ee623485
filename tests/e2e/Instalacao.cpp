#include "tests/e2e/Instalacao.h"

#include "core/produto/ConteudoPontilha.h"
#include "core/formularios/TextosAssistente.h"
#include "core/produto/Produto.h"
#include "core/produto/ValoresDesinstalacao.h"
#include "dialogs/TextosDialogos.h"
#include "instalacao/TextosCopia.h"
#include "resources/AssistenteIds.h"
#include "fileops/LinhasDoDiario.h"
#include "fileops/Texto.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/RastrosPontilha.h"
#include "tests/e2e/Registro.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/LerAtalho.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>

namespace e2e {
namespace {

namespace fs = std::filesystem;
namespace produto = kt::produto;

// The site's files in the source tree, as the installation must leave them.
const std::wstring kFontesDoSite = L"" KT_FONTES_PAYLOAD;

// The files under a folder, by their path relative to it.
std::map<std::wstring, fs::path> Arvore(const std::wstring& pasta) {
    std::map<std::wstring, fs::path> arquivos;
    std::error_code erro;
    for (const auto& item : fs::recursive_directory_iterator(pasta, erro))
        if (item.is_regular_file())
            arquivos[fs::relative(item.path(), pasta).wstring()] = item.path();
    return arquivos;
}

} // namespace

std::wstring InstalarPontilha(const std::wstring& pasta, int respostaAPergunta) {
    ProgramaEmTeste pontilha(produtos::kPontilha);
    pontilha.Iniciar();
    if (!pontilha.EsperarAssistente(kt::textos_assistente::kTituloDaJanela)) {
        ADD_FAILURE() << "the wizard did not come";
        return {};
    }
    const auto inicio = std::chrono::steady_clock::now();
    if (!pontilha.Instalar(pasta)) {
        ADD_FAILURE() << "the copying page did not come";
        return {};
    }
    if (respostaAPergunta != 0) {
        HWND pergunta = pontilha.EsperarCaixa(std::wstring(kt::textos_sobrescrever::kTitulo), 30s);
        EXPECT_TRUE(pergunta) << "no overwrite question";
        if (pergunta) {
            // The page behind the question shows the file it is about: the first row, the
            // program copied as the uninstaller.
            EXPECT_EQ(pontilha.Texto(IDC_lblStatus), kt::textos_copia::kCopiandoArquivos);
            EXPECT_EQ(pontilha.Texto(IDC_lblPara), pasta + produto::kDesinstalador);
            pontilha.Capturar(pergunta, L"pergunta");
            teste::Clicar(teste::Controle(pergunta, respostaAPergunta));
            EXPECT_TRUE(teste::EsperarAte([&] { return !IsWindow(pergunta); }));
        }
    }
    HWND mensagem = pontilha.EsperarCaixa(kt::textos_assistente::kInformacao, 60s);
    const auto duracao = std::chrono::steady_clock::now() - inicio;
    EXPECT_FALSE(pontilha.HaJanela(std::wstring(kt::textos_sobrescrever::kTitulo)))
        << "a second overwrite question";
    if (!mensagem) {
        ADD_FAILURE() << "no closing message";
        return {};
    }
    pontilha.Capturar(mensagem, L"fim");
    std::printf("[ medida ] Pontilha, de \"&Instalar\" à mensagem final: %.2f s\n",
                std::chrono::duration<double>(duracao).count());
    const std::wstring texto = pontilha.ResponderInformacao();
    DWORD codigo = 1;
    EXPECT_TRUE(pontilha.EsperarFim(codigo, 30s));
    EXPECT_EQ(codigo, 0u);
    return texto;
}

void EsperarInstalado(const std::wstring& pasta) {
    const auto fontes = Arvore(kFontesDoSite);
    auto instalados = Arvore(pasta);
    ASSERT_EQ(fontes.size(), 62u);
    for (const auto& [relativo, fonte] : fontes) {
        SCOPED_TRACE(kt::Utf8(relativo));
        ASSERT_TRUE(instalados.count(relativo));
        EXPECT_EQ(teste::LerArquivo(instalados[relativo].wstring()),
                  teste::LerArquivo(fonte.wstring()));
        instalados.erase(relativo);
    }
    ASSERT_EQ(instalados.size(), 2u) << "only the uninstaller and the diary besides the course";
    EXPECT_TRUE(instalados.count(kt::kArquivoDoDiario));
    EXPECT_EQ(teste::LerArquivo(pasta + produto::kDesinstalador),
              teste::LerArquivo(PastaDosProgramas() + L"\\" + produtos::kPontilha));
    std::printf("[ medida ] Pontilha instalado: %zu arquivos\n", fontes.size() + 1);

    for (const std::wstring& atalho : AtalhosDoPontilha()) {
        SCOPED_TRACE(kt::Utf8(atalho));
        const teste::TAtalhoLido lido = teste::LerAtalho(atalho);
        EXPECT_TRUE(lido.Carregado);
        EXPECT_EQ(lido.Alvo, pasta + produto::kPaginaInicial);
        EXPECT_EQ(lido.Descricao, produto::kNomeExibido);
    }

    for (const auto& [nome, esperado] : kt::ValoresDesinstalacao(pasta))
        EXPECT_EQ(ValorDe32Bits(produto::kChaveDesinstalacao, nome), esperado) << kt::Utf8(nome);
}

std::vector<std::wstring> ArquivosDoCurso() {
    std::vector<std::wstring> arquivos;
    for (const kt::TArquivoDoSite& arquivo : kt::kArquivosDoSite) {
        const std::wstring sub = arquivo.Subdiretorio;
        arquivos.push_back(sub.empty() ? arquivo.Nome : sub + L"\\" + arquivo.Nome);
    }
    return arquivos;
}

} // namespace e2e
