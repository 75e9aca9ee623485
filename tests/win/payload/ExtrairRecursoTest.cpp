// The embedded payload for real: every RCDATA resource of the built Pontilha.exe (loaded as a
// data file) extracts to its file of the site byte for byte; the resources and the built-in
// description's "rcdata" rows name each other; their languages. Then the extraction's own rules
// on small containers that the test program carries: the program's own module, any language, and
// the failures that skip the file without a report, each told to the caller. A failed inflation,
// which is reported and saves nothing, is a row of tests/win/RelatoriosDosServicosTest.cpp.
#include "core/produto/ConteudoPontilha.h"
#include "fileops/ErrosArquivo.h"
#include "fileops/Texto.h"
#include "fileops/VerificacoesWin32.h"
#include "payload/container/ExtrairRecurso.h"
#include "payload/container/FluxoRecurso.h"
#include "tests/unit/AuxiliaresFluxo.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/RelatoriosGravados.h"
#include "base/Owned.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using kt::teste::TRegistroProgresso;
using ::teste::Gravando;
using ::teste::LerArquivo;
using ::teste::PastaTemporaria;

// The site's files in the source tree, as the Windows build's tests see them.
const std::wstring kFontesDoSite = L"" KT_FONTES_PAYLOAD;

constexpr LANGID kPortuguesBrasil = MAKELANGID(LANG_PORTUGUESE, SUBLANG_PORTUGUESE_BRAZILIAN);
constexpr LANGID kNeutro = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);

// One "rcdata" file row of the built-in description: its resource and its file of the site.
struct TLinhaRcdata {
    std::wstring Recurso;
    std::wstring Subdiretorio;
    std::wstring Nome;
};

std::vector<TLinhaRcdata> LinhasRcdata() {
    kt::TDadosDescricao descricao;
    kt::PreencherConteudoPontilha(descricao, L"C:\\Pontilha\\");
    std::vector<TLinhaRcdata> linhas;
    for (int i = 0; i < descricao.Arquivos.Contar(); ++i) {
        const kt::TListaCampos campos = descricao.Arquivos.Campos(i);
        if (kt::Minusculas(campos[kt::coluna_arquivo::kTipo]) == kt::kTipoRcdata)
            linhas.push_back({campos[kt::coluna_arquivo::kOrigem],
                              campos[kt::coluna_arquivo::kSubdiretorio],
                              campos[kt::coluna_arquivo::kNome]});
    }
    return linhas;
}

std::wstring FonteDoSite(const TLinhaRcdata& linha) {
    std::wstring caminho = kFontesDoSite + L"\\";
    if (!linha.Subdiretorio.empty())
        caminho += linha.Subdiretorio + L"\\";
    return caminho + linha.Nome;
}

BOOL CALLBACK AnotarNome(HMODULE, LPCWSTR, LPWSTR nome, LONG_PTR lista) {
    if (!IS_INTRESOURCE(nome))
        reinterpret_cast<std::vector<std::wstring>*>(lista)->push_back(nome);
    return TRUE;
}

BOOL CALLBACK AnotarIdioma(HMODULE, LPCWSTR, LPCWSTR, WORD idioma, LONG_PTR lista) {
    reinterpret_cast<std::vector<LANGID>*>(lista)->push_back(idioma);
    return TRUE;
}

// Pontilha.exe of this build, beside the tests, loaded only for its resources.
class PayloadDoPrograma : public testing::Test {
protected:
    static void SetUpTestSuite() {
        modulo_ = new base::UniqueLibrary(
            LoadLibraryExW(::teste::ProgramaDeTeste(L"Pontilha.exe").c_str(), nullptr,
                           LOAD_LIBRARY_AS_IMAGE_RESOURCE | LOAD_LIBRARY_AS_DATAFILE));
    }
    static void TearDownTestSuite() {
        delete modulo_;
        modulo_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(modulo_->Valid()) << "Pontilha.exe não carregou"; }

    static HMODULE Modulo() { return modulo_->Get(); }

    static std::vector<std::wstring> NomesRcdata() {
        std::vector<std::wstring> nomes;
        EnumResourceNamesW(Modulo(), RT_RCDATA, &AnotarNome, reinterpret_cast<LONG_PTR>(&nomes));
        return nomes;
    }

    static std::vector<LANGID> Idiomas(const std::wstring& nome) {
        std::vector<LANGID> idiomas;
        EnumResourceLanguagesW(Modulo(), RT_RCDATA, nome.c_str(), &AnotarIdioma,
                               reinterpret_cast<LONG_PTR>(&idiomas));
        return idiomas;
    }

private:
    static inline base::UniqueLibrary* modulo_ = nullptr;
};

TEST_F(PayloadDoPrograma, EveryResourceExtractsToItsFileOfTheSite) {
    PastaTemporaria pasta(L"kt recursos");
    const std::vector<TLinhaRcdata> linhas = LinhasRcdata();
    ASSERT_EQ(linhas.size(), static_cast<std::size_t>(kt::kArquivosNoSite));
    const auto vistos = Gravando([&] {
        for (const TLinhaRcdata& linha : linhas)
            EXPECT_TRUE(kt::ExtrairRecurso(linha.Recurso, pasta / linha.Recurso, {}, Modulo()));
    });
    EXPECT_TRUE(vistos.empty());
    for (const TLinhaRcdata& linha : linhas) {
        const std::string fonte = LerArquivo(FonteDoSite(linha));
        ASSERT_FALSE(fonte.empty()) << kt::Utf8(FonteDoSite(linha));
        EXPECT_TRUE(LerArquivo(pasta / linha.Recurso) == fonte)
            << kt::Utf8(linha.Recurso) << " difere de " << kt::Utf8(linha.Nome);
    }
}

