#include "core/produto/ConteudoPontilha.h"

#include "core/produto/Produto.h"
#include "fileops/Texto.h"
#include "tests/unit/Esperados.h"
#include "tests/unit/PastaTemporaria.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

using namespace kt;
namespace fs = std::filesystem;

namespace {

TDadosDescricao Preenchida(const std::wstring& diretorio) {
    TDadosDescricao descricao;
    PreencherConteudoPontilha(descricao, diretorio);
    return descricao;
}

std::vector<std::string> LinhasDoArquivo(const std::string& texto) {
    std::vector<std::string> linhas;
    std::istringstream entrada(texto);
    for (std::string linha; std::getline(entrada, linha);)
        linhas.push_back(linha);
    return linhas;
}

} // namespace

// Settings.

TEST(ConteudoPontilha, SettingsAreTheBuiltInOnes) {
    const teste::PastaTemporaria dir(L"kt_conteudo");
    const TDadosDescricao d = Preenchida(dir.Caminho());
    const TConfiguracaoInstalacao& c = d.Configuracao;
    EXPECT_EQ(c.NumeroDeDiscos, 1);
    EXPECT_FALSE(c.ReiniciarAoTerminar);
    EXPECT_TRUE(c.Opcoes[0].Visivel);
    EXPECT_TRUE(c.Opcoes[0].Marcada);
    EXPECT_EQ(c.Opcoes[0].Legenda, L"Criar atalho no menu iniciar");
    EXPECT_TRUE(c.Opcoes[1].Visivel);
    EXPECT_TRUE(c.Opcoes[1].Marcada);
    EXPECT_EQ(c.Opcoes[1].Legenda, L"Criar atalho na área de trabalho");
    EXPECT_FALSE(c.Opcoes[2].Visivel);
    EXPECT_FALSE(c.Opcoes[2].Marcada);
    EXPECT_EQ(c.Opcoes[2].Legenda, L"");
    EXPECT_EQ(c.ModoAutoRemocao, 2);
    EXPECT_EQ(c.DiretorioDeInstalacao, dir.Caminho());
    EXPECT_FALSE(c.Instalado);
    EXPECT_FALSE(c.PermiteAlterar);
    EXPECT_TRUE(c.PermiteReinstalar);
    EXPECT_FALSE(c.PermiteCompacta);
    EXPECT_EQ(c.ObservacaoLicenca, L"");
    EXPECT_EQ(c.TituloDaJanela, L"");
    EXPECT_EQ(c.Instrucoes, L"");
    EXPECT_EQ(c.NomeDoDiretorioPadrao, L"Pontilha 1.0");
    EXPECT_EQ(c.ArquivoDeLicenca, L"");
    EXPECT_EQ(c.ArquivoDeLicencaAlternativo, L"");
    EXPECT_FALSE(c.ConferirDiscos);
    EXPECT_FALSE(c.ConferirPrimeiroDisco);
    EXPECT_EQ(c.IdentificacaoDoDisco[0], L"");
    EXPECT_EQ(c.IdentificacaoDoDisco[1], L"");
    EXPECT_FALSE(c.GuardarDescricao);
    EXPECT_EQ(c.ProgramaAoTerminar, L"");
}

TEST(ConteudoPontilha, InstalledOnlyWhenTheStartPageIsBesideTheProgram) {
    const teste::PastaTemporaria dir(L"kt_conteudo");
    EXPECT_FALSE(Preenchida(dir.Caminho()).Configuracao.Instalado);

    std::ofstream(dir.Local() / "outro.html") << "x";
    EXPECT_FALSE(Preenchida(dir.Caminho()).Configuracao.Instalado);

    std::ofstream(dir.Local() / fs::path(produto::kPaginaInicial)) << "<html></html>";
    EXPECT_TRUE(Preenchida(dir.Caminho()).Configuracao.Instalado);
}

TEST(ConteudoPontilha, ADirectoryNamedLikeTheStartPageIsNoInstallation) {
    const teste::PastaTemporaria dir(L"kt_conteudo");
    fs::create_directory(dir.Local() / fs::path(produto::kPaginaInicial));
    EXPECT_FALSE(Preenchida(dir.Caminho()).Configuracao.Instalado);
}

TEST(ConteudoPontilha, AMissingProgramDirectoryIsNoInstallation) {
    const teste::PastaTemporaria dir(L"kt_conteudo");
    EXPECT_FALSE(Preenchida((dir.Local() / "nao-existe").wstring() + L"/").Configuracao.Instalado);
}

// Rows.

TEST(ConteudoPontilha, ComponentAndDirectoryRows) {
    const TDadosDescricao d = Preenchida(L"C:\\Pontilha\\");
    ASSERT_EQ(d.Componentes.Contar(), 1);
    EXPECT_EQ(d.Componentes.Linha(0),
              L"Arquivos do Programa, Todos arquivos são necessários, sim, sim, sim, sim");
    ASSERT_EQ(d.Diretorios.Contar(), 3);
    EXPECT_EQ(d.Diretorios.Linha(0), L"Portugues\\scripts, 0, 0, sim");
    EXPECT_EQ(d.Diretorios.Linha(1), L"Portugues\\frases, 0, 0, sim");
    EXPECT_EQ(d.Diretorios.Linha(2), L"Portugues, 0, 0, sim");
}

