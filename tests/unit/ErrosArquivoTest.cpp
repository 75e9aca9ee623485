#include "fileops/ErrosArquivo.h"
#include "payload/container/VerificarArquivoZLib.h"
#include "base/Exception.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

using namespace kt;

namespace {

std::exception_ptr ErroDoCodigo(std::uint32_t codigo) {
    try {
        GerarErroWindows(codigo);
    } catch (...) {
        return std::current_exception();
    }
    ADD_FAILURE() << "GerarErroWindows(" << codigo << ") returned";
    return {};
}

template <class E>
std::exception_ptr Erro(E erro) {
    return std::make_exception_ptr(std::move(erro));
}

// The Windows code, the class it raises and the row that reports it, in the standard table's
// order.
struct TCasoFamilia {
    std::uint32_t Codigo;
    bool (*EhDaClasse)(const std::exception_ptr&);
    TLinhaRelatorio Linha;
};

const TCasoFamilia kFamilia[] = {
    {21, &EhDoTipo<EDiscoNaoPronto>, {ids::kDiscoNaoPronto, ids::kDiscoNaoProntoSolucao}},
    {5, &EhDoTipo<EAcessoNegado>, {ids::kAcessoNegado, ids::kAcessoNegadoSolucao}},
    {112, &EhDoTipo<EDiscoCheio>, {ids::kDiscoCheio, ids::kDiscoCheioSolucao}},
    {19, &EhDoTipo<EDiscoProtegido>, {ids::kDiscoProtegido, ids::kDiscoProtegidoSolucao}},
    {26, &EhDoTipo<EDiscoNaoDOS>, {ids::kDiscoNaoDOS, ids::kDiscoNaoDOSSolucao}},
    {183, &EhDoTipo<EJaExiste>, {ids::kJaExiste, ids::kJaExisteSolucao}},
    {82, &EhDoTipo<EImpossivelCriar>, {ids::kImpossivelCriar, ids::kImpossivelCriarSolucao}},
    {32,
     &EhDoTipo<EViolacaoCompartilhamento>,
     {ids::kViolacaoCompartilhamento, ids::kViolacaoCompartilhamentoSolucao}},
    {161, &EhDoTipo<ECaminhoInvalido>, {ids::kCaminhoInvalido, ids::kCaminhoInvalidoSolucao}},
};

constexpr TLinhaRelatorio kLinhaSemMemoria{ids::kSemMemoria, ids::kSemMemoriaSolucao};
constexpr TLinhaRelatorio kLinhaQualquer{ids::kErroInesperado, ids::kErroInesperadoSolucao};

} // namespace

// GerarErroWindows: which error each Windows code raises.

TEST(GerarErroWindows, EachFamilyCodeRaisesItsClassWithItsProblemText) {
    for (const TCasoFamilia& caso : kFamilia) {
        const std::exception_ptr erro = ErroDoCodigo(caso.Codigo);
        EXPECT_TRUE(caso.EhDaClasse(erro)) << caso.Codigo;
        EXPECT_TRUE(EhDoTipo<EOperacaoEmArquivo>(erro)) << caso.Codigo;
        int classes = 0;
        for (const TCasoFamilia& outro : kFamilia)
            classes += outro.EhDaClasse(erro) ? 1 : 0;
        EXPECT_EQ(classes, 1) << caso.Codigo;
        try {
            std::rethrow_exception(erro);
        } catch (const EErroKT& e) {
            EXPECT_EQ(e.Mensagem(), TextoFramework(caso.Linha.Problema)) << caso.Codigo;
        }
    }
}

// The toolkit's standard exception display knows only std::exception.
TEST(EErroKT, TheStandardDisplayShowsTheMessage) {
    for (const std::wstring mensagem : {L"", L"Acesso ao arquivo foi negado.", L"Célula ⠃ 𝄞"})
        EXPECT_EQ(base::MessageOf(EDiscoCheio(mensagem)), mensagem);
}

TEST(GerarErroWindows, DiskNotReadyReadsAsItsText) {
    try {
        GerarErroWindows(21);
    } catch (const EDiscoNaoPronto& e) {
        EXPECT_EQ(e.Mensagem(), L"O disco não está pronto.");
    }
}

