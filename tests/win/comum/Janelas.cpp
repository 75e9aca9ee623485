#include "tests/win/comum/Janelas.h"

#include <thread>

namespace teste {
namespace {

struct Busca {
    DWORD processo;
    std::vector<HWND> achadas;
};

BOOL CALLBACK ColetarDoProcesso(HWND janela, LPARAM dados) {
    auto* busca = reinterpret_cast<Busca*>(dados);
    DWORD dono = 0;
    GetWindowThreadProcessId(janela, &dono);
    if (busca->processo == 0 || dono == busca->processo)
        busca->achadas.push_back(janela);
    return TRUE;
}

BOOL CALLBACK Coletar(HWND janela, LPARAM dados) {
    reinterpret_cast<std::vector<HWND>*>(dados)->push_back(janela);
    return TRUE;
}

std::vector<HWND> Filhas(HWND raiz) {
    std::vector<HWND> filhas;
    EnumChildWindows(raiz, &Coletar, reinterpret_cast<LPARAM>(&filhas));
    return filhas;
}

HWND VisivelComTitulo(const std::vector<HWND>& janelas, const std::wstring& titulo) {
    for (HWND janela : janelas)
        if (IsWindowVisible(janela) && Texto(janela) == titulo)
            return janela;
    return nullptr;
}

} // namespace

bool EsperarAte(const std::function<bool()>& condicao, Prazo prazo) {
    const auto limite = std::chrono::steady_clock::now() + prazo;
    for (;;) {
        if (condicao())
            return true;
        if (std::chrono::steady_clock::now() >= limite)
            return false;
        std::this_thread::sleep_for(20ms);
    }
}

std::wstring Texto(HWND janela) {
    // WM_GETTEXT rather than GetWindowText, which does not read controls of other processes; with
    // a time limit, since the window's thread may be busy or hung.
    DWORD_PTR tamanho = 0;
    if (!SendMessageTimeoutW(janela, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &tamanho))
        return {};
    std::wstring texto(static_cast<std::size_t>(tamanho) + 1, L'\0');
    DWORD_PTR lidos = 0;
    if (!SendMessageTimeoutW(janela, WM_GETTEXT, texto.size(),
                             reinterpret_cast<LPARAM>(texto.data()), SMTO_ABORTIFHUNG, 2000,
                             &lidos))
        return {};
    texto.resize(static_cast<std::size_t>(lidos));
    return texto;
}

std::wstring Classe(HWND janela) {
    wchar_t nome[128] = {};
    GetClassNameW(janela, nome, 128);
    return nome;
}

bool Visivel(HWND janela) {
    return IsWindowVisible(janela) != FALSE;
}

bool Habilitado(HWND janela) {
    return IsWindowEnabled(janela) != FALSE;
}

std::vector<HWND> JanelasDoProcesso(DWORD processo) {
    Busca busca{processo, {}};
    EnumWindows(&ColetarDoProcesso, reinterpret_cast<LPARAM>(&busca));
    return busca.achadas;
}

std::vector<HWND> JanelasDaTarefa(DWORD tarefa) {
    std::vector<HWND> janelas;
    EnumThreadWindows(tarefa, &Coletar, reinterpret_cast<LPARAM>(&janelas));
    return janelas;
}

HWND EsperarJanela(DWORD processo, const std::wstring& titulo, Prazo prazo) {
    HWND achada = nullptr;
    EsperarAte([&] { return (achada = VisivelComTitulo(JanelasDoProcesso(processo), titulo)); },
               prazo);
    return achada;
}

HWND EsperarJanelaDaTarefa(DWORD tarefa, const std::wstring& titulo, Prazo prazo) {
    HWND achada = nullptr;
    EsperarAte([&] { return (achada = VisivelComTitulo(JanelasDaTarefa(tarefa), titulo)); }, prazo);
    return achada;
}

bool EsperarFechar(DWORD processo, const std::wstring& titulo, Prazo prazo) {
    return EsperarAte(
        [&] { return VisivelComTitulo(JanelasDoProcesso(processo), titulo) == nullptr; }, prazo);
}

HWND Controle(HWND raiz, int id) {
    for (HWND filha : Filhas(raiz))
        if (GetDlgCtrlID(filha) == id)
            return filha;
    return nullptr;
}

HWND ControlePorTexto(HWND raiz, const std::wstring& texto) {
    for (HWND filha : Filhas(raiz))
        if (Texto(filha) == texto)
            return filha;
    return nullptr;
}

std::wstring TextoDaMensagem(HWND caixa) {
    // The message text of a message box is the static control with id 0xFFFF.
    HWND estatico = GetDlgItem(caixa, 0xFFFF);
    return estatico ? Texto(estatico) : std::wstring();
}

void Responder(HWND caixa, int idBotao) {
    if (HWND botao = GetDlgItem(caixa, idBotao))
        Clicar(botao);
    else
        PostMessageW(caixa, WM_COMMAND, MAKEWPARAM(idBotao, BN_CLICKED), 0);
}

void Clicar(HWND botao) {
    PostMessageW(botao, BM_CLICK, 0, 0);
}

void Fechar(HWND janela) {
    PostMessageW(janela, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void DefinirTexto(HWND controle, const std::wstring& texto) {
    SendMessageTimeoutW(controle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texto.c_str()),
                        SMTO_ABORTIFHUNG, 5000, nullptr);
}

bool Marcado(HWND caixa) {
    return SendMessageW(caixa, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace teste
