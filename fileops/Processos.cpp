#include "fileops/Processos.h"

#include "base/Concat.h"
#include "fileops/Caminhos.h"
#include "fileops/Texto.h"
#include "ui/Application.h"

#include <vector>

namespace kt {

namespace {

constexpr DWORD kEntradaDePintura = QS_PAINT | QS_SENDMESSAGE;
constexpr DWORD kTodaEntrada = QS_KEY | QS_MOUSEMOVE | QS_MOUSEBUTTON | QS_POSTMESSAGE | QS_TIMER |
                               QS_PAINT | QS_SENDMESSAGE | QS_HOTKEY;
static_assert(kEntradaDePintura == 0x60 && kTodaEntrada == 0xFF);

DWORD MascaraDe(std::int32_t modo) {
    switch (modo) {
    case kEsperaProcessandoTudo:
        return kTodaEntrada;
    case kEsperaPintando:
        return kEntradaDePintura;
    default:
        return 0;
    }
}

void TratarEntrada(std::int32_t modo) {
    if (modo == kEsperaProcessandoTudo)
        ui::Application::ProcessMessages();
    else
        ui::Application::ProcessPaintMessages();
}

} // namespace

bool EsperarObjetos(const HANDLE* handles, std::uint32_t indiceUltimo, std::int32_t modo,
                    std::uint32_t tempoLimite) {
    const DWORD quantos = indiceUltimo + 1;
    const DWORD mascara = MascaraDe(modo);
    for (;;) {
        // MWMO_INPUTAVAILABLE: a plain wait wakes only for input that came since the queue was
        // last looked at, and would sleep through a step that another thread handed over before.
        const DWORD espera = MsgWaitForMultipleObjectsEx(quantos, handles, tempoLimite, mascara,
                                                         MWMO_INPUTAVAILABLE);
        if (espera == WAIT_FAILED)
            return false;
        // Any of the handles, also one that a dying owner left abandoned, ends the wait.
        if (espera < WAIT_OBJECT_0 + quantos || espera == WAIT_TIMEOUT ||
            (espera >= WAIT_ABANDONED_0 && espera < WAIT_ABANDONED_0 + quantos))
            return true;
        if (espera == WAIT_OBJECT_0 + quantos && mascara != 0)
            TratarEntrada(modo);
    }
}

std::wstring LinhaDeComando(std::wstring_view programa, std::wstring_view parametros) {
    const bool aspas =
        programa.find(L' ') != std::wstring_view::npos && !programa.starts_with(L'"');
    return aspas ? base::Concat({L"\"", programa, L"\"", parametros})
                 : base::Concat({programa, parametros});
}

std::optional<TProcessoIniciado> IniciarProcesso(const std::wstring& linhaDeComando,
                                                 std::uint16_t exibicao, DWORD criacao,
                                                 const std::wstring& pasta,
                                                 const std::wstring& aplicativo) {
    // CreateProcessW may write into the command line, so it gets a buffer of its own.
    std::vector<wchar_t> linha(linhaDeComando.begin(), linhaDeComando.end());
    linha.push_back(L'\0');
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    inicio.dwFlags = STARTF_USESHOWWINDOW;
    inicio.wShowWindow = exibicao;
    PROCESS_INFORMATION processo{};
    if (!CreateProcessW(aplicativo.empty() ? nullptr : aplicativo.c_str(), linha.data(), nullptr,
                        nullptr, FALSE, criacao, nullptr, pasta.empty() ? nullptr : pasta.c_str(),
                        &inicio, &processo))
        return std::nullopt;
    return TProcessoIniciado{base::UniqueHandle(processo.hProcess),
                             base::UniqueHandle(processo.hThread)};
}

bool ExecutarEEsperar(std::wstring_view programa, std::wstring_view parametros,
                      std::uint16_t exibicao, std::int32_t modoEspera) {
    // A program's path is never cut: the cut one may name another program.
    if (programa.size() > kMaximoDoCaminho)
        return false;
    const std::optional<TProcessoIniciado> iniciado =
        IniciarProcesso(LinhaDeComando(programa, Curta(parametros)), exibicao,
                        CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS);
    if (!iniciado)
        return false;
    const HANDLE processo = iniciado->Processo.Get();
    return EsperarObjetos(&processo, 0, modoEspera, INFINITE);
}

bool ReiniciarComputador() {
    HANDLE token = nullptr;
    if (OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        const base::UniqueHandle dono(token);
        TOKEN_PRIVILEGES privilegio{};
        privilegio.PrivilegeCount = 1;
        privilegio.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        if (LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privilegio.Privileges[0].Luid))
            AdjustTokenPrivileges(token, FALSE, &privilegio, 0, nullptr, nullptr);
    }
    return ExitWindowsEx(EWX_REBOOT, 0) != FALSE;
}

} // namespace kt