TEST(GerarErroWindows, OutOfMemoryIsTheRuntimesOwn) {
    EXPECT_THROW(GerarErroWindows(14), std::bad_alloc);
    EXPECT_FALSE(EhDoTipo<EErroKT>(ErroDoCodigo(14)));
}

TEST(GerarErroWindows, OtherCodesRaiseTheBaseWithAnEmptyMessage) {
    for (std::uint32_t codigo : {0u, 2u, 3u, 6u, 1223u, 0xFFFFFFFFu}) {
        const std::exception_ptr erro = ErroDoCodigo(codigo);
        try {
            std::rethrow_exception(erro);
        } catch (const EOperacaoEmArquivo& e) {
            EXPECT_EQ(e.Mensagem(), L"") << codigo;
        } catch (...) {
            ADD_FAILURE() << codigo << " raised something else";
        }
        for (const TCasoFamilia& caso : kFamilia)
            EXPECT_FALSE(caso.EhDaClasse(erro)) << codigo;
    }
}

// EscolherLinha: which report row a caught error gets.

TEST(EscolherLinha, EachFamilyMemberGetsItsStandardRow) {
    for (const TCasoFamilia& caso : kFamilia)
        EXPECT_EQ(EscolherLinha(ErroDoCodigo(caso.Codigo)), caso.Linha) << caso.Codigo;
}

TEST(EscolherLinha, OutOfMemoryGetsRowTen) {
    EXPECT_EQ(EscolherLinha(ErroDoCodigo(14)), kLinhaSemMemoria);
    EXPECT_EQ(EscolherLinha(Erro(std::bad_array_new_length())), kLinhaSemMemoria);
}

TEST(EscolherLinha, EverythingElseGetsRowEleven) {
    EXPECT_EQ(EscolherLinha(ErroDoCodigo(2)), kLinhaQualquer);
    EXPECT_EQ(EscolherLinha(Erro(EOperacaoEmArquivo(L"com mensagem"))), kLinhaQualquer);
    EXPECT_EQ(EscolherLinha(Erro(ECopiaDe())), kLinhaQualquer);
    EXPECT_EQ(EscolherLinha(Erro(EAlarme())), kLinhaQualquer);
    EXPECT_EQ(EscolherLinha(Erro(base::EAccessViolation())), kLinhaQualquer);
    EXPECT_EQ(EscolherLinha(Erro(base::EConvertError(L"x"))), kLinhaQualquer);
    EXPECT_EQ(EscolherLinha(Erro(std::runtime_error("x"))), kLinhaQualquer);
    EXPECT_EQ(EscolherLinha(Erro(42)), kLinhaQualquer);
    EXPECT_EQ(EscolherLinha(std::exception_ptr()), kLinhaQualquer);
}

TEST(EscolherLinha, TheCopyRoutinesRowsComeFirst) {
    EXPECT_EQ(EscolherLinha(Erro(ECopiaDe()), kLinhasCopia),
              (TLinhaRelatorio{ids::kCopiaImpossivel, ids::kCopiaSemOrigem}));
    EXPECT_EQ(EscolherLinha(Erro(EAlarme()), kLinhasCopia),
              (TLinhaRelatorio{ids::kCopiaImpossivel, ids::kCopiaSobreSiMesmo}));
    EXPECT_EQ(EscolherLinha(ErroDoCodigo(112), kLinhasCopia),
              (TLinhaRelatorio{ids::kDiscoCheio, ids::kDiscoCheioSolucao}));
    EXPECT_EQ(EscolherLinha(ErroDoCodigo(2), kLinhasCopia), kLinhaQualquer);
}

TEST(EscolherLinha, TheContainerChecksRowComesFirst) {
    EXPECT_EQ(EscolherLinha(Erro(base::EAccessViolation()), kLinhasConteiner),
              (TLinhaRelatorio{ids::kViolacaoDeAcesso, ids::kViolacaoDeAcessoSolucao}));
    EXPECT_EQ(EscolherLinha(ErroDoCodigo(5), kLinhasConteiner),
              (TLinhaRelatorio{ids::kAcessoNegado, ids::kAcessoNegadoSolucao}));
    EXPECT_EQ(EscolherLinha(ErroDoCodigo(14), kLinhasConteiner), kLinhaSemMemoria);
}

