#include "tests/unit/AuxiliaresFluxo.h"
#include "tests/unit/PastaTemporaria.h"
#include "tools/empacotador/Empacotador.h"
#include "tools/empacotador/Payload.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <sstream>

namespace {

using namespace kt;
using namespace kt::teste;
namespace fs = std::filesystem;

// Inflates the zlib data of a container with zlib alone; true when the stream ends exactly at
// the end of the container.
bool TerminaNoFim(const std::vector<std::uint8_t>& conteiner) {
    z_stream z{};
    inflateInit(&z);
    std::vector<Bytef> saida(1 << 20);
    z.next_in = const_cast<Bytef*>(conteiner.data() + kTamanhoCabecalhoZLib);
    z.avail_in = static_cast<uInt>(conteiner.size() - kTamanhoCabecalhoZLib);
    int resultado = Z_OK;
    while (resultado == Z_OK) {
        z.next_out = saida.data();
        z.avail_out = static_cast<uInt>(saida.size());
        resultado = inflate(&z, Z_NO_FLUSH);
    }
    const bool termina = resultado == Z_STREAM_END && z.avail_in == 0;
    inflateEnd(&z);
    return termina;
}

class EmpacotadorIdaEVolta : public testing::TestWithParam<std::size_t> {};

TEST_P(EmpacotadorIdaEVolta, TheReaderGivesBackTheBytesAndTheHeaderIsExact) {
    const std::size_t tamanho = GetParam();
    for (const auto& dados : {BytesAleatorios(tamanho, 3), BytesDeTexto(tamanho, 3)}) {
        const auto conteiner = EmpacotarDados(dados, ".html");

        const TCabecalhoZLib c = CabecalhoDe(conteiner);
        EXPECT_EQ(+c.TamanhoCabecalho, 50u);
        EXPECT_EQ(+c.Assinatura, kAssinaturaZLib);
        EXPECT_EQ(+c.TamanhoDescompactado, tamanho);
        EXPECT_EQ(+c.Formato, 3u);
        EXPECT_EQ(std::string(c.Extensao, sizeof c.Extensao), std::string(".html\0\0\0\0\0", 10));
        EXPECT_TRUE(std::all_of(conteiner.begin() + 26, conteiner.begin() + 50, [](std::uint8_t b) {
            return b == 0;
        })) << "Versao is zero";
        EXPECT_EQ(conteiner[50], 0x78);
        EXPECT_EQ(conteiner[51], 0xDA);
        EXPECT_TRUE(TerminaNoFim(conteiner));

        TFluxoMemoria destino;
        Extrair(conteiner, destino);
        EXPECT_EQ(destino.Dados(), dados);
    }
}

// Around the chunk (61440) and up to two chunks and a byte, the payload's smallest and largest
// files, and one size of no particular shape.
INSTANTIATE_TEST_SUITE_P(TamanhosEmVoltaDoBloco, EmpacotadorIdaEVolta,
                         testing::Values(0, 1, 343, 61439, 61440, 61441, 61565, 122880, 122881,
                                         187301));

TEST(Empacotador, StoresAGivenVersion) {
    const auto conteiner = EmpacotarDados(BytesDeTexto(10), ".txt", {0, 1, 2, 3, 4, 5});
    const TCabecalhoZLib c = CabecalhoDe(conteiner);
    const kt::TVersaoArquivo v = c.Versao;
    EXPECT_EQ(v.Reservado, 0);
    EXPECT_EQ(v.Maior, 1);
    EXPECT_EQ(v.Menor, 2);
    EXPECT_EQ(v.Distribuicao, 3);
    EXPECT_EQ(v.Construcao, 4);
    EXPECT_EQ(v.Patch, 5);
}

TEST(Empacotador, TakesTheExtensionFromTheLastDot) {
    EXPECT_EQ(ExtensaoDoNome("jogo da memória.swf"), ".swf");
    EXPECT_EQ(ExtensaoDoNome("Portugues/Pontilha.pt.html"), ".html");
    EXPECT_EQ(ExtensaoDoNome("LEIAME"), "");
    EXPECT_EQ(ExtensaoDoNome("pasta.d/LEIAME"), "");
}

TEST(Empacotador, RefusesAnExtensionThatDoesNotFit) {
    EXPECT_NO_THROW(EmpacotarDados({}, ".12345678"));
    EXPECT_THROW(EmpacotarDados({}, ".123456789"), EEmpacotamento);
    EXPECT_THROW(EmpacotarDados({}, ".jpé"), EEmpacotamento);
}

TEST(Empacotador, PacksAFileWhoseNameHasABlankAndAnAccent) {
    const ::teste::PastaTemporaria dir(L"kt_empacotador");
    const fs::path origem = dir.Local() / "jogo da memória.swf";
    const auto dados = BytesAleatorios(5000);
    GravarArquivo(origem, dados);
    EmpacotarArquivo(origem, dir.Local() / "MEMORIASOFT.zlib", {0, 1, 0, 0, 7, 0});

    const auto conteiner = LerArquivo(dir.Local() / "MEMORIASOFT.zlib");
    EXPECT_STREQ(CabecalhoDe(conteiner).Extensao, ".swf");
    EXPECT_EQ(+CabecalhoDe(conteiner).Versao.Construcao, 7);
    TFluxoMemoria destino;
    Extrair(conteiner, destino);
    EXPECT_EQ(destino.Dados(), dados);
}

std::wstring ExtensaoLarga(const TArquivoDoSite& arquivo) {
    const std::wstring nome = arquivo.Nome;
    return nome.substr(nome.rfind(L'.'));
}

TEST(PayloadRc, EmbedsEverySiteFileUnderItsNameWithItsLanguage) {
    const std::string texto = TextoPayloadRc(RecursosDoPayload("fontes", "saida"));
    ASSERT_TRUE(std::all_of(texto.begin(), texto.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x80; }));

