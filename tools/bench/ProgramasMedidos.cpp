#include "tools/bench/ProgramasMedidos.h"

#include "core/formularios/TextosAssistente.h"
#include "resources/AssistenteIds.h"
#include "tools/bench/Estatistica.h"
#include "tests/win/comum/Janelas.h"

#include <stdexcept>

namespace kt::bench {
namespace {

// NSIS's own control ids (its resource.h): the button that goes on (Install, Uninstall, Close),
// the folder's edit box on the directory page and the progress bar of the progress page.
constexpr int kNsisAvancar = 1;
constexpr int kNsisPasta = 1019;
constexpr int kNsisProgresso = 1004;

// A visible top-level window of the process with the control visible inside it; of any process
// but this one when processo is 0.
HWND JanelaComControle(DWORD processo, int id) {
    for (HWND janela : teste::JanelasDoProcesso(processo)) {
        DWORD dono = 0;
        GetWindowThreadProcessId(janela, &dono);
        if (dono == GetCurrentProcessId() || !teste::Visivel(janela))
            continue;
        if (HWND controle = teste::Controle(janela, id); controle && teste::Visivel(controle))
            return janela;
    }
    return nullptr;
}

HWND Controle(DWORD processo, int id) {
    HWND janela = JanelaComControle(processo, id);
    return janela ? teste::Controle(janela, id) : nullptr;
}

// Our wizard's message boxes carry the caption "Informação"; its window carries another.
HWND Mensagem(DWORD processo) {
    for (HWND janela : teste::JanelasDoProcesso(processo))
        if (teste::Visivel(janela) && teste::Texto(janela) == textos_assistente::kInformacao)
            return janela;
    return nullptr;
}

bool EsperarControle(DWORD processo, int id) {
    return teste::EsperarAte([&] { return Controle(processo, id) != nullptr; });
}

} // namespace

TProcesso::TProcesso(const std::wstring& programa, bool rastrear) {
    const std::wstring pasta = programa.substr(0, programa.find_last_of(L'\\') + 1);
    std::wstring linha = L"\"" + programa + L"\"";
    // Wine reads its debug channels from the new process's environment: only this process is
    // traced, and the driver's own heap stays out of the count.
    wchar_t canais[256] = {};
    GetEnvironmentVariableW(L"WINEDEBUG", canais, 256);
    if (rastrear)
        SetEnvironmentVariableW(L"WINEDEBUG", L"-all,+heap,+win");
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    PROCESS_INFORMATION processo{};
    inicio_ = Agora();
    const BOOL iniciou = CreateProcessW(programa.c_str(), linha.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, pasta.c_str(), &inicio, &processo);
    SetEnvironmentVariableW(L"WINEDEBUG", canais);
    if (!iniciou)
        throw std::runtime_error("não iniciou o programa medido");
    CloseHandle(processo.hThread);
    processo_.Reset(processo.hProcess);
    id_ = processo.dwProcessId;
}

TProcesso::~TProcesso() {
    if (!EsperarFim(0))
        Terminar();
}

bool TProcesso::EsperarFim(DWORD milissegundos) const {
    return WaitForSingleObject(processo_.Get(), milissegundos) == WAIT_OBJECT_0;
}

void TProcesso::Terminar() const {
    TerminateProcess(processo_.Get(), 1);
    WaitForSingleObject(processo_.Get(), 5000);
}

bool TRoteiroNosso::PrimeiraPagina(DWORD processo) const {
    return Controle(processo, IDC_botaoInstalar) != nullptr;
}

// "Instalar / Reinstalar" leads, without a licence, to the options page, whose "Instalar" starts
// the copy unless the advanced options are checked (they are not by default).
bool TRoteiroNosso::PrepararInstalacao(DWORD processo, const std::wstring& destino) const {
    teste::Clicar(Controle(processo, IDC_botaoInstalar));
    if (!EsperarControle(processo, IDC_txtDir))
        return false;
    teste::DefinirTexto(Controle(processo, IDC_txtDir), destino);
    return EsperarControle(processo, IDC_botaoProsseguir);
}

void TRoteiroNosso::Instalar(DWORD processo) const {
    teste::Clicar(Controle(processo, IDC_botaoProsseguir));
}

bool TRoteiroNosso::InstalacaoTerminada(DWORD processo) const {
    return Mensagem(processo) != nullptr;
}

void TRoteiroNosso::Concluir(DWORD processo) const {
    teste::Responder(Mensagem(processo), IDOK);
}

// Run from the installation folder, the wizard offers "Desinstalar" on its operation page.
bool TRoteiroNosso::DesinstaladorPronto(DWORD processo) const {
    HWND botao = Controle(processo, IDC_botaoDesinstalar);
    return botao && teste::Habilitado(botao);
}

void TRoteiroNosso::Desinstalar(DWORD processo) const {
    teste::Clicar(Controle(processo, IDC_botaoDesinstalar));
}

// The closing message, which the self-removal follows once it is answered.
void TRoteiroNosso::AtenderDesinstalacao(DWORD processo) const {
    if (HWND mensagem = Mensagem(processo))
        teste::Responder(mensagem, IDOK);
}

bool TRoteiroNosso::DesinstaladorAberto(DWORD processo) const {
    for (HWND janela : teste::JanelasDoProcesso(processo))
        if (teste::Visivel(janela))
            return true;
    return false;
}

// The directory page: its folder box and its "Instalar" button.
bool TRoteiroNsis::PrimeiraPagina(DWORD processo) const {
    return Controle(processo, kNsisPasta) && Controle(processo, kNsisAvancar);
}

bool TRoteiroNsis::PrepararInstalacao(DWORD processo, const std::wstring& destino) const {
    teste::DefinirTexto(Controle(processo, kNsisPasta), destino);
    return true;
}

void TRoteiroNsis::Instalar(DWORD processo) const {
    teste::Clicar(Controle(processo, kNsisAvancar));
}

// The progress page with its button enabled again: NSIS has finished and offers to close.
bool TRoteiroNsis::InstalacaoTerminada(DWORD processo) const {
    HWND janela = JanelaComControle(processo, kNsisProgresso);
    return janela && teste::Habilitado(teste::Controle(janela, kNsisAvancar));
}

void TRoteiroNsis::Concluir(DWORD processo) const {
    teste::Clicar(teste::Controle(JanelaComControle(processo, kNsisProgresso), kNsisAvancar));
}

// NSIS's uninstaller copies itself into the temporary folder and runs from there, so its windows
// belong to another process than the one started.
bool TRoteiroNsis::DesinstaladorPronto(DWORD) const {
    HWND janela = JanelaComControle(0, kNsisAvancar);
    return janela && !teste::Controle(janela, kNsisProgresso) &&
           teste::Habilitado(teste::Controle(janela, kNsisAvancar));
}

void TRoteiroNsis::Desinstalar(DWORD) const {
    teste::Clicar(Controle(0, kNsisAvancar));
}

// The uninstaller's progress page, closed once its button is enabled again.
void TRoteiroNsis::AtenderDesinstalacao(DWORD) const {
    if (HWND janela = JanelaComControle(0, kNsisProgresso))
        if (HWND botao = teste::Controle(janela, kNsisAvancar); teste::Habilitado(botao))
            teste::Clicar(botao);
}

bool TRoteiroNsis::DesinstaladorAberto(DWORD) const {
    return JanelaComControle(0, kNsisAvancar) != nullptr;
}

} // namespace kt::bench
