// Copy benchmark (tools/bench_copia.sh runs it under Wine). It writes a 64 MiB file of
// pseudo-random bytes, then copies it again and again in the same process, alternating
// CopiarArquivo (through the service table, blocks of kBlocoCopia, with a progress method as the
// copy engine gives it) and the system's CopyFile, each into a fresh destination. It checks every
// copy against the original and prints the times and their ratio. Nothing here is a test: no
// time is asserted.
#include "dialogs/ServicosKT.h"
#include "fileops/CopiarArquivo.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kTamanhoDados = 64u << 20;
constexpr std::uint32_t kTrecho = 1u << 20;
constexpr int kRepeticoesPadrao = 5;

[[noreturn]] void Falhar(const std::string& texto) {
    throw std::runtime_error(texto + " (erro do Windows " + std::to_string(GetLastError()) + ")");
}

class TArquivo {
public:
    TArquivo(const std::wstring& nome, DWORD acesso, DWORD disposicao)
        : handle_(CreateFileW(nome.c_str(), acesso, FILE_SHARE_READ, nullptr, disposicao,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {
        if (handle_ == INVALID_HANDLE_VALUE)
            Falhar("não abriu o arquivo");
    }
    ~TArquivo() { CloseHandle(handle_); }
    TArquivo(const TArquivo&) = delete;
    TArquivo& operator=(const TArquivo&) = delete;
    HANDLE Handle() const { return handle_; }

private:
    HANDLE handle_;
};

void GravarDados(const std::wstring& nome) {
    TArquivo arquivo(nome, GENERIC_WRITE, CREATE_ALWAYS);
    std::mt19937 gerador(2026);
    std::vector<std::uint32_t> trecho(kTrecho / 4);
    for (std::uint32_t feito = 0; feito < kTamanhoDados; feito += kTrecho) {
        std::generate(trecho.begin(), trecho.end(), std::ref(gerador));
        DWORD gravados = 0;
        if (!WriteFile(arquivo.Handle(), trecho.data(), kTrecho, &gravados, nullptr) ||
            gravados != kTrecho)
            Falhar("WriteFile falhou");
    }
}

bool Iguais(const std::wstring& a, const std::wstring& b) {
    TArquivo x(a, GENERIC_READ, OPEN_EXISTING);
    TArquivo y(b, GENERIC_READ, OPEN_EXISTING);
    std::vector<char> bx(kTrecho), by(kTrecho);
    for (;;) {
        DWORD lx = 0, ly = 0;
        if (!ReadFile(x.Handle(), bx.data(), kTrecho, &lx, nullptr) ||
            !ReadFile(y.Handle(), by.data(), kTrecho, &ly, nullptr))
            Falhar("ReadFile falhou");
        if (lx != ly || !std::equal(bx.begin(), bx.begin() + lx, by.begin()))
            return false;
        if (lx == 0)
            return true;
    }
}

double Agora() {
    LARGE_INTEGER contagem{}, frequencia{};
    QueryPerformanceCounter(&contagem);
    QueryPerformanceFrequency(&frequencia);
    return static_cast<double>(contagem.QuadPart) / static_cast<double>(frequencia.QuadPart);
}

struct TTempos {
    std::vector<double> Segundos;
    double Mediana() const {
        std::vector<double> v = Segundos;
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    }
    double Minimo() const { return *std::min_element(Segundos.begin(), Segundos.end()); }
};

void Imprimir(const char* nome, const TTempos& t) {
    const double mib = kTamanhoDados / double(1u << 20);
    std::printf("  %-14s mediana %6.3f s (%6.1f MiB/s)  mínimo %6.3f s\n", nome, t.Mediana(),
                mib / t.Mediana(), t.Minimo());
}

int Executar(int repeticoes) {
    wchar_t temporaria[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temporaria);
    const std::wstring pasta = std::wstring(temporaria) + L"kt bench copia " +
                               std::to_wstring(GetCurrentProcessId()) + L"\\";
    CreateDirectoryW(pasta.c_str(), nullptr);
    const std::wstring origem = pasta + L"origem.bin";
    const std::wstring destino = pasta + L"destino.bin";
    std::printf("Arquivo de 64 MiB de bytes pseudoaleatórios...\n");
    GravarDados(origem);

    std::printf("Cópia, %d vezes cada, alternadas no mesmo processo; CopiarArquivo em blocos de "
                "%u bytes, com progresso\n",
                repeticoes, kt::kBlocoCopia);
    TTempos kt, sistema;
    int chamadasDeProgresso = 0;
    const auto progresso = [&](std::int32_t, bool&) { ++chamadasDeProgresso; };
    for (int i = 0; i < repeticoes; ++i) {
        for (bool doSistema : {false, true}) {
            DeleteFileW(destino.c_str());
            const double inicio = Agora();
            const bool copiou =
                doSistema ? CopyFileW(origem.c_str(), destino.c_str(), FALSE) != FALSE
                          : kt::ServicosKT::CopiarArquivo(origem, destino, kt::kCopiaSubstitui,
                                                          progresso, nullptr);
            const double segundos = Agora() - inicio;
            if (!copiou || !Iguais(origem, destino))
                Falhar(doSistema ? "CopyFile não copiou" : "CopiarArquivo não copiou");
            (doSistema ? sistema : kt).Segundos.push_back(segundos);
        }
    }
    Imprimir("CopiarArquivo", kt);
    Imprimir("CopyFile", sistema);
    std::printf("  chamadas de progresso por cópia: %d\n", chamadasDeProgresso / repeticoes);
    std::printf("  razão CopiarArquivo / CopyFile: %.3f (medianas), %.3f (mínimos)\n",
                kt.Mediana() / sistema.Mediana(), kt.Minimo() / sistema.Minimo());
    DeleteFileW(destino.c_str());
    DeleteFileW(origem.c_str());
    RemoveDirectoryW(pasta.c_str());
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    try {
        const int repeticoes = argc > 1 ? std::max(1, _wtoi(argv[1])) : kRepeticoesPadrao;
        return Executar(repeticoes);
    } catch (const std::exception& erro) {
        std::fprintf(stderr, "kt_bench_copia: %s\n", erro.what());
        return 1;
    }
}
