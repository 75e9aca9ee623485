// The two Win32 checks: which values fail, and that a failure raises the family member of the
// thread's last Windows error code with its problem text.
#include "fileops/ErrosArquivo.h"
#include "fileops/TextosFramework.h"
#include "fileops/VerificacoesWin32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <exception>
#include <functional>
#include <new>

namespace {

using namespace kt;

// The class by a catch (the program has no run-time type information): each member of the
// family has its own problem text, the family's own class an empty one.
struct TCodigoEsperado {
    DWORD Codigo;
    bool (*DaClasse)(const std::exception_ptr&);
    int Problema; // 0: empty message
};

const TCodigoEsperado kCodigos[] = {
    {21, EhDoTipo<EDiscoNaoPronto>, ids::kDiscoNaoPronto},
    {5, EhDoTipo<EAcessoNegado>, ids::kAcessoNegado},
    {112, EhDoTipo<EDiscoCheio>, ids::kDiscoCheio},
    {19, EhDoTipo<EDiscoProtegido>, ids::kDiscoProtegido},
    {26, EhDoTipo<EDiscoNaoDOS>, ids::kDiscoNaoDOS},
    {183, EhDoTipo<EJaExiste>, ids::kJaExiste},
    {82, EhDoTipo<EImpossivelCriar>, ids::kImpossivelCriar},
    {32, EhDoTipo<EViolacaoCompartilhamento>, ids::kViolacaoCompartilhamento},
    {161, EhDoTipo<ECaminhoInvalido>, ids::kCaminhoInvalido},
    {0, EhDoTipo<EOperacaoEmArquivo>, 0},
    {2, EhDoTipo<EOperacaoEmArquivo>, 0},
    {3, EhDoTipo<EOperacaoEmArquivo>, 0},
};

struct TErroVisto {
    std::exception_ptr Erro;
    std::wstring Mensagem;
};

// Runs the check with the thread's last error set to the code, and tells what it raised.
TErroVisto Verificar(DWORD codigo, const std::function<void()>& verificacao) {
    TErroVisto visto;
    SetLastError(codigo);
    try {
        verificacao();
    } catch (const EErroKT& e) {
        visto = {std::current_exception(), e.Mensagem()};
    } catch (const std::bad_alloc&) {
        visto = {std::current_exception(), {}};
    }
    return visto;
}

const std::function<void()> kFalhas[] = {
    [] { VerificarHandle(std::uint32_t{0}); }, [] { VerificarHandle(std::uint32_t{0xFFFFFFFF}); },
    [] { VerificarHandle(HANDLE{nullptr}); },  [] { VerificarHandle(INVALID_HANDLE_VALUE); },
    [] { VerificarResultado(FALSE); },
};

TEST(VerificacoesWin32, AFailingValueRaisesTheMemberOfTheLastErrorWithItsProblemText) {
    for (const TCodigoEsperado& esperado : kCodigos) {
        for (const auto& falha : kFalhas) {
            const TErroVisto visto = Verificar(esperado.Codigo, falha);
            ASSERT_TRUE(visto.Erro) << esperado.Codigo;
            EXPECT_TRUE(esperado.DaClasse(visto.Erro)) << esperado.Codigo;
            EXPECT_EQ(visto.Mensagem,
                      esperado.Problema ? TextoFramework(esperado.Problema) : std::wstring_view())
                << esperado.Codigo;
            // Kept for the report, whatever the runtime does to the last error on the way.
            EXPECT_EQ(UltimoErroGerado(), esperado.Codigo);
        }
    }
}

TEST(VerificacoesWin32, OutOfMemoryIsTheRuntimesOwnError) {
    for (const auto& falha : kFalhas)
        EXPECT_TRUE(EhDoTipo<std::bad_alloc>(Verificar(14, falha).Erro));
}

TEST(VerificacoesWin32, EveryOtherValuePassesUnchanged) {
    for (std::uint32_t valor : {1u, 0xFFFFFFFEu, 0x12345678u}) {
        SetLastError(5);
        EXPECT_EQ(VerificarHandle(valor), valor);
    }
    HANDLE evento = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    EXPECT_EQ(VerificarHandle(evento), evento);
    CloseHandle(evento);
    for (BOOL resultado : {TRUE, static_cast<BOOL>(-1), static_cast<BOOL>(0xFFFFFFFE), 2}) {
        SetLastError(5);
        EXPECT_EQ(VerificarResultado(resultado), resultado);
    }
}

} // namespace
