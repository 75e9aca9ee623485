#include "fileops/LinhasAutoRemocao.h"

#include "fileops/Caminhos.h"
#include "ui/Decimal.h"

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
    return L"\"" + SemExpansao(caminho) + L"\"";
}

// The executable's directory, then each ancestor: cut the path just before its last backslash,
// and go on while that backslash stood after the third character. The last one is the bare
// drive (C: for a path on drive C).
std::vector<std::wstring_view> DiretoriosARemover(std::wstring_view executavel) {
    std::vector<std::wstring_view> diretorios;
    std::wstring_view atual = PastaDe(executavel);
    if (atual.empty())
        return diretorios;
    diretorios.push_back(atual);
    for (;;) {
        const std::size_t barra = atual.rfind(L'\\');
        if (barra == std::wstring_view::npos)
            break;
        atual = atual.substr(0, barra);
        diretorios.push_back(atual);
        if (barra + 1 <= 3)
            break;
    }
    return diretorios;
}

} // namespace

std::vector<std::wstring> LinhasAutoRemocaoSegura(std::wstring_view executavel,
                                                  std::wstring_view lote,
                                                  std::uint32_t paginaDeCodigo) {
    const std::wstring programa = Aspas(executavel);
    std::vector<std::wstring> linhas = {
        L"@echo off",
        L"chcp " + ui::Decimal(paginaDeCodigo) + L">nul",
        L"set /a tentativas=0",
        L":loop",
        L"del /f " + programa,
        L"if not exist " + programa + L" goto diretorios",
        L"set /a tentativas+=1",
        L"if %tentativas% geq " + ui::Decimal(kTentativasDeRemocao) + L" goto diretorios",
        L"ping -n 2 127.0.0.1>nul",
        L"goto loop",
        L":diretorios",
    };
    for (std::wstring_view diretorio : DiretoriosARemover(executavel))
        linhas.push_back(L"rmdir " + Aspas(diretorio));
    linhas.push_back(L"cls");
    linhas.push_back(L"del " + Aspas(lote));
    return linhas;
}

std::wstring TextoDoLote(std::span<const std::wstring> linhas) {
    std::wstring texto;
    for (const std::wstring& linha : linhas)
        texto += linha + L"\r\n";
    return texto;
}

} // namespace kt