TEST(ConteudoPontilha, FileRowsAreTheSavedOnesInOrder) {
    const TDadosDescricao d = Preenchida(L"C:\\Pontilha\\");
    const std::vector<std::string> esperadas =
        LinhasDoArquivo(teste::LerEsperado("ArquivosPontilha.txt"));
    ASSERT_EQ(esperadas.size(), 63u);
    ASSERT_EQ(d.Arquivos.Contar(), 63);
    for (int i = 0; i < d.Arquivos.Contar(); ++i)
        EXPECT_EQ(kt::Utf8(d.Arquivos.Linha(i)), esperadas[static_cast<std::size_t>(i)])
            << "row " << i;
    EXPECT_EQ(d.Arquivos.Linha(0), L"Pontilha.exe, 0, não, Base, , Pontilha.exe, 1, 1, sim");
    EXPECT_EQ(d.Arquivos.Linha(1),
              L"PONTILHA_HTML, 0, rcdata, Base, , Pontilha.pt.html, 1, 1, sim");
}

TEST(ConteudoPontilha, OnlyTheProgramItselfIsAPlainCopy) {
    const TDadosDescricao d = Preenchida(L"C:\\Pontilha\\");
    const TListaCampos programa = d.Arquivos.Campos(0);
    EXPECT_EQ(programa[coluna_arquivo::kOrigem], produto::kDesinstalador);
    EXPECT_EQ(programa[coluna_arquivo::kNome], produto::kDesinstalador);
    EXPECT_NE(Minusculas(programa[coluna_arquivo::kTipo]), kTipoRcdata);
    for (int i = 1; i < d.Arquivos.Contar(); ++i)
        EXPECT_EQ(d.Arquivos.Campos(i)[coluna_arquivo::kTipo], kTipoRcdata) << "row " << i;
}

TEST(ConteudoPontilha, FileRowsInstallIntoCreatedDirectoriesUnderUniqueNames) {
    const TDadosDescricao d = Preenchida(L"C:\\Pontilha\\");
    std::set<std::wstring> criados = {L""};
    for (int i = 0; i < d.Diretorios.Contar(); ++i)
        criados.insert(d.Diretorios.Campos(i)[coluna_diretorio::kCaminho]);

    const TDiretoriosDestino destino{L"C:\\WINDOWS\\", L"C:\\WINDOWS\\SYSTEM32\\", L"C:\\P\\"};
    std::set<std::wstring> recursos;
    std::set<std::wstring> alvos;
    for (int i = 0; i < d.Arquivos.Contar(); ++i) {
        const TListaCampos c = d.Arquivos.Campos(i);
        EXPECT_TRUE(criados.contains(c[coluna_arquivo::kSubdiretorio])) << "row " << i;
        EXPECT_TRUE(recursos.insert(c[coluna_arquivo::kOrigem]).second) << "row " << i;
        EXPECT_TRUE(alvos.insert(Minusculas(CaminhoDeDestino(c, destino))).second) << "row " << i;
        EXPECT_EQ(LerNumero(c[coluna_arquivo::kDisco]), 1) << "row " << i;
        EXPECT_EQ(LerNumero(c[coluna_arquivo::kPeso]), 1) << "row " << i;
        EXPECT_EQ(c[coluna_arquivo::kEstado], kSim) << "row " << i;
    }
}

TEST(ConteudoPontilha, EveryRowReadsBackAsItWasWritten) {
    const TDadosDescricao d = Preenchida(L"C:\\Pontilha\\");
    for (const TListaLinhas* lista : {&d.Componentes, &d.Diretorios, &d.Arquivos}) {
        for (int i = 0; i < lista->Contar(); ++i) {
            const TListaCampos lidos = lista->Campos(i);
            const std::wstring escrita = Juntar(lidos);
            EXPECT_TRUE(escrita.ends_with(L", ")) << kt::Utf8(escrita);
            EXPECT_EQ(Separar(escrita), lidos) << kt::Utf8(lista->Linha(i));
        }
    }
}

TEST(ConteudoPontilha, ASecondFillAppendsInsteadOfClearing) {
    TDadosDescricao d;
    PreencherConteudoPontilha(d, L"C:\\Pontilha\\");
    PreencherConteudoPontilha(d, L"C:\\Pontilha\\");
    ASSERT_EQ(d.Componentes.Contar(), 2);
    ASSERT_EQ(d.Diretorios.Contar(), 6);
    ASSERT_EQ(d.Arquivos.Contar(), 126);
    EXPECT_EQ(d.Diretorios.Linha(3), d.Diretorios.Linha(0));
    EXPECT_EQ(d.Arquivos.Linha(63), d.Arquivos.Linha(0));
    EXPECT_EQ(d.Arquivos.Linha(125), d.Arquivos.Linha(62));
}
