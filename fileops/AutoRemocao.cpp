#include "fileops/AutoRemocao.h"

#include "base/Concat.h"
#include "fileops/Ansi.h"
#include "fileops/Caminhos.h"
#include "fileops/ErrosArquivo.h"
#include "fileops/LinhasAutoRemocao.h"
#include "fileops/PastasDoShell.h"
#include "fileops/Processos.h"
#include "fileops/VerificacoesWin32.h"
#include "ui/Application.h"
#include "base/Owned.h"

#include <windows.h>
#include <sddl.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kt {

namespace {

// Full control for SYSTEM and the Administrators, nothing for anybody else, nothing inherited.
constexpr const wchar_t* kSomenteAdministradores = L"D:P(A;;FA;;;SY)(A;;FA;;;BA)";
// GetTempFileName picks a free .tmp name; its .bat twin may be taken, then another name is tried.
constexpr int kTentativasDeNome = 16;

bool ProcessoElevado() {
    base::UniqueHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Put()))
        return false;
    TOKEN_ELEVATION elevacao{};
    DWORD tamanho = 0;
    return GetTokenInformation(token.Get(), TokenElevation, &elevacao, sizeof elevacao, &tamanho) &&
           elevacao.TokenIsElevated != 0;
}

class TDescritorDeSeguranca {
public:
    explicit TDescritorDeSeguranca(const wchar_t* sddl) {
        if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1,
                                                                  &descritor_, nullptr))
            GerarUltimoErroWindows();
    }
    ~TDescritorDeSeguranca() { LocalFree(descritor_); }
    TDescritorDeSeguranca(const TDescritorDeSeguranca&) = delete;
    TDescritorDeSeguranca& operator=(const TDescritorDeSeguranca&) = delete;

    SECURITY_ATTRIBUTES Atributos() const {
        return {sizeof(SECURITY_ATTRIBUTES), descritor_, FALSE};
    }

private:
    PSECURITY_DESCRIPTOR descritor_ = nullptr;
};

// The path as the batch can write it in the code page: as it is, or else its short form. Only an
// exact conversion will do: a replacement "?" in a del line is a wildcard and could name other
// files.
std::wstring CaminhoNaPagina(const std::wstring& caminho, UINT pagina) {
    if (NaPagina(caminho, pagina, true))
        return caminho;
    wchar_t curto[MAX_PATH] = {};
    const DWORD tamanho = GetShortPathNameW(caminho.c_str(), curto, MAX_PATH);
    if (tamanho > 0 && tamanho < MAX_PATH && NaPagina(curto, pagina, true))
        return curto;
    throw ECaminhoInvalido();
}

// The system directory without a trailing backslash: where cmd, chcp and ping are.
std::wstring DiretorioDoSistema() {
    wchar_t pasta[MAX_PATH] = {};
    const UINT tamanho = GetSystemDirectoryW(pasta, MAX_PATH);
    if (tamanho == 0 || tamanho >= MAX_PATH)
        GerarUltimoErroWindows();
    return SemDelimitador(pasta);
}

std::wstring ProprioExecutavel() {
    std::wstring caminho = ui::Application::ExePath();
    if (caminho.empty())
        GerarUltimoErroWindows();
    return caminho;
}

std::wstring ComExtensaoBat(const std::wstring& temporario) {
    const std::size_t ponto = temporario.rfind(L'.');
    const std::size_t barra = temporario.rfind(L'\\');
    const bool temExtensao =
        ponto != std::wstring::npos && (barra == std::wstring::npos || ponto > barra);
    const std::wstring semExtensao = temExtensao ? temporario.substr(0, ponto) : temporario;
    return (semExtensao + L".bat").substr(0, MAX_PATH);
}

struct TLoteCriado {
    std::wstring Nome;
    base::UniqueFile Arquivo;
};

