// A robot that answers the Solutions Center as a user would: while the main thread runs an action
// that may show reports, another thread reads each report that appears and closes it with
// "&Continuar".
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace teste {

// What a report showed, read from its window while it was on screen.
struct TRelatorioVisto {
    HWND Janela = nullptr;
    std::wstring Titulo;
    std::wstring Cabecalho;
    std::wstring Programa;
    std::wstring Modulo;
    std::wstring Problema;
    std::wstring Arquivos;
    std::wstring Solucao;
    std::wstring Continuar;
    std::wstring Ajuda;
    bool AjudaHabilitada = false;
    bool SobreHabilitado = false;
};

// A line of a report as its label shows it: the prefix text (a string-table id) and the value.
std::wstring Linha(int prefixo, std::wstring_view valor);

// The report on screen, read from its window.
TRelatorioVisto LerRelatorio(HWND janela);
// Closes the report on screen with "&Continuar", as the user would.
void Continuar(HWND janela);

// Runs the action on this thread, the one that owns the Solutions Center. Each report that the
// action shows is read, handed to aoVer (which runs on the robot's thread, with the report still
// on screen) and closed with "&Continuar". Returns the reports seen, in order.
std::vector<TRelatorioVisto> ComRobo(const std::function<void()>& acao,
                                     const std::function<void(const TRelatorioVisto&)>& aoVer = {});

} // namespace teste
