#include "fileops/LinhasAutoRemocao.h"

#include "base/Concat.h"
#include "fileops/Caminhos.h"
#include "base/Decimal.h"

namespace kt {

namespace {

// In a batch file "%%" stands for one "%".
std::wstring SemExpansao(std::wstring_view caminho) {
    std::wstring resultado;
    for (wchar_t c : caminho) {
        resultado += c;
        if (c == L'%')
            resultado += L'%';
    }
    return resultado;
}

// A path as a line names it: quoted, its "%" doubled.
std::wstring Aspas(std::wstring_view caminho) {
    return base::Concat({L"\"", SemExpansao(caminho), L"\""});
}

} // namespace

std::vector<std::wstring> LinhasAutoRemocaoSegura(const TLoteDeRemocao& lote) {
    const std::wstring programa = Aspas(lote.Executavel);
    const std::wstring_view sistema = lote.PastaDoSistema;
    std::vector<std::wstring> linhas = {
        L"@echo off",
        base::Concat({Aspas(base::Concat({sistema, L"\\chcp.com"})), L" ",
                      base::Decimal(lote.PaginaDeCodigo), L">nul"}),
        L"set /a tentativas=0",
        L":loop",
        base::Concat({L"del /f ", programa}),
        base::Concat({L"if not exist ", programa, L" goto diretorios"}),
        L"set /a tentativas+=1",
        base::Concat(
            {L"if %tentativas% geq ", base::Decimal(kTentativasDeRemocao), L" goto diretorios"}),
        base::Concat({Aspas(base::Concat({sistema, L"\\ping.exe"})), L" -n 2 127.0.0.1>nul"}),
        L"goto loop",
        L":diretorios",
    };
    const std::wstring_view diretorio = PastaDe(lote.Executavel);
    if (lote.RemoverDiretorio && !diretorio.empty())
        linhas.push_back(base::Concat({L"rmdir ", Aspas(diretorio)}));
    linhas.push_back(L"cls");
    linhas.push_back(base::Concat({L"del ", Aspas(lote.Lote)}));
    return linhas;
}

std::wstring TextoDoLote(std::span<const std::wstring> linhas) {
    std::wstring texto;
    for (const std::wstring& linha : linhas)
        texto.append(linha).append(L"\r\n");
    return texto;
}

} // namespace kt
