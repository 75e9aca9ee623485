#include "tests/win/comum/Janelas.h"

#include "base/Owned.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
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

// A buffer in the address space of a window's process, for the list view messages that take a
// pointer: the pointer must be valid where the list view runs.
class MemoriaRemota {
public:
    MemoriaRemota(HWND janela, std::size_t tamanho) : tamanho_(tamanho) {
        DWORD processo = 0;
        GetWindowThreadProcessId(janela, &processo);
        processo_.Reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE,
                                    FALSE, processo));
        if (processo_)
            endereco_ = VirtualAllocEx(processo_.Get(), nullptr, tamanho, MEM_COMMIT | MEM_RESERVE,
                                       PAGE_READWRITE);
    }
    ~MemoriaRemota() {
        if (endereco_)
            VirtualFreeEx(processo_.Get(), endereco_, 0, MEM_RELEASE);
    }
    MemoriaRemota(const MemoriaRemota&) = delete;
    MemoriaRemota& operator=(const MemoriaRemota&) = delete;

    bool Valida() const { return endereco_ != nullptr; }
    void* Endereco(std::size_t deslocamento = 0) const {
        return static_cast<char*>(endereco_) + deslocamento;
    }
    void Escrever(const void* dados, std::size_t tamanho) const {
        WriteProcessMemory(processo_.Get(), endereco_, dados, tamanho, nullptr);
    }
    void Ler(std::size_t deslocamento, void* dados, std::size_t tamanho) const {
        ReadProcessMemory(processo_.Get(), Endereco(deslocamento), dados, tamanho, nullptr);
    }

private:
    base::UniqueHandle processo_;
    void* endereco_ = nullptr;
    std::size_t tamanho_;
};

