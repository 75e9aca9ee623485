#include "tests/win/comum/RoboNavegador.h"

#include "dialogs/TextosDialogos.h"
#include "resources/AbrirDirIds.h"
#include "resources/NovaPastaIds.h"
#include "tests/win/comum/Janelas.h"

#include <algorithm>

namespace teste {

namespace {

HWND Lista(HWND navegador) {
    return Controle(navegador, IDC_Diretorios);
}

DWORD Tarefa(HWND navegador) {
    return GetWindowThreadProcessId(navegador, nullptr);
}

} // namespace

std::wstring CaminhoDoNavegador(HWND navegador) {
    return Texto(Controle(navegador, IDC_txtDiretorio));
}

std::vector<std::wstring> EntradasDoNavegador(HWND navegador) {
    std::vector<std::wstring> entradas;
    for (int i = 0; i < ContarItens(Lista(navegador)); ++i)
        entradas.push_back(TextoDoItem(Lista(navegador), i));
    return entradas;
}

int EntradaDoNavegador(HWND navegador, const std::wstring& texto) {
    const auto entradas = EntradasDoNavegador(navegador);
    const auto achada = std::find(entradas.begin(), entradas.end(), texto);
    return achada == entradas.end() ? -1 : static_cast<int>(achada - entradas.begin());
}

POINT MeioDaEntrada(HWND navegador, int entrada) {
    const RECT r = RetanguloDoItem(Lista(navegador), entrada);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool AbrirEntrada(HWND navegador, const std::wstring& texto) {
    const int entrada = EntradaDoNavegador(navegador, texto);
    if (entrada < 0)
        return false;
    ClicarDuasVezesEm(Lista(navegador), MeioDaEntrada(navegador, entrada));
    return EsperarAte([&] {
        const std::wstring caminho = CaminhoDoNavegador(navegador);
        return caminho.size() > texto.size() && caminho.ends_with(L"\\" + texto);
    });
}

HWND MenuNaTela(HWND navegador) {
    HWND menu = nullptr;
    EsperarAte([&] {
        for (HWND h : JanelasDaTarefa(Tarefa(navegador)))
            if (Visivel(h) && Classe(h) == L"#32768")
                menu = h;
        return menu != nullptr;
    });
    return menu;
}

HWND AbrirMenuDaLista(HWND navegador) {
    SendMessageW(navegador, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Lista(navegador)), TRUE);
    Tecla(Lista(navegador), VK_APPS);
    return MenuNaTela(navegador);
}

bool CriarPastaNoNavegador(HWND navegador, const std::wstring& nome) {
    HWND menu = AbrirMenuDaLista(navegador);
    if (!menu)
        return false;
    // "&Nova Pasta" is the menu's first item.
    Tecla(menu, VK_DOWN);
    Tecla(menu, VK_RETURN);
    HWND nova = EsperarJanelaDaTarefa(Tarefa(navegador),
                                      std::wstring(kt::textos_diretorios::kTituloNovaPasta));
    if (!nova)
        return false;
    DefinirTexto(Controle(nova, IDC_txtNome), nome);
    Clicar(Controle(nova, IDC_bitCriar));
    return EsperarAte([&] { return EntradaDoNavegador(navegador, nome) >= 0; });
}

void DigitarCaminho(HWND navegador, const std::wstring& caminho) {
    DefinirTexto(Controle(navegador, IDC_txtDiretorio), caminho);
}

HWND AbrirNovaPasta(HWND navegador) {
    // What a click on the toolbar's button sends the browser.
    PostMessageW(navegador, WM_COMMAND, MAKEWPARAM(IDC_ToolButton3, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Controle(navegador, IDC_BarraFerramentas)));
    return EsperarJanelaDaTarefa(Tarefa(navegador),
                                 std::wstring(kt::textos_diretorios::kTituloNovaPasta));
}

void CancelarNovaPasta(HWND novaPasta) {
    Clicar(Controle(novaPasta, IDC_bitCancelar));
    EsperarAte([&] { return !Visivel(novaPasta); });
}

void PressionarAbrir(HWND navegador) {
    Clicar(Controle(navegador, IDC_bitAbrir));
}

void PressionarCancelar(HWND navegador) {
    Clicar(Controle(navegador, IDC_bitCancelar));
}

} // namespace teste
