// Pontilha.exe runs from a download folder next to whatever else was downloaded there. A DLL
// planted beside it under the name of a library that it loads at run time must not be loaded.
// The test first shows, with the same planted DLL, that a program without the defence does load
// it: Wine prefers its own built-in DLLs, and CTest runs this test with native-first loading for
// that library (WINEDLLOVERRIDES msftedit=n,b), without which the check would prove nothing.
#include "core/formularios/TextosAssistente.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/produtos/Produtos.h"

#include <gtest/gtest.h>

namespace {

using namespace e2e;
namespace textos = kt::textos_assistente;

const std::wstring kDllPlantada = L"kt_dll_plantada.dll";
const std::wstring kNomeDaBiblioteca = L"msftedit.dll";
const std::wstring kMarcador = L"dll-plantada-carregada.txt";

bool Existe(const std::wstring& caminho) {
    return GetFileAttributesW(caminho.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Plantar(const std::wstring& pasta) {
    return CopyFileW((PastaDosProgramas() + L"\\" + kDllPlantada).c_str(),
                     (pasta + kNomeDaBiblioteca).c_str(), FALSE) != FALSE;
}

// Runs the program without the defence in the folder and waits for it.
bool ExecutarSemDefesa(const std::wstring& pasta) {
    const std::wstring programa = pasta + L"SemDefesa.exe";
    if (!CopyFileW((PastaDosProgramas() + L"\\kt_prog_sem_defesa.exe").c_str(), programa.c_str(),
                   FALSE))
        return false;
    std::wstring linha = L"\"" + programa + L"\"";
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    PROCESS_INFORMATION processo{};
    if (!CreateProcessW(programa.c_str(), linha.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        pasta.c_str(), &inicio, &processo))
        return false;
    const ui::UniqueHandle aberto(processo.hProcess);
    CloseHandle(processo.hThread);
    return WaitForSingleObject(aberto.Get(), 30000) == WAIT_OBJECT_0;
}

TEST(CarregamentoSeguro, ADllPlantedBesideTheProgramIsNotLoaded) {
    ProgramaEmTeste pontilha(produtos::kPontilha);

    const std::wstring semDefesa = pontilha.Pasta() + L"sem-defesa\\";
    ASSERT_TRUE(CreateDirectoryW(semDefesa.c_str(), nullptr));
    ASSERT_TRUE(Plantar(semDefesa));
    ASSERT_TRUE(ExecutarSemDefesa(semDefesa));
    ASSERT_TRUE(Existe(semDefesa + kMarcador))
        << "without the defence the planted DLL is loaded: the check below would prove nothing";

    ASSERT_TRUE(Plantar(pontilha.Pasta()));
    pontilha.Iniciar();
    // By the operation page the program has made its windows, the rich-text box among them.
    ASSERT_TRUE(pontilha.EsperarAssistente(textos::kTituloDaJanela));
    EXPECT_FALSE(Existe(pontilha.Pasta() + kMarcador));
}

} // namespace