TEST(EscolherLinha, AnOwnRowThatMatchesAnythingHidesTheStandardTable) {
    EXPECT_EQ(EscolherLinha(ErroDoCodigo(112), kLinhasAtalho),
              (TLinhaRelatorio{ids::kAtalhoImpossivel, ids::kAtalhoSolucao}));
    EXPECT_EQ(EscolherLinha(ErroDoCodigo(14), kLinhasVersao),
              (TLinhaRelatorio{ids::kVersaoIlegivel, ids::kVersaoSolucao}));
}

TEST(EscolherLinha, TheFirstMatchingOwnRowWins) {
    const TLinhaPropria proprias[] = {
        {&EhDoTipo<EDiscoCheio>, {1, 2}},
        {&EhDoTipo<EOperacaoEmArquivo>, {3, 4}},
        {&EhDoTipo<EDiscoCheio>, {5, 6}},
    };
    EXPECT_EQ(EscolherLinha(ErroDoCodigo(112), proprias), (TLinhaRelatorio{1, 2}));
    EXPECT_EQ(EscolherLinha(ErroDoCodigo(19), proprias), (TLinhaRelatorio{3, 4}));
    EXPECT_EQ(EscolherLinha(ErroDoCodigo(14), proprias), kLinhaSemMemoria);
}

// The report's texts.

TEST(TextosDoRelatorio, RowElevenShowsTheLastErrorAsASignedNumber) {
    const std::wstring inicio = L"A Central de Soluções não pode resolver o problema. Entre em "
                                L"contado com o suporte do produto e relate-o. O número de erro "
                                L"retornado pelo Windows é ";
    const TTextosRelatorio textos = TextosDoRelatorio(ErroDoCodigo(2), 2);
    EXPECT_EQ(textos.Problema, L"Erro de I/O inexperado.");
    EXPECT_EQ(textos.Solucao, inicio + L"2.");
    EXPECT_EQ(TextosDoRelatorio(ErroDoCodigo(2), 0xFFFFFFFF).Solucao, inicio + L"-1.");
    EXPECT_EQ(TextosDoRelatorio(ErroDoCodigo(2), 0x80000000).Solucao, inicio + L"-2147483648.");
    EXPECT_EQ(TextosDoRelatorio(ErroDoCodigo(2), 0x7FFFFFFF).Solucao, inicio + L"2147483647.");
    EXPECT_EQ(TextosDoRelatorio(Erro(std::runtime_error("x")), 0).Solucao, inicio + L"0.");
}

TEST(TextosDoRelatorio, OtherRowsShowTheirTextsAsTheyAre) {
    const TTextosRelatorio textos = TextosDoRelatorio(ErroDoCodigo(32), 32);
    EXPECT_EQ(textos.Problema, L"Violação de compartilhamento.");
    EXPECT_EQ(textos.Solucao,
              L"Feche outros programas que possam estar bloqueando o acesso ao arquivo.");

    const TTextosRelatorio copia = TextosDoRelatorio(Erro(EAlarme()), 5, kLinhasCopia);
    EXPECT_EQ(copia.Problema, L"Não é possivel copiar o arquivo.");
    EXPECT_EQ(copia.Solucao, TextoFramework(ids::kCopiaSobreSiMesmo));
}

TEST(ComporRelatorio, TheProblemIsCutTo255AndTheSolutionIsNot) {
    const std::wstring problema(300, L'p');
    const std::wstring solucao(1000, L's');
    const TTextosRelatorio textos = ComporRelatorio(problema, solucao, 0);
    EXPECT_EQ(textos.Problema, std::wstring(255, L'p'));
    EXPECT_EQ(textos.Solucao, solucao);
    EXPECT_EQ(ComporRelatorio(std::wstring(255, L'q'), L"", 0).Problema, std::wstring(255, L'q'));
}

TEST(ComporRelatorio, OnlyTheFirstNumberMarkIsReplaced) {
    EXPECT_EQ(ComporRelatorio(L"p", L"código %d; %d%%", 5).Solucao, L"código 5; %d%%");
    EXPECT_EQ(ComporRelatorio(L"p %d", L"sem marca", 5).Problema, L"p %d");
}
