// The texts that the wizard shows and the values of the product's Uninstall entry, against the
// saved copies in tests/unit/esperados/: the wizard and its tests read the same constants, so
// only a saved copy catches a changed letter.
#include "core/formularios/TextosAssistente.h"
#include "core/produto/Produto.h"
#include "core/produto/ValoresDesinstalacao.h"
#include "tests/unit/Esperados.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

namespace textos = kt::textos_assistente;

// A text on one line: its line breaks written as \r and \n.
std::string NumaLinha(const std::wstring& texto) {
    std::string linha;
    for (const char c : kt::Utf8(texto)) {
        if (c == '\r')
            linha += "\\r";
        else if (c == '\n')
            linha += "\\n";
        else
            linha += c;
    }
    return linha;
}

#define KT_TEXTO(nome) std::pair<const char*, std::wstring>(#nome, textos::nome)

TEST(TextosAssistente, EveryTextIsTheSavedOne) {
    const std::vector<std::pair<const char*, std::wstring>> textosDoAssistente = {
        KT_TEXTO(kTituloDaJanela),
        KT_TEXTO(kCarregando),
        KT_TEXTO(kEscolhaUmaOperacao),
        KT_TEXTO(kDesinstalando),
        KT_TEXTO(kLicencaDeUso),
        KT_TEXTO(kOpcoesDeInstalacao),
        KT_TEXTO(kComponentesDoPrograma),
        KT_TEXTO(kSobre),
        KT_TEXTO(kInstrucoes),
        KT_TEXTO(kInstalarReinstalar),
        KT_TEXTO(kAlterarComponentes),
        KT_TEXTO(kDesinstalar),
        KT_TEXTO(kBotaoSobre),
        KT_TEXTO(kCancelar),
        KT_TEXTO(kVoltar),
        KT_TEXTO(kContinuar),
        KT_TEXTO(kInstalar),
        KT_TEXTO(kSair),
        KT_TEXTO(kRemovendoArquivos),
        KT_TEXTO(kRemovendoDiretorios),
        KT_TEXTO(kRemovendoAtalhos),
        KT_TEXTO(kRemovendoRegistro),
        KT_TEXTO(kDesinstalacaoTerminada),
        KT_TEXTO(kPergunta),
        KT_TEXTO(kRespostaSim),
        KT_TEXTO(kRespostaNao),
        KT_TEXTO(kSelecioneOpcoes),
        KT_TEXTO(kInstalacaoCompacta),
        KT_TEXTO(kOpcoesAvancadas),
        KT_TEXTO(kEscolhaDiretorio),
        KT_TEXTO(kProcurar),
        KT_TEXTO(kSelecioneComponentes),
        KT_TEXTO(kInformacao),
        KT_TEXTO(kConfirmacao),
        KT_TEXTO(kDiretorioVazio),
        KT_TEXTO(kDiretorioLongo),
        KT_TEXTO(kCancelarInstalacao),
        KT_TEXTO(kReiniciar),
        KT_TEXTO(kReinicioRecusado),
        KT_TEXTO(kModuloDoAssistente),
        KT_TEXTO(kErroNaInicializacao),
        KT_TEXTO(kSolucaoErroNaInicializacao),
        {"TextoSobre", textos::TextoSobre()},
    };
    std::string salvo;
    for (const auto& [nome, texto] : textosDoAssistente)
        salvo += std::string(nome) + "\t" + NumaLinha(texto) + "\n";
    EXPECT_EQ(salvo, teste::LerEsperado("TextosAssistente.txt"));
}

TEST(ValoresDesinstalacao, AreTheSavedOnesWithOneDelimiterBeforeTheUninstaller) {
    std::string salvo = "chave\t" + kt::Utf8(kt::produto::kChaveDesinstalacao) + "\n";
    for (const wchar_t* diretorio :
         {L"C:\\Arquivos de programas\\Pontilha 1.0\\", L"D:\\Cursos\\Pontilha"}) {
        salvo += "\n";
        for (const auto& [nome, dados] : kt::ValoresDesinstalacao(diretorio))
            salvo += kt::Utf8(nome) + "\t" + kt::Utf8(dados) + "\n";
    }
    EXPECT_EQ(salvo, teste::LerEsperado("RegistroDesinstalacao.txt"));
}

} // namespace