// A new, empty batch file named as GetTempFileName names its files with the prefix "bat", the
// extension changed to ".bat". It is created new: a file of that name that somebody else left
// there is never written into.
TLoteCriado CriarLote(const std::wstring& pasta, SECURITY_ATTRIBUTES* seguranca) {
    for (int tentativa = 0; tentativa < kTentativasDeNome; ++tentativa) {
        wchar_t temporario[MAX_PATH] = {};
        VerificarHandle(
            static_cast<std::uint32_t>(GetTempFileNameW(pasta.c_str(), L"bat", 0, temporario)));
        TLoteCriado lote{ComExtensaoBat(temporario), {}};
        lote.Arquivo.Reset(CreateFileW(lote.Nome.c_str(), GENERIC_WRITE, 0, seguranca, CREATE_NEW,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        const DWORD erro = GetLastError();
        DeleteFileW(temporario);
        if (lote.Arquivo)
            return lote;
        if (erro != ERROR_FILE_EXISTS && erro != ERROR_ALREADY_EXISTS)
            GerarErroWindows(erro);
    }
    GerarErroWindows(ERROR_FILE_EXISTS);
}

// The batch's text in the console's (OEM) code page, in which cmd reads it. The executable's
// directory is left where it is one that the system names, even when the installation created it
// (a drive's root, Program Files itself, the desktop, made anew on a bare machine).
std::string TextoEmOEM(const std::wstring& nomeLote, bool removerPasta) {
    const UINT pagina = GetOEMCP();
    const std::wstring programa = ProprioExecutavel();
    const std::wstring executavel = CaminhoNaPagina(programa, pagina);
    const std::wstring lote = CaminhoNaPagina(nomeLote, pagina);
    const std::wstring sistema = CaminhoNaPagina(DiretorioDoSistema(), pagina);
    const bool removerDiretorio = removerPasta && !PastaDoSistema(std::wstring(PastaDe(programa)));
    const std::optional<std::string> texto = NaPagina(
        TextoDoLote(LinhasAutoRemocaoSegura({executavel, lote, sistema, pagina, removerDiretorio})),
        pagina, true);
    if (!texto)
        throw ECaminhoInvalido();
    return *texto;
}

void Gravar(TLoteCriado& lote, bool removerPasta) {
    const std::string texto = TextoEmOEM(lote.Nome, removerPasta);
    DWORD gravados = 0;
    VerificarResultado(WriteFile(lote.Arquivo.Get(), texto.data(), static_cast<DWORD>(texto.size()),
                                 &gravados, nullptr));
    if (gravados != texto.size())
        GerarErroWindows(ERROR_DISK_FULL);
    VerificarResultado(CloseHandle(lote.Arquivo.Release()));
}

// Writes the whole batch file and answers its name; a batch cut in the middle is deleted rather
// than left to run half a command.
std::wstring EscreverLote(const std::wstring& pasta, bool elevado, bool removerPasta) {
    if (pasta.empty())
        throw ECaminhoInvalido();
    std::optional<TDescritorDeSeguranca> somenteAdministradores;
    SECURITY_ATTRIBUTES atributos{};
    if (elevado) {
        somenteAdministradores.emplace(kSomenteAdministradores);
        atributos = somenteAdministradores->Atributos();
    }
    TLoteCriado lote = CriarLote(pasta, somenteAdministradores ? &atributos : nullptr);
    try {
        Gravar(lote, removerPasta);
    } catch (...) {
        lote.Arquivo.Reset();
        DeleteFileW(lote.Nome.c_str());
        throw;
    }
    return lote.Nome;
}

std::wstring PastaDoLote(bool elevado) {
    wchar_t pasta[MAX_PATH] = {};
    if (elevado) {
        const UINT tamanho = GetSystemWindowsDirectoryW(pasta, MAX_PATH);
        if (tamanho == 0 || tamanho >= MAX_PATH)
            return {};
        std::wstring sistema(pasta);
        if (!sistema.ends_with(L'\\'))
            sistema += L'\\';
        return sistema + L"Temp\\";
    }
    const DWORD tamanho = GetTempPathW(MAX_PATH, pasta);
    return tamanho == 0 || tamanho > MAX_PATH ? std::wstring() : std::wstring(pasta);
}

} // namespace

std::wstring PastaDoLoteDeRemocao() {
    return PastaDoLote(ProcessoElevado());
}

bool AutoRemover(bool removerPasta) {
    const bool elevado = ProcessoElevado();
    const std::wstring pasta = PastaDoLote(elevado);
    std::wstring lote;
    std::wstring sistema;
    try {
        sistema = DiretorioDoSistema();
        lote = EscreverLote(pasta, elevado, removerPasta);
    } catch (...) {
        return false;
    }
    // The documented way to run a batch: the command processor by its full path, as the
    // application too, so that nothing is looked for in a folder that others may write to; /d
    // skips the AutoRun commands of the registry; the quotes around the quoted name are the
    // ones that /c takes away.
    const std::wstring cmd = sistema + L"\\cmd.exe";
    IniciarProcesso(base::Concat({L"\"", cmd, L"\" /d /c \"\"", lote, L"\"\""}), SW_SHOWNORMAL,
                    NORMAL_PRIORITY_CLASS, sistema, cmd);
    return true;
}

} // namespace kt
