// Pontilha.exe runs from a download folder next to whatever else was downloaded there. DLLs
// planted beside it under the names of the DLLs that it, or the system on its behalf, loads once
// it runs must never be loaded: not on its pages, not in a dialog, not during an installation.
// Each planted DLL leaves a marker when it is loaded (tests/e2e/plantada).
//
// Wine prefers its own built-in DLLs: CTest runs this test with native-first loading for the
// names that cmake/Windows.cmake lists (WINEDLLOVERRIDES), and the test plants exactly those. It
// first shows that a program without the defence does load every one of them, and that every DLL
// that Pontilha.exe preloads is among them; otherwise the check would prove nothing.
#include "core/formularios/TextosAssistente.h"
#include "dialogs/TextosDialogos.h"
#include "fileops/Texto.h"
#include "instalacao/TextosCopia.h"
#include "resources/AssistenteIds.h"
#include "tests/e2e/ProgramaEmTeste.h"
#include "tests/e2e/RastrosPontilha.h"
#include "tests/e2e/plantada/Marcador.h"
#include "tests/e2e/produtos/Produtos.h"
#include "tests/win/comum/RoboNavegador.h"
#include "ui/SystemLibraries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace e2e;
namespace textos = kt::textos_assistente;

const std::wstring kDllPlantada = L"kt_dll_plantada.dll";
const std::wstring kNativaPrimeiro = L"n,b";

std::wstring Minusculas(std::wstring texto) {
    std::transform(texto.begin(), texto.end(), texto.begin(), towlower);
    return texto;
}

// The DLLs that Wine loads native first ("nome,nome=n,b" among WINEDLLOVERRIDES' entries), as
// file names.
std::vector<std::wstring> DllsNativasPrimeiro() {
    std::vector<wchar_t> valor(32768);
    const DWORD tamanho = GetEnvironmentVariableW(L"WINEDLLOVERRIDES", valor.data(),
                                                  static_cast<DWORD>(valor.size()));
    const std::wstring sobreposicoes(valor.data(), tamanho < valor.size() ? tamanho : 0);
    std::vector<std::wstring> nomes;
    std::size_t inicio = 0;
    while (inicio <= sobreposicoes.size()) {
        const std::size_t fim = std::min(sobreposicoes.find(L';', inicio), sobreposicoes.size());
        const std::wstring entrada = sobreposicoes.substr(inicio, fim - inicio);
        const std::size_t igual = entrada.find(L'=');
        if (igual != entrada.npos && entrada.substr(igual + 1) == kNativaPrimeiro)
            for (std::size_t nome = 0; nome < igual;) {
                const std::size_t virgula = std::min(entrada.find(L',', nome), igual);
                nomes.push_back(Minusculas(entrada.substr(nome, virgula - nome)) + L".dll");
                nome = virgula + 1;
            }
        inicio = fim + 1;
    }
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

bool Plantar(const std::wstring& pasta, const std::vector<std::wstring>& nomes) {
    for (const std::wstring& nome : nomes)
        if (!CopyFileW((PastaDosProgramas() + L"\\" + kDllPlantada).c_str(), (pasta + nome).c_str(),
                       FALSE))
            return false;
    return true;
}

// The planted DLLs that left their marker in the folder.
std::vector<std::wstring> Carregadas(const std::wstring& pasta) {
    std::vector<std::wstring> nomes;
    WIN32_FIND_DATAW achado{};
    const std::wstring sufixo = plantada::kSufixoDoMarcador;
    const base::UniqueFind busca(FindFirstFileW((pasta + L"*" + sufixo).c_str(), &achado));
    if (!busca)
        return nomes;
    do {
        const std::wstring marcador = achado.cFileName;
        nomes.push_back(Minusculas(marcador.substr(0, marcador.size() - sufixo.size())));
    } while (FindNextFileW(busca.Get(), &achado));
    std::sort(nomes.begin(), nomes.end());
    return nomes;
}

std::wstring Lista(const std::vector<std::wstring>& nomes) {
    std::wstring lista;
    for (const std::wstring& nome : nomes)
        lista += (lista.empty() ? L"" : L" ") + nome;
    return lista;
}

// Runs the program without the defence in the folder, loading each of the names, and waits for it.
bool ExecutarSemDefesa(const std::wstring& pasta, const std::vector<std::wstring>& nomes) {
    const std::wstring programa = pasta + L"SemDefesa.exe";
    if (!CopyFileW((PastaDosProgramas() + L"\\kt_prog_sem_defesa.exe").c_str(), programa.c_str(),
                   FALSE))
        return false;
    std::wstring linha = L"\"" + programa + L"\" " + Lista(nomes);
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    PROCESS_INFORMATION processo{};
    if (!CreateProcessW(programa.c_str(), linha.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        pasta.c_str(), &inicio, &processo))
        return false;
    const base::UniqueHandle aberto(processo.hProcess);
    CloseHandle(processo.hThread);
    return WaitForSingleObject(aberto.Get(), 30000) == WAIT_OBJECT_0;
}

// The wizard's pages with the directory browser and its new-folder window, then an installation
// into the folder from its components page to its closing message. What an assertion stops stays
// stopped; the test reads the markers after.
void InstalarPercorrendo(ProgramaEmTeste& pontilha, const std::wstring& pasta) {
    pontilha.Iniciar();
    ASSERT_TRUE(pontilha.EsperarAssistente(textos::kTituloDaJanela));
    pontilha.Clicar(IDC_botaoInstalar);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaOpcoes));

    pontilha.Clicar(IDC_bitProcurar);
    HWND navegador = pontilha.EsperarCaixa(std::wstring(kt::textos_diretorios::kTituloPadrao));
    ASSERT_TRUE(navegador);
    ASSERT_TRUE(teste::CriarPastaNoNavegador(navegador, L"nova"));
    teste::PressionarCancelar(navegador);
    ASSERT_TRUE(teste::EsperarAte([&] { return !IsWindow(navegador); }));

    teste::DefinirTexto(pontilha.Controle(IDC_txtDir), pasta);
    pontilha.Clicar(IDC_chkAvancado);
    ASSERT_TRUE(teste::EsperarAte(
        [&] { return pontilha.Texto(IDC_botaoProsseguir) == textos::kContinuar; }));
    pontilha.Clicar(IDC_botaoProsseguir);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaOQue));
    pontilha.Clicar(IDC_botaoInstalarOQue);
    ASSERT_TRUE(pontilha.EsperarCena(IDC_cenaInstala));

    EXPECT_EQ(pontilha.ResponderInformacao(60s), kt::textos_copia::kSucesso);
    DWORD codigo = 1;
    ASSERT_TRUE(pontilha.EsperarFim(codigo, 30s));
}

