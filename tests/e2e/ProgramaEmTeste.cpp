#include "tests/e2e/ProgramaEmTeste.h"

#include "core/formularios/TextosAssistente.h"
#include "resources/AssistenteIds.h"
#include "tests/unit/PastaTemporaria.h"
#include "tests/win/comum/Captura.h"

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <utility>
#include <vector>

namespace e2e {
namespace {

constexpr Prazo kPrazoDeInicio = 30s;

constexpr int kCenas[] = {IDC_cenaIniciar, IDC_cenaConfigurar, IDC_cenaDesinstalar, IDC_cenaLicenca,
                          IDC_cenaOpcoes,  IDC_cenaOQue,       IDC_cenaInstala,     IDC_cenaSobre};

std::wstring NomeDoTeste() {
    const auto* teste = testing::UnitTest::GetInstance()->current_test_info();
    const std::string nome = std::string(teste->test_suite_name()) + "." + teste->name();
    return std::wstring(nome.begin(), nome.end());
}

} // namespace

std::wstring PastaDosProgramas() {
    wchar_t pasta[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"KT_PROGRAMAS", pasta, MAX_PATH) == 0)
        throw std::runtime_error("KT_PROGRAMAS não diz onde estão os programas em teste");
    return pasta;
}

std::wstring PastaDoTeste() {
    return L"C:\\e2e\\" + NomeDoTeste() + L"\\";
}

std::wstring PastaAoLado(const std::wstring& nome) {
    const std::wstring pasta = PastaDoTeste();
    return pasta.substr(0, pasta.size() - 1) + L"." + nome + L"\\";
}

ProgramaEmTeste::ProgramaEmTeste(const std::wstring& programa, const std::wstring& subpasta)
    : programa_(programa), pasta_(PastaDoTeste() + (subpasta.empty() ? L"" : subpasta + L"\\")) {
    // What an earlier run left, read-only files included.
    RemoverPasta(PastaDoTeste());
    std::filesystem::create_directories(pasta_);
    const std::wstring origem = PastaDosProgramas() + L"\\" + programa;
    if (!CopyFileW(origem.c_str(), (pasta_ + programa).c_str(), FALSE))
        throw std::runtime_error("não foi possível copiar o programa em teste");
}

ProgramaEmTeste::ProgramaEmTeste(const std::wstring& programa, const Instalado& instalado)
    : programa_(programa), pasta_(instalado.Pasta) {}