TEST_F(PayloadDoPrograma, EveryRcdataRowHasItsResourceAndEveryResourceItsRow) {
    std::set<std::wstring> daDescricao;
    for (const TLinhaRcdata& linha : LinhasRcdata())
        daDescricao.insert(linha.Recurso);
    const std::vector<std::wstring> nomes = NomesRcdata();
    const std::set<std::wstring> doPrograma(nomes.begin(), nomes.end());
    EXPECT_EQ(nomes.size(), doPrograma.size()) << "um nome repetido";
    EXPECT_EQ(daDescricao, doPrograma);
    EXPECT_EQ(doPrograma.size(), static_cast<std::size_t>(kt::kArquivosNoSite));
}

TEST_F(PayloadDoPrograma, FortyFiveResourcesArePortugueseAndSeventeenNeutral) {
    std::map<LANGID, int> porIdioma;
    for (const std::wstring& nome : NomesRcdata()) {
        const std::vector<LANGID> idiomas = Idiomas(nome);
        EXPECT_EQ(idiomas.size(), 1u) << kt::Utf8(nome);
        for (LANGID idioma : idiomas)
            ++porIdioma[idioma];
    }
    EXPECT_EQ(porIdioma, (std::map<LANGID, int>{{kNeutro, 17}, {kPortuguesBrasil, 45}}));
}

TEST_F(PayloadDoPrograma, TheStartPageExtractsTo8929BytesWithOneProgressCall) {
    PastaTemporaria pasta(L"kt recursos");
    const std::wstring destino = pasta / L"Pontilha.pt.html";
    TRegistroProgresso progresso;
    const auto vistos = Gravando(
        [&] { kt::ExtrairRecurso(L"PONTILHA_HTML", destino, progresso.Evento(), Modulo()); });
    EXPECT_TRUE(vistos.empty());
    EXPECT_EQ(LerArquivo(destino).size(), 8929u);
    EXPECT_EQ(progresso.percentuais, (std::vector<std::int32_t>{100}));
}

TEST_F(PayloadDoPrograma, EveryResourceIsAContainerWithItsFilesSize) {
    for (const TLinhaRcdata& linha : LinhasRcdata()) {
        kt::TFluxoRecurso recurso(Modulo(), linha.Recurso);
        kt::TCabecalhoZLib cabecalho{};
        ASSERT_EQ(recurso.Ler(&cabecalho, sizeof cabecalho), sizeof cabecalho);
        EXPECT_EQ(+cabecalho.Assinatura, kt::kAssinaturaZLib);
        EXPECT_EQ(+cabecalho.TamanhoDescompactado, LerArquivo(FonteDoSite(linha)).size())
            << kt::Utf8(linha.Recurso);
    }
}

// The extraction's own rules, on the containers of tests/win/payload/ConteineresDeTeste.rc.
class ExtracaoDeRecurso : public testing::Test {
protected:
    PastaTemporaria pasta{L"kt recursos"};
    const std::wstring destino = pasta / L"abc.txt";
    TRegistroProgresso progresso;

    // Whether the file was written; a successful extraction shows no report.
    bool Extrair(const std::wstring& recurso, const std::wstring& alvo) {
        bool escrito = false;
        EXPECT_TRUE(Gravando([&] {
                        escrito = kt::ExtrairRecurso(recurso, alvo, progresso.Evento());
                    }).empty());
        return escrito;
    }
};

TEST_F(ExtracaoDeRecurso, ReadsTheProgramsOwnModuleWhateverTheLanguage) {
    EXPECT_TRUE(Extrair(L"KT_TESTE_ABC", destino));
    EXPECT_EQ(LerArquivo(destino), "abc");
    EXPECT_EQ(progresso.percentuais, (std::vector<std::int32_t>{100}));
}

TEST_F(ExtracaoDeRecurso, ReplacesAnExistingTarget) {
    ASSERT_TRUE(::teste::GravarArquivo(destino, std::string(5000, 'v')));
    EXPECT_TRUE(Extrair(L"KT_TESTE_ABC", destino));
    EXPECT_EQ(LerArquivo(destino), "abc");
}

TEST(FluxoRecurso, ReadsTheResourceAndStopsAtItsEnd) {
    kt::TFluxoRecurso recurso(nullptr, L"KT_TESTE_ABC");
    EXPECT_EQ(recurso.Tamanho(), 64);
    EXPECT_EQ(recurso.Posicionar(57, kt::TOrigemFluxo::Inicio), 57);
    char bytes[8] = {};
    EXPECT_EQ(recurso.Ler(bytes, sizeof bytes), 7u);
    EXPECT_EQ(std::string(bytes, 3), "abc");
    EXPECT_EQ(recurso.Ler(bytes, sizeof bytes), 0u);
    EXPECT_EQ(recurso.Posicionar(10, kt::TOrigemFluxo::Fim), 64);
    EXPECT_EQ(recurso.Gravar("x", 1), 0u);
    EXPECT_THROW(recurso.Posicionar(-1, kt::TOrigemFluxo::Inicio), kt::EErroDeFluxo);
}

TEST(FluxoRecurso, AMissingResourceIsTheErrorOfItsCode) {
    kt::EsquecerUltimoErroGerado();
    EXPECT_THROW(kt::TFluxoRecurso(nullptr, L"KT_NAO_EXISTE"), kt::EOperacaoEmArquivo);
    EXPECT_EQ(kt::UltimoErroGerado(), std::optional<std::uint32_t>(ERROR_RESOURCE_NAME_NOT_FOUND));
}

} // namespace