TEST(CarregamentoSeguro, NoDllPlantedBesideTheProgramIsLoadedOnItsPagesInADialogOrInstalling) {
    const std::vector<std::wstring> plantadas = DllsNativasPrimeiro();
    ASSERT_FALSE(plantadas.empty()) << "no DLL is loaded native first: nothing would be planted";
    for (const wchar_t* precarregada : ui::kLibrariesLoadedOnOurBehalf)
        EXPECT_NE(std::find(plantadas.begin(), plantadas.end(), precarregada), plantadas.end())
            << "the program preloads " << kt::Utf8(precarregada) << ", which is not planted";

    ProgramaEmTeste pontilha(produtos::kPontilha);
    const std::wstring semDefesa = pontilha.Pasta() + L"sem-defesa\\";
    ASSERT_TRUE(CreateDirectoryW(semDefesa.c_str(), nullptr));
    ASSERT_TRUE(Plantar(semDefesa, plantadas));
    ASSERT_TRUE(ExecutarSemDefesa(semDefesa, plantadas));
    ASSERT_EQ(Lista(Carregadas(semDefesa)), Lista(plantadas))
        << "without the defence every planted DLL is loaded: the check below would prove nothing";

    ASSERT_TRUE(Plantar(pontilha.Pasta(), plantadas));
    const std::wstring instalado = PastaAoLado(L"instalado");
    LimparPontilha(instalado);
    InstalarPercorrendo(pontilha, instalado);
    EXPECT_EQ(Lista(Carregadas(pontilha.Pasta())), L"");
    LimparPontilha(instalado);
}

} // namespace
