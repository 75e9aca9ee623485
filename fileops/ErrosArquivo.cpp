#include "fileops/ErrosArquivo.h"

#include "fileops/Texto.h"
#include "base/Decimal.h"

#include <algorithm>
#include <new>

namespace kt {

namespace {

template <class E>
[[noreturn]] void Lancar(std::wstring mensagem) {
    throw E(std::move(mensagem));
}

// A member of the family: the Windows code that raises it and the row that reports it.
struct TMembroFamilia {
    std::uint32_t Codigo;
    void (*Lancar)(std::wstring mensagem);
    TLinhaPropria Linha;
};

template <class E>
constexpr TMembroFamilia Membro(std::uint32_t codigo, int problema, int solucao) {
    return {codigo, &Lancar<E>, {&EhDoTipo<E>, {problema, solucao}}};
}

// In the order of the standard report table.
constexpr std::array kFamilia = {
    Membro<EDiscoNaoPronto>(erro_windows::kDiscoNaoPronto, ids::kDiscoNaoPronto,
                            ids::kDiscoNaoProntoSolucao),
    Membro<EAcessoNegado>(erro_windows::kAcessoNegado, ids::kAcessoNegado,
                          ids::kAcessoNegadoSolucao),
    Membro<EDiscoCheio>(erro_windows::kDiscoCheio, ids::kDiscoCheio, ids::kDiscoCheioSolucao),
    Membro<EDiscoProtegido>(erro_windows::kDiscoProtegido, ids::kDiscoProtegido,
                            ids::kDiscoProtegidoSolucao),
    Membro<EDiscoNaoDOS>(erro_windows::kDiscoNaoDOS, ids::kDiscoNaoDOS, ids::kDiscoNaoDOSSolucao),
    Membro<EJaExiste>(erro_windows::kJaExiste, ids::kJaExiste, ids::kJaExisteSolucao),
    Membro<EImpossivelCriar>(erro_windows::kImpossivelCriar, ids::kImpossivelCriar,
                             ids::kImpossivelCriarSolucao),
    Membro<EViolacaoCompartilhamento>(erro_windows::kViolacaoCompartilhamento,
                                      ids::kViolacaoCompartilhamento,
                                      ids::kViolacaoCompartilhamentoSolucao),
    Membro<ECaminhoInvalido>(erro_windows::kCaminhoInvalido, ids::kCaminhoInvalido,
                             ids::kCaminhoInvalidoSolucao),
};

// The family's rows, then out of memory, then the row that matches anything.
constexpr std::array<TLinhaPropria, 11> MontarTabelaPadrao() {
    static_assert(kFamilia.size() == 9);
    std::array<TLinhaPropria, 11> tabela{};
    for (std::size_t i = 0; i < kFamilia.size(); ++i)
        tabela[i] = kFamilia[i].Linha;
    tabela[9] = {&EhDoTipo<std::bad_alloc>, {ids::kSemMemoria, ids::kSemMemoriaSolucao}};
    tabela[10] = {&QualquerErro, {ids::kErroInesperado, ids::kErroInesperadoSolucao}};
    return tabela;
}

} // namespace

void GerarErroWindows(std::uint32_t codigo) {
    if (codigo == erro_windows::kSemMemoria)
        throw std::bad_alloc();
    for (const TMembroFamilia& membro : kFamilia) {
        if (membro.Codigo == codigo)
            membro.Lancar(std::wstring(TextoFramework(membro.Linha.Linha.Problema)));
    }
    throw EOperacaoEmArquivo();
}

const std::array<TLinhaPropria, 11> kTabelaPadrao = MontarTabelaPadrao();

TLinhaRelatorio EscolherLinha(const std::exception_ptr& erro,
                              std::span<const TLinhaPropria> proprias) {
    const auto casa = [&erro](const TLinhaPropria& linha) { return linha.Casa(erro); };
    if (const auto propria = std::ranges::find_if(proprias, casa); propria != proprias.end())
        return propria->Linha;
    // The standard table's last row matches anything, so a row is always found.
    return std::ranges::find_if(kTabelaPadrao, casa)->Linha;
}

TTextosRelatorio ComporRelatorio(std::wstring_view problema, std::wstring_view solucao,
                                 std::uint32_t ultimoErro) {
    TTextosRelatorio textos{Curta(problema), std::wstring(solucao)};
    const std::size_t marca = textos.Solucao.find(L"%d");
    if (marca != std::wstring::npos)
        textos.Solucao.replace(marca, 2, base::Decimal(static_cast<std::int32_t>(ultimoErro)));
    return textos;
}

TTextosRelatorio TextosDoRelatorio(const std::exception_ptr& erro, std::uint32_t ultimoErro,
                                   std::span<const TLinhaPropria> proprias) {
    const TLinhaRelatorio linha = EscolherLinha(erro, proprias);
    return ComporRelatorio(TextoFramework(linha.Problema), TextoFramework(linha.Solucao),
                           ultimoErro);
}

} // namespace kt