ProgramaEmTeste::~ProgramaEmTeste() {
    if (processoAberto_ && WaitForSingleObject(processoAberto_.Get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(processoAberto_.Get(), 1);
        WaitForSingleObject(processoAberto_.Get(), 5000);
    }
}

void ProgramaEmTeste::Renomear(const std::wstring& nome) {
    if (!MoveFileW(Caminho().c_str(), (pasta_ + nome).c_str()))
        throw std::runtime_error("não foi possível renomear o programa em teste");
    programa_ = nome;
}

void ProgramaEmTeste::CriarArquivo(const std::wstring& nome, const std::string& conteudo) const {
    std::ofstream arquivo(std::filesystem::path(pasta_ + nome), std::ios::binary);
    arquivo << conteudo;
}

void ProgramaEmTeste::Iniciar(const std::wstring& diretorioDeTrabalho) {
    const std::wstring caminho = Caminho();
    std::wstring linha = L"\"" + caminho + L"\"";
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    PROCESS_INFORMATION processo{};
    const std::wstring diretorio = diretorioDeTrabalho.empty() ? pasta_ : diretorioDeTrabalho;
    if (!CreateProcessW(caminho.c_str(), linha.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        diretorio.c_str(), &inicio, &processo))
        throw std::runtime_error("não foi possível iniciar o programa em teste");
    CloseHandle(processo.hThread);
    processoAberto_.Reset(processo.hProcess);
    processo_ = processo.dwProcessId;
}

HWND ProgramaEmTeste::EsperarJanela(const std::wstring& titulo) {
    janela_ = teste::EsperarJanela(processo_, titulo, kPrazoDeInicio);
    return janela_;
}

HWND ProgramaEmTeste::EsperarAssistente(const std::wstring& titulo) {
    if (!EsperarJanela(titulo) || !EsperarCena(IDC_cenaConfigurar, kPrazoDeInicio))
        return nullptr;
    return janela_;
}

bool ProgramaEmTeste::EsperarCena(int cena, Prazo prazo) const {
    return teste::EsperarAte([&] { return CenaVisivel() == cena; }, prazo);
}

int ProgramaEmTeste::CenaVisivel() const {
    for (int cena : kCenas)
        if (teste::Visivel(Controle(cena)))
            return cena;
    return 0;
}

HWND ProgramaEmTeste::EsperarCaixa(const std::wstring& titulo, Prazo prazo) const {
    return teste::EsperarJanela(processo_, titulo, prazo);
}

bool ProgramaEmTeste::HaJanela(const std::wstring& titulo) const {
    for (HWND janela : teste::JanelasDoProcesso(processo_))
        if (teste::Visivel(janela) && teste::Texto(janela) == titulo)
            return true;
    return false;
}

bool ProgramaEmTeste::FecharConfirmando() const {
    FecharJanela();
    if (HWND pergunta = EsperarCaixa(kt::textos_assistente::kConfirmacao))
        teste::Responder(pergunta, IDYES);
    DWORD codigo = 1;
    return EsperarFim(codigo);
}

bool ProgramaEmTeste::Instalar(const std::wstring& diretorio) {
    Clicar(IDC_botaoInstalar);
    if (!EsperarCena(IDC_cenaOpcoes))
        return false;
    teste::DefinirTexto(Controle(IDC_txtDir), diretorio);
    Clicar(IDC_botaoProsseguir);
    return EsperarCena(IDC_cenaInstala);
}

std::wstring ProgramaEmTeste::ResponderInformacao(Prazo prazo) {
    HWND mensagem = EsperarCaixa(kt::textos_assistente::kInformacao, prazo);
    if (!mensagem)
        return {};
    const std::wstring texto = teste::TextoDaMensagem(mensagem);
    teste::Responder(mensagem, IDOK);
    return texto;
}

namespace {

// Every thread of the process held while it lives, and let go (exactly those it held) after.
class TTarefasSeguras {
public:
    explicit TTarefasSeguras(DWORD processo) {
        const base::UniqueHandle fotografia(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
        THREADENTRY32 tarefa{};
        tarefa.dwSize = sizeof tarefa;
        for (BOOL ha = Thread32First(fotografia.Get(), &tarefa); ha;
             ha = Thread32Next(fotografia.Get(), &tarefa)) {
            if (tarefa.th32OwnerProcessID != processo)
                continue;
            base::UniqueHandle aberta(
                OpenThread(THREAD_SUSPEND_RESUME, FALSE, tarefa.th32ThreadID));
            if (aberta && SuspendThread(aberta.Get()) != static_cast<DWORD>(-1))
                seguras_.push_back(std::move(aberta));
        }
    }
    ~TTarefasSeguras() {
        for (const base::UniqueHandle& tarefa : seguras_)
            ResumeThread(tarefa.Get());
    }
    TTarefasSeguras(const TTarefasSeguras&) = delete;
    TTarefasSeguras& operator=(const TTarefasSeguras&) = delete;

private:
    std::vector<base::UniqueHandle> seguras_;
};

} // namespace

bool ProgramaEmTeste::MatarQuando(const std::function<bool()>& condicao, Prazo prazo) {
    const auto limite = std::chrono::steady_clock::now() + prazo;
    while (std::chrono::steady_clock::now() < limite) {
        if (condicao()) {
            const TTarefasSeguras seguras(processo_);
            if (condicao()) {
                TerminateProcess(processoAberto_.Get(), 1);
                WaitForSingleObject(processoAberto_.Get(), 5000);
                return true;
            }
        }
        Sleep(1);
    }
    return false;
}

bool ProgramaEmTeste::EsperarFim(DWORD& codigo, Prazo prazo) const {
    if (WaitForSingleObject(processoAberto_.Get(), static_cast<DWORD>(prazo.count())) !=
        WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(processoAberto_.Get(), &codigo) != FALSE;
}

void ProgramaEmTeste::Capturar(HWND janela, const std::wstring& passo) const {
    CapturarComo(janela, NomeDoTeste() + L"-" + passo);
}

void ProgramaEmTeste::CapturarComo(HWND janela, const std::wstring& nome) const {
    // Above the windows of tests running beside this one, which the screenshot would show.
    // The window itself above the wizard: a window that the wizard does not own (the Solutions
    // Center) would stay under it.
    for (HWND acima : {janela_, janela})
        SetWindowPos(acima, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    teste::Capturar(janela, nome);
}

} // namespace e2e