    const std::regex rcdata(
        R"((\w+) RCDATA LANGUAGE 0x([0-9A-F]{2}), 0x([0-9A-F]{2}) "(\w+)\.zlib")");
    std::vector<std::smatch> entradas;
    std::vector<std::string> linhas;
    std::istringstream leitor(texto);
    for (std::string linha; std::getline(leitor, linha);)
        linhas.push_back(linha);
    for (const std::string& linha : linhas) {
        std::smatch e;
        if (std::regex_match(linha, e, rcdata))
            entradas.push_back(e);
        else
            EXPECT_EQ(linha.rfind("//", 0), 0u) << "neither a resource nor a comment: " << linha;
    }
    ASSERT_EQ(entradas.size(), kArquivosDoSite.size());

    int portugues = 0, neutros = 0;
    for (std::size_t i = 0; i < kArquivosDoSite.size(); ++i) {
        const std::smatch& e = entradas[i];
        const std::string recurso = Utf8(kArquivosDoSite[i].Recurso);
        EXPECT_EQ(e[1], recurso);
        EXPECT_EQ(e[4], recurso) << "the container is named after the resource";
        const std::wstring extensao = ExtensaoLarga(kArquivosDoSite[i]);
        const bool neutro =
            extensao == L".swf" || extensao == L".txt" || extensao == L".js" || extensao == L".css";
        if (e[2] == "16" && e[3] == "01") {
            ++portugues;
            EXPECT_FALSE(neutro) << recurso;
        } else {
            EXPECT_EQ(e[2], "00");
            EXPECT_EQ(e[3], "00");
            ++neutros;
            EXPECT_TRUE(neutro) << recurso;
        }
    }
    EXPECT_EQ(portugues, 45);
    EXPECT_EQ(neutros, 17);
}

TEST(PayloadRc, FindsTheSourcesUnderTheirSubdirectories) {
    const auto recursos = RecursosDoPayload("/fontes", "/saida");
    const auto procurar = [&](const std::string& nome) {
        return *std::find_if(recursos.begin(), recursos.end(),
                             [&](const TRecursoDoPayload& r) { return r.Nome == nome; });
    };
    EXPECT_EQ(procurar("PONTILHA_HTML").Fonte, fs::path("/fontes/Pontilha.pt.html"));
    EXPECT_EQ(procurar("JSCRIPT").Fonte, fs::path("/fontes/Portugues/scripts/jscript.js"));
    EXPECT_EQ(procurar("MEMORIASOFT").Fonte, fs::path("/fontes/Portugues/jogo da memória.swf"));
    EXPECT_EQ(procurar("MEMORIASOFT").Conteiner, fs::path("/saida/MEMORIASOFT.zlib"));
    EXPECT_EQ(procurar("MEMORIASOFT").Idioma, kIdiomaNeutro);
    EXPECT_EQ(procurar("SOM1").Idioma, kIdiomaPortuguesBrasil);
}

class PayloadGerado : public testing::Test {
protected:
    const ::teste::PastaTemporaria dir{L"kt_empacotador"};
    fs::path fontes = dir.Local() / "payload";
    fs::path saida = dir.Local() / "saida";

    void SetUp() override {
        unsigned semente = 0;
        for (const TRecursoDoPayload& r : RecursosDoPayload(fontes, saida)) {
            fs::create_directories(r.Fonte.parent_path());
            GravarArquivo(r.Fonte, BytesDeTexto(100 + 37 * semente, semente));
            ++semente;
        }
    }
};

TEST_F(PayloadGerado, WritesEveryContainerAndTheRc) {
    GerarPayload(fontes, saida);
    for (const TRecursoDoPayload& r : RecursosDoPayload(fontes, saida)) {
        const auto conteiner = LerArquivo(r.Conteiner);
        EXPECT_EQ(std::string(CabecalhoDe(conteiner).Extensao), ExtensaoDoNome(r.Fonte)) << r.Nome;
        TFluxoMemoria destino;
        Extrair(conteiner, destino);
        EXPECT_EQ(destino.Dados(), LerArquivo(r.Fonte)) << r.Nome;
    }
    const auto rc = LerArquivo(saida / kNomePayloadRc);
    EXPECT_EQ(std::string(rc.begin(), rc.end()), TextoPayloadRc(RecursosDoPayload(fontes, saida)));
}

TEST_F(PayloadGerado, AMissingFileStopsItBeforeItWritesAnythingAndIsNamed) {
    fs::remove(fontes / "Portugues" / "jogo da memória.swf");
    fs::remove(fontes / "Portugues" / "frases" / "bebe.jpg");
    try {
        GerarPayload(fontes, saida);
        FAIL() << "no error";
    } catch (const EEmpacotamento& erro) {
        const std::string mensagem = erro.what();
        EXPECT_NE(mensagem.find("jogo da memória.swf"), std::string::npos) << mensagem;
        EXPECT_NE(mensagem.find("frases/bebe.jpg"), std::string::npos) << mensagem;
    }
    EXPECT_FALSE(fs::exists(saida));
}

} // namespace
