// The file-operation error family and the choice of a Solutions Center report for a caught error.
//
// How it works: every failing Windows call of a framework operation becomes one of these errors
// through GerarErroWindows (the Win32 checks read the thread's last error code and call it). The
// operation catches every error at its own boundary, picks the report row with EscolherLinha
// (its own rows first, then the standard table) and composes the report's texts with
// TextosDoRelatorio before it shows the report and returns its failure result.
#pragma once

#include "fileops/Erro.h"
#include "fileops/TextosFramework.h"

#include <array>
#include <cstdint>
#include <exception>
#include <span>
#include <string>
#include <string_view>

namespace kt {

// A Windows error code without a class of its own; the message is empty.
class EOperacaoEmArquivo : public EErroKT {
public:
    using EErroKT::EErroKT;
};

class EDiscoNaoPronto : public EOperacaoEmArquivo {
public:
    using EOperacaoEmArquivo::EOperacaoEmArquivo;
};

class EAcessoNegado : public EOperacaoEmArquivo {
public:
    using EOperacaoEmArquivo::EOperacaoEmArquivo;
};

class EDiscoCheio : public EOperacaoEmArquivo {
public:
    using EOperacaoEmArquivo::EOperacaoEmArquivo;
};

class EDiscoProtegido : public EOperacaoEmArquivo {
public:
    using EOperacaoEmArquivo::EOperacaoEmArquivo;
};

class EDiscoNaoDOS : public EOperacaoEmArquivo {
public:
    using EOperacaoEmArquivo::EOperacaoEmArquivo;
};

class EJaExiste : public EOperacaoEmArquivo {
public:
    using EOperacaoEmArquivo::EOperacaoEmArquivo;
};

class EImpossivelCriar : public EOperacaoEmArquivo {
public:
    using EOperacaoEmArquivo::EOperacaoEmArquivo;
};

class EViolacaoCompartilhamento : public EOperacaoEmArquivo {
public:
    using EOperacaoEmArquivo::EOperacaoEmArquivo;
};

class ECaminhoInvalido : public EOperacaoEmArquivo {
public:
    using EOperacaoEmArquivo::EOperacaoEmArquivo;
};

// The copy routine finds no source file.
class ECopiaDe : public EErroKT {
public:
    using EErroKT::EErroKT;
};

// The copy routine is asked to copy a file onto itself.
class EAlarme : public EErroKT {
public:
    using EErroKT::EErroKT;
};

// The Windows error codes that have a class of their own, and the one that means out of memory.
namespace erro_windows {
inline constexpr std::uint32_t kAcessoNegado = 5;
inline constexpr std::uint32_t kSemMemoria = 14;
inline constexpr std::uint32_t kDiscoProtegido = 19;
inline constexpr std::uint32_t kDiscoNaoPronto = 21;
inline constexpr std::uint32_t kDiscoNaoDOS = 26;
inline constexpr std::uint32_t kViolacaoCompartilhamento = 32;
inline constexpr std::uint32_t kImpossivelCriar = 82;
inline constexpr std::uint32_t kDiscoCheio = 112;
inline constexpr std::uint32_t kCaminhoInvalido = 161;
inline constexpr std::uint32_t kJaExiste = 183;
} // namespace erro_windows

// Raises the error of a Windows error code, with its problem text as message: a member of the
// family, std::bad_alloc for 14, or EOperacaoEmArquivo with an empty message for any other code.
[[noreturn]] void GerarErroWindows(std::uint32_t codigo);

// The problem and solution texts of a report, as string-table ids.
struct TLinhaRelatorio {
    int Problema;
    int Solucao;

    friend bool operator==(const TLinhaRelatorio&, const TLinhaRelatorio&) = default;
};

// A report row with the test that decides whether it matches a caught error.
struct TLinhaPropria {
    bool (*Casa)(const std::exception_ptr& erro);
    TLinhaRelatorio Linha;
};

// Matches an error of class E or derived from it.
template <class E>
bool EhDoTipo(const std::exception_ptr& erro) {
    if (!erro)
        return false;
    try {
        std::rethrow_exception(erro);
    } catch (const E&) {
        return true;
    } catch (...) {
        return false;
    }
}

// Matches every error, whatever its kind.
inline bool QualquerErro(const std::exception_ptr&) {
    return true;
}

// Rows 1 to 11 of the standard report table, tried in this order; the last matches anything.
extern const std::array<TLinhaPropria, 11> kTabelaPadrao;

// The copy routine's own rows: no source file, and a file copied onto itself.
inline constexpr std::array<TLinhaPropria, 2> kLinhasCopia = {{
    {&EhDoTipo<ECopiaDe>, {ids::kCopiaImpossivel, ids::kCopiaSemOrigem}},
    {&EhDoTipo<EAlarme>, {ids::kCopiaImpossivel, ids::kCopiaSobreSiMesmo}},
}};

// The shell services' single rows: every error of theirs gets the same report.
inline constexpr std::array<TLinhaPropria, 1> kLinhasAtalho = {{
    {&QualquerErro, {ids::kAtalhoImpossivel, ids::kAtalhoSolucao}},
}};
inline constexpr std::array<TLinhaPropria, 1> kLinhasVersao = {{
    {&QualquerErro, {ids::kVersaoIlegivel, ids::kVersaoSolucao}},
}};

// The first matching row: the operation's own rows in order, then the standard table.
TLinhaRelatorio EscolherLinha(const std::exception_ptr& erro,
                              std::span<const TLinhaPropria> proprias = {});

struct TTextosRelatorio {
    std::wstring Problema;
    std::wstring Solucao;
};

// A report's texts: the problem cut to 255 characters, and the solution with "%d" replaced by
// the Windows error code read as a signed decimal (0xFFFFFFFF gives -1).
TTextosRelatorio ComporRelatorio(std::wstring_view problema, std::wstring_view solucao,
                                 std::uint32_t ultimoErro);

// The texts of the row that EscolherLinha picks for the error.
TTextosRelatorio TextosDoRelatorio(const std::exception_ptr& erro, std::uint32_t ultimoErro,
                                   std::span<const TLinhaPropria> proprias = {});

} // namespace kt
