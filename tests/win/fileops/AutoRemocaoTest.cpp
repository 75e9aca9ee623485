// Self-removal for real: a test program copied into nested folders of the prefix starts, calls
// AutoRemover and ends; its batch file then removes the executable, the folder it emptied and
// itself, while the folder above it stays, empty as it is. A chcp and a ping planted in the
// batch's folder never run: a batch that calls them by bare name from there runs them.
#include "fileops/AutoRemocao.h"
#include "fileops/Texto.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/Janelas.h"
#include "base/Owned.h"

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <iostream>
#include <sstream>
#include <vector>

namespace {

using namespace std::chrono_literals;

std::vector<std::wstring> Linhas(const std::wstring& texto) {
    std::vector<std::wstring> linhas;
    std::wstringstream fluxo(texto);
    std::wstring linha;
    while (std::getline(fluxo, linha)) {
        if (!linha.empty() && linha.back() == L'\r')
            linha.pop_back();
        linhas.push_back(linha);
    }
    return linhas;
}

std::wstring DeOEM(const std::string& bytes) {
    const UINT pagina = GetOEMCP();
    const int tamanho = MultiByteToWideChar(pagina, MB_ERR_INVALID_CHARS, bytes.data(),
                                            static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring texto(static_cast<std::size_t>(tamanho), L'\0');
    MultiByteToWideChar(pagina, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                        texto.data(), tamanho);
    return texto;
}

// The long form of a path that the batch file names, for comparison with the real one.
std::wstring Longo(const std::wstring& caminho) {
    wchar_t longo[MAX_PATH] = {};
    GetLongPathNameW(caminho.c_str(), longo, MAX_PATH);
    return longo;
}

bool MesmoCaminho(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// The path inside the quotes of a batch line: del /f "C:\...\Remover.exe".
std::wstring EntreAspas(const std::wstring& linha) {
    const std::size_t abre = linha.find(L'"');
    const std::size_t fecha = linha.rfind(L'"');
    return abre == std::wstring::npos || fecha <= abre ? std::wstring()
                                                       : linha.substr(abre + 1, fecha - abre - 1);
}

bool ProtegidoParaAdministradores(const std::wstring& arquivo) {
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descritor = nullptr;
    if (GetNamedSecurityInfoW(arquivo.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, &dacl, nullptr, &descritor) != ERROR_SUCCESS)
        return false;
    SECURITY_DESCRIPTOR_CONTROL controle = 0;
    DWORD revisao = 0;
    GetSecurityDescriptorControl(descritor, &controle, &revisao);
    bool so = dacl && (controle & SE_DACL_PROTECTED) && dacl->AceCount == 2;
    for (DWORD i = 0; so && i < dacl->AceCount; ++i) {
        ACCESS_ALLOWED_ACE* ace = nullptr;
        GetAce(dacl, i, reinterpret_cast<void**>(&ace));
        PSID sid = &ace->SidStart;
        so = ace->Header.AceType == ACCESS_ALLOWED_ACE_TYPE &&
             (IsWellKnownSid(sid, WinLocalSystemSid) ||
              IsWellKnownSid(sid, WinBuiltinAdministratorsSid));
    }
    LocalFree(descritor);
    return so;
}

// Whether files of the prefix keep the security descriptor they were made with; Wine without
// stored descriptors answers one made from the Unix permissions instead.
bool GuardaDescritores(const std::wstring& pasta) {
    const std::wstring sonda = pasta + L"descritor.txt";
    PSECURITY_DESCRIPTOR descritor = nullptr;
    ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:P(A;;FA;;;SY)(A;;FA;;;BA)",
                                                         SDDL_REVISION_1, &descritor, nullptr);
    SECURITY_ATTRIBUTES atributos{sizeof atributos, descritor, FALSE};
    CloseHandle(CreateFileW(sonda.c_str(), GENERIC_WRITE, 0, &atributos, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    LocalFree(descritor);
    const bool guarda = ProtegidoParaAdministradores(sonda);
    DeleteFileW(sonda.c_str());
    return guarda;
}

bool Elevado() {
    base::UniqueHandle token;
    TOKEN_ELEVATION elevacao{};
    DWORD tamanho = 0;
    return OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Put()) &&
           GetTokenInformation(token.Get(), TokenElevation, &elevacao, sizeof elevacao, &tamanho) &&
           elevacao.TokenIsElevated;
}

// Batch files named after the commands that the self-removal runs, each noting its name in a
// file when run; removed with the object.
class ComandosPlantados {
public:
    ComandosPlantados(const std::wstring& pasta, const std::wstring& marca) : pasta_(pasta) {
        for (const wchar_t* comando : kComandos)
            teste::GravarArquivo(pasta + comando + L".bat", "@echo " + kt::Utf8(comando) + ">>\"" +
                                                                kt::Utf8(marca) + "\"\r\n");
    }
    ~ComandosPlantados() {
        for (const wchar_t* comando : kComandos)
            DeleteFileW((pasta_ + comando + L".bat").c_str());
    }

private:
    static constexpr const wchar_t* kComandos[] = {L"chcp", L"ping"};
    std::wstring pasta_;
};

// A batch that calls chcp and ping by bare name, started in its folder as a plain command line:
// the planting takes there.
void RodarComandosPorNome(const std::wstring& pasta) {
    const std::wstring lote = pasta + L"kt_plantio_controle.bat";
    ASSERT_TRUE(teste::GravarArquivo(lote, "@echo off\r\nchcp>nul\r\nping -n 1 127.0.0.1>nul\r\n"));
    std::wstring linha = L"\"" + lote + L"\"";
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    PROCESS_INFORMATION processo{};
    ASSERT_TRUE(CreateProcessW(nullptr, linha.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                               nullptr, pasta.c_str(), &inicio, &processo));
    CloseHandle(processo.hThread);
    WaitForSingleObject(processo.hProcess, 30000);
    CloseHandle(processo.hProcess);
    DeleteFileW(lote.c_str());
}

TEST(AutoRemover, TheProgramAndTheFolderItEmptiedGoAwayOnceItHasEndedAndNothingAboveThem) {
    teste::PastaTemporaria raiz(L"kt autoremocao");
    const std::wstring plantados = raiz / L"plantados.txt";
    const ComandosPlantados plantio(kt::PastaDoLoteDeRemocao(), plantados);
    ASSERT_NO_FATAL_FAILURE(RodarComandosPorNome(kt::PastaDoLoteDeRemocao()));
    ASSERT_NE(teste::LerArquivo(plantados), "") << "the planting does not take: nothing is proved";
    DeleteFileW(plantados.c_str());

    // Characters that the OEM code page may lack, and a "%" that cmd would expand.
    const std::wstring acima = raiz / L"Instalação 100%";
    const std::wstring vazia = acima + L"\\Pontilha ção";
    ASSERT_TRUE(CreateDirectoryW(acima.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(vazia.c_str(), nullptr));
    const std::wstring programa = vazia + L"\\Remover.exe";
    ASSERT_TRUE(CopyFileW(teste::ProgramaDeTeste(L"kt_prog_autoremocao.exe").c_str(),
                          programa.c_str(), TRUE));
    // The copy is read-only, as a file copied from a CD is.
    SetFileAttributesW(programa.c_str(), FILE_ATTRIBUTE_READONLY);

    const std::wstring nomeSinal = L"kt_autoremocao_" + std::to_wstring(GetCurrentProcessId());
    base::UniqueHandle sinal(CreateEventW(nullptr, TRUE, FALSE, nomeSinal.c_str()));
    const std::wstring relatorio = raiz / L"relatorio.txt";
    std::wstring linha = L"\"" + programa + L"\" \"" + relatorio + L"\" " + nomeSinal;
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    PROCESS_INFORMATION processo{};
    ASSERT_TRUE(CreateProcessW(programa.c_str(), linha.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               raiz.Caminho().c_str(), &inicio, &processo));
    base::UniqueHandle tarefa(processo.hThread);
    base::UniqueHandle executando(processo.hProcess);

    ASSERT_TRUE(teste::EsperarAte([&] { return !teste::LerArquivo(relatorio).empty(); }));
    const std::vector<std::wstring> visto = Linhas(teste::DeUtf8(teste::LerArquivo(relatorio)));
    ASSERT_EQ(visto.size(), 2u) << "the result and the one batch file that appeared";
    EXPECT_EQ(visto[0], L"1");
    const std::wstring lote = visto[1];
    EXPECT_TRUE(lote.starts_with(kt::PastaDoLoteDeRemocao()));
    EXPECT_TRUE(lote.ends_with(L".bat"));
    if (Elevado()) {
        // Out of reach of the user's unelevated programs.
        wchar_t windows[MAX_PATH] = {};
        GetSystemWindowsDirectoryW(windows, MAX_PATH);
        EXPECT_TRUE(MesmoCaminho(kt::PastaDoLoteDeRemocao(), std::wstring(windows) + L"\\Temp\\"));
        if (GuardaDescritores(raiz.Caminho()))
            EXPECT_TRUE(ProtegidoParaAdministradores(lote));
        else
            std::cout << "[ aviso ] the prefix keeps no security descriptors: the batch file's "
                         "protection is not checked here\n";
    }

    // Written in the console's code page, every character exact, naming the program itself.
    const std::string bytes = teste::LerArquivo(lote);
    const std::wstring texto = DeOEM(bytes);
    ASSERT_FALSE(texto.empty());
    const std::vector<std::wstring> linhas = Linhas(texto);
    ASSERT_GE(linhas.size(), 5u);
    EXPECT_EQ(linhas[0], L"@echo off");
    EXPECT_TRUE(linhas[1].ends_with(L"\\chcp.com\" " + std::to_wstring(GetOEMCP()) + L">nul"));
    const auto del = std::find_if(linhas.begin(), linhas.end(),
                                  [](const std::wstring& l) { return l.starts_with(L"del /f "); });
    ASSERT_NE(del, linhas.end());
    std::wstring nomeado = EntreAspas(*del);
    for (std::size_t p = nomeado.find(L"%%"); p != std::wstring::npos;
         p = nomeado.find(L"%%", p + 1))
        nomeado.erase(p, 1);
    EXPECT_TRUE(MesmoCaminho(Longo(nomeado), programa)) << nomeado;
    EXPECT_TRUE(MesmoCaminho(Longo(EntreAspas(linhas.back())), lote));

    SetEvent(sinal.Get());
    ASSERT_EQ(WaitForSingleObject(executando.Get(), 10000), WAIT_OBJECT_0);
    const auto fim = std::chrono::steady_clock::now();
    const bool removido = teste::EsperarAte(
        [&] { return !teste::Existe(programa) && !teste::Existe(vazia) && !teste::Existe(lote); },
        30s);
    const auto demora = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - fim);
    std::cout << "[ medida ] autoremocao: " << demora.count()
              << " ms do fim do programa ao fim do lote\n";
    EXPECT_TRUE(removido);
    EXPECT_FALSE(teste::Existe(programa));
    EXPECT_FALSE(teste::Existe(vazia));
    EXPECT_FALSE(teste::Existe(lote));
    EXPECT_TRUE(teste::Existe(acima));
    EXPECT_FALSE(teste::Existe(plantados)) << teste::LerArquivo(plantados);
}

} // namespace