LRESULT Enviar(HWND janela, UINT mensagem, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR resultado = 0;
    SendMessageTimeoutW(janela, mensagem, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &resultado);
    return static_cast<LRESULT>(resultado);
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

bool DaClasse(HWND janela, const wchar_t* classe) {
    return CompareStringOrdinal(Classe(janela).c_str(), -1, classe, -1, TRUE) == CSTR_EQUAL;
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

int ContarItens(HWND lista) {
    return static_cast<int>(Enviar(lista, LVM_GETITEMCOUNT, 0, 0));
}

std::wstring TextoDoItem(HWND lista, int item) {
    constexpr std::size_t kLetras = 260;
    MemoriaRemota memoria(lista, sizeof(LVITEMW) + kLetras * sizeof(wchar_t));
    if (!memoria.Valida())
        return {};
    LVITEMW pedido{};
    pedido.cchTextMax = kLetras;
    pedido.pszText = static_cast<wchar_t*>(memoria.Endereco(sizeof(LVITEMW)));
    memoria.Escrever(&pedido, sizeof pedido);
    const auto letras =
        static_cast<std::size_t>(Enviar(lista, LVM_GETITEMTEXTW, static_cast<WPARAM>(item),
                                        reinterpret_cast<LPARAM>(memoria.Endereco())));
    std::wstring texto(kLetras, L'\0');
    memoria.Ler(sizeof(LVITEMW), texto.data(), kLetras * sizeof(wchar_t));
    texto.resize(std::min(letras, kLetras - 1));
    return texto;
}

bool ItemMarcado(HWND lista, int item) {
    const auto estado = static_cast<UINT>(
        Enviar(lista, LVM_GETITEMSTATE, static_cast<WPARAM>(item), LVIS_STATEIMAGEMASK));
    // State image 2 is the checked box, 1 the empty one.
    return (estado >> 12) == 2;
}

RECT RetanguloDoItem(HWND lista, int item) {
    RECT retangulo{LVIR_BOUNDS, 0, 0, 0};
    MemoriaRemota memoria(lista, sizeof retangulo);
    if (!memoria.Valida())
        return {};
    memoria.Escrever(&retangulo, sizeof retangulo);
    Enviar(lista, LVM_GETITEMRECT, static_cast<WPARAM>(item),
           reinterpret_cast<LPARAM>(memoria.Endereco()));
    memoria.Ler(0, &retangulo, sizeof retangulo);
    return retangulo;
}

std::wstring TextoEscolhido(HWND caixaEx) {
    constexpr std::size_t kLetras = 260;
    const auto escolhido = static_cast<INT_PTR>(Enviar(caixaEx, CB_GETCURSEL, 0, 0));
    MemoriaRemota memoria(caixaEx, sizeof(COMBOBOXEXITEMW) + kLetras * sizeof(wchar_t));
    if (escolhido < 0 || !memoria.Valida())
        return {};
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT;
    item.iItem = escolhido;
    item.pszText = static_cast<wchar_t*>(memoria.Endereco(sizeof item));
    item.cchTextMax = kLetras;
    memoria.Escrever(&item, sizeof item);
    if (!Enviar(caixaEx, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(memoria.Endereco())))
        return {};
    std::wstring texto(kLetras, L'\0');
    memoria.Ler(sizeof item, texto.data(), kLetras * sizeof(wchar_t));
    return texto.c_str();
}

std::vector<TBotaoDaBarra> BotoesDaBarra(HWND barra) {
    constexpr std::size_t kLetras = 260;
    std::vector<TBotaoDaBarra> botoes;
    MemoriaRemota memoria(barra, sizeof(TBBUTTON) + kLetras * sizeof(wchar_t));
    if (!memoria.Valida())
        return botoes;
    const int quantos = static_cast<int>(Enviar(barra, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < quantos; ++i) {
        TBBUTTON botao{};
        Enviar(barra, TB_GETBUTTON, static_cast<WPARAM>(i),
               reinterpret_cast<LPARAM>(memoria.Endereco()));
        memoria.Ler(0, &botao, sizeof botao);
        if (botao.fsStyle & BTNS_SEP)
            continue;
        const auto letras = static_cast<std::size_t>(
            Enviar(barra, TB_GETBUTTONTEXTW, static_cast<WPARAM>(botao.idCommand),
                   reinterpret_cast<LPARAM>(memoria.Endereco(sizeof(TBBUTTON)))));
        std::wstring texto(kLetras, L'\0');
        memoria.Ler(sizeof(TBBUTTON), texto.data(), kLetras * sizeof(wchar_t));
        texto.resize(std::min(letras, kLetras - 1));
        const bool habilitado =
            Enviar(barra, TB_ISBUTTONENABLED, static_cast<WPARAM>(botao.idCommand), 0) != 0;
        botoes.push_back({botao.idCommand, texto, habilitado});
    }
    return botoes;
}

HWND Foco(HWND janela) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(janela, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

void Tecla(HWND janela, UINT tecla) {
    const UINT varredura = MapVirtualKeyW(tecla, MAPVK_VK_TO_VSC);
    PostMessageW(janela, WM_KEYDOWN, tecla, 1 | (varredura << 16));
    PostMessageW(janela, WM_KEYUP, tecla, 1 | (varredura << 16) | (3u << 30));
}

namespace {

INPUT Entrada(UINT tecla, bool solta) {
    INPUT entrada{};
    entrada.type = INPUT_KEYBOARD;
    entrada.ki.wVk = static_cast<WORD>(tecla);
    entrada.ki.wScan = static_cast<WORD>(MapVirtualKeyW(tecla, MAPVK_VK_TO_VSC));
    entrada.ki.dwFlags = solta ? KEYEVENTF_KEYUP : 0;
    return entrada;
}

void DigitarCom(UINT modificador, UINT tecla) {
    std::vector<INPUT> entradas;
    if (modificador)
        entradas.push_back(Entrada(modificador, false));
    entradas.push_back(Entrada(tecla, false));
    entradas.push_back(Entrada(tecla, true));
    if (modificador)
        entradas.push_back(Entrada(modificador, true));
    SendInput(static_cast<UINT>(entradas.size()), entradas.data(), sizeof(INPUT));
}

} // namespace

void Digitar(UINT tecla) {
    DigitarCom(0, tecla);
}

void DigitarComAlt(UINT tecla) {
    DigitarCom(VK_MENU, tecla);
}

void DigitarComShift(UINT tecla) {
    DigitarCom(VK_SHIFT, tecla);
}

void DigitarTexto(const std::wstring& texto) {
    std::vector<INPUT> entradas;
    for (wchar_t letra : texto)
        for (bool solta : {false, true}) {
            INPUT entrada{};
            entrada.type = INPUT_KEYBOARD;
            entrada.ki.wScan = letra;
            entrada.ki.dwFlags = KEYEVENTF_UNICODE | (solta ? KEYEVENTF_KEYUP : 0);
            entradas.push_back(entrada);
        }
    SendInput(static_cast<UINT>(entradas.size()), entradas.data(), sizeof(INPUT));
}

void ClicarEm(HWND janela, POINT ponto) {
    const LPARAM posicao = MAKELPARAM(ponto.x, ponto.y);
    PostMessageW(janela, WM_LBUTTONDOWN, MK_LBUTTON, posicao);
    PostMessageW(janela, WM_LBUTTONUP, 0, posicao);
}

void ClicarDuasVezesEm(HWND janela, POINT ponto) {
    ClicarEm(janela, ponto);
    const LPARAM posicao = MAKELPARAM(ponto.x, ponto.y);
    PostMessageW(janela, WM_LBUTTONDBLCLK, MK_LBUTTON, posicao);
    PostMessageW(janela, WM_LBUTTONUP, 0, posicao);
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
