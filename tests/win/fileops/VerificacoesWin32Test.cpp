// The two Win32 checks: which values fail, and that a failure raises the family member of the
// thread's last Windows error code with its problem text.
#include "fileops/ErrosArquivo.h"
#include "fileops/TextosFramework.h"
#include "fileops/VerificacoesWin32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <typeindex>

namespace {

using namespace kt;

struct TCodigoEsperado {
    DWORD Codigo;
    std::type_index Classe;
    int Problema; // 0: empty message
};

const TCodigoEsperado kCodigos[] = {
    {21, typeid(EDiscoNaoPronto), ids::kDiscoNaoPronto},
    {5, typeid(EAcessoNegado), ids::kAcessoNegado},
    {112, typeid(EDiscoCheio), ids::kDiscoCheio},
    {19, typeid(EDiscoProtegido), ids::kDiscoProtegido},
    {26, typeid(EDiscoNaoDOS), ids::kDiscoNaoDOS},
    {183, typeid(EJaExiste), ids::kJaExiste},
    {82, typeid(EImpossivelCriar), ids::kImpossivelCriar},
    {32, typeid(EViolacaoCompartilhamento), ids::kViolacaoCompartilhamento},
    {161, typeid(ECaminhoInvalido), ids::kCaminhoInvalido},
    {0, typeid(EOperacaoEmArquivo), 0},
    {2, typeid(EOperacaoEmArquivo), 0},
    {3, typeid(EOperacaoEmArquivo), 0},
};

struct TErroVisto {
    bool Lancou = false;
    std::type_index Classe = typeid(void);
    std::wstring Mensagem;
};

// Runs the check with the thread's last error set to the code, and tells what it raised.
TErroVisto Verificar(DWORD codigo, const std::function<void()>& verificacao) {
    TErroVisto visto;
    SetLastError(codigo);
    try {
        verificacao();
    } catch (const EErroKT& e) {
        visto = {true, typeid(e), e.Mensagem()};
    } catch (const std::bad_alloc& e) {
        visto = {true, typeid(e), {}};
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
            ASSERT_TRUE(visto.Lancou) << esperado.Codigo;
            EXPECT_EQ(visto.Classe, esperado.Classe) << esperado.Codigo;
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
        EXPECT_EQ(Verificar(14, falha).Classe, std::type_index(typeid(std::bad_alloc)));
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
