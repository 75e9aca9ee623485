#include "tests/win/payload/AuxiliaresConteiner.h"

#include "fileops/ErrosArquivo.h"
#include "fileops/RelatorioDeErro.h"
#include "fileops/TextosFramework.h"
#include "fileops/Texto.h"
#include "tests/win/comum/Arquivos.h"

#include <gtest/gtest.h>

namespace teste {

std::string ComoTexto(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

bool GravarBytes(const std::wstring& caminho, const std::vector<std::uint8_t>& bytes) {
    return GravarArquivo(caminho, ComoTexto(bytes));
}

std::wstring Linha(int prefixo, std::wstring_view valor) {
    return std::wstring(kt::TextoFramework(prefixo)) + std::wstring(valor);
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
        << kt::Utf8(visto.Solucao);
}

void EsperarErroInesperado(const TRelatorioVisto& visto, std::wstring_view arquivos,
                           std::uint32_t erro) {
    EsperarRelatorio(visto, kt::ids::kErroInesperado, arquivos, SolucaoComErro(erro));
}

} // namespace teste
