// What a screen reader reads of the windows that the real program shows only when a copy runs
// into trouble (an existing file, a missing disk, a missing file), and of the copying and uninstall
// pages (with the gauges' values): read
// through oleacc from the robot's thread, as a reader reads them. The end-to-end tests read the
// windows that the real program shows on its way. What each window reads is printed.
#include "tests/win/acesso/CadaJanela.h"
#include "tests/win/comum/Leitura.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>

namespace {

using namespace teste;

void ConferirLeitura(HWND janela, const std::wstring& nome) {
    const std::string qual(nome.begin(), nome.end());
    const TLeitura leitura = LerJanela(janela);
    std::printf("--- %s\n%s", qual.c_str(), Descrever(leitura).c_str());
    std::fflush(stdout);
    for (const std::string& falha : Falhas(leitura))
        ADD_FAILURE() << qual << ": " << falha;
}

TEST(Leitura, TheCopysQuestions) {
    const std::set<std::wstring> lidas = {L"sobrescrever", L"inserir-disco", L"encontrar"};
    MostrarCadaDialogo([&](HWND janela, const std::wstring& nome) {
        if (lidas.count(nome))
            ConferirLeitura(janela, nome);
    });
}

TEST(Leitura, TheCopyingAndUninstallPages) {
    MostrarCadaCena([](HWND janela, const std::wstring& nome) {
        if (nome == L"cenaInstala" || nome == L"cenaDesinstalar")
            ConferirLeitura(janela, nome);
    });
}

} // namespace
