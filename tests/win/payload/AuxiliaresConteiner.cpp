#include "tests/win/payload/AuxiliaresConteiner.h"

#include "fileops/ErrosArquivo.h"
#include "fileops/RelatorioDeErro.h"
#include "fileops/TextosFramework.h"
#include "tests/win/comum/Arquivos.h"
#include "payload/container/CabecalhoZLib.h"

#include <zlib.h>

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

namespace teste {

std::string ComoTexto(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

std::vector<std::uint8_t> Conteiner(const std::vector<std::uint8_t>& dados) {
    kt::TCabecalhoZLib cabecalho{};
    cabecalho.TamanhoCabecalho = kt::kTamanhoCabecalhoZLib;
    cabecalho.Assinatura = kt::kAssinaturaZLib;
    cabecalho.TamanhoDescompactado = static_cast<std::uint32_t>(dados.size());
    cabecalho.Formato = kt::kFormatoZLib;
    std::memcpy(cabecalho.Extensao, ".txt", 4);

    const std::uint8_t vazio = 0;
    uLongf compactados = compressBound(static_cast<uLong>(dados.size()));
    std::vector<std::uint8_t> conteiner(kt::kTamanhoCabecalhoZLib + compactados);
    std::memcpy(conteiner.data(), &cabecalho, sizeof cabecalho);
    if (compress2(conteiner.data() + kt::kTamanhoCabecalhoZLib, &compactados,
                  dados.empty() ? &vazio : dados.data(), static_cast<uLong>(dados.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("compress2 falhou");
    conteiner.resize(kt::kTamanhoCabecalhoZLib + compactados);
    return conteiner;
}

bool GravarBytes(const std::wstring& caminho, const std::vector<std::uint8_t>& bytes) {
    return GravarArquivo(caminho, ComoTexto(bytes));
}

std::wstring SolucaoComErro(std::uint32_t erro) {
    return kt::ComporRelatorio({}, kt::TextoFramework(kt::ids::kErroInesperadoSolucao), erro)
        .Solucao;
}

void EsperarRelatorio(const TRelatorioVisto& visto, int problema, std::wstring_view arquivos,
                      std::wstring_view solucao) {
    EXPECT_EQ(visto.Modulo, Linha(kt::ids::kModulo, kt::kModuloDoFramework));
    EXPECT_EQ(visto.Problema, Linha(kt::ids::kProblema, kt::TextoFramework(problema)));
    EXPECT_EQ(visto.Arquivos, Linha(kt::ids::kArquivos, arquivos));
    EXPECT_EQ(visto.Solucao, Linha(kt::ids::kSolucao, solucao));
}

void EsperarErroInesperado(const TRelatorioVisto& visto, std::wstring_view arquivos) {
    EXPECT_EQ(visto.Problema,
              Linha(kt::ids::kProblema, kt::TextoFramework(kt::ids::kErroInesperado)));
    EXPECT_EQ(visto.Arquivos, Linha(kt::ids::kArquivos, arquivos));
    // The code is whatever the thread's last Windows error was: the text around it is fixed.
    const std::wstring_view solucao = kt::TextoFramework(kt::ids::kErroInesperadoSolucao);
    const std::wstring antes(solucao.substr(0, solucao.find(L"%d")));
    EXPECT_TRUE(visto.Solucao.starts_with(Linha(kt::ids::kSolucao, antes)))
        << ParaUtf8(visto.Solucao);
}

void EsperarErroInesperado(const TRelatorioVisto& visto, std::wstring_view arquivos,
                           std::uint32_t erro) {
    EsperarRelatorio(visto, kt::ids::kErroInesperado, arquivos, SolucaoComErro(erro));
}

} // namespace teste
