// Extraction benchmark (tools/bench_extracao.sh runs it under Wine). It packs 64 MiB of mixed
// data (text-like, incompressible, runs of zeros) into a container at best compression, then
// extracts it again and again, each time in a fresh child process: with DescompactarArquivo
// through the service table, and with zlib's inflate driven directly (chunks of TamanhoBloco in
// and out, plain ReadFile and WriteFile). Each child times its one extraction and counts its
// peak of heap bytes above what it used just before; the parent checks every extracted file and
// prints the figures. Nothing here is a test: no time is asserted.
#include "dialogs/ServicosKT.h"
#include "payload/container/CabecalhoZLib.h"
#include "payload/container/CopiarFluxo.h"
#include "payload/container/FluxoDescompressao.h"
#include "tools/bench/DadosMistos.h"
#include "tools/bench/Estatistica.h"

#include <windows.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kTamanhoDados = 64u << 20;
constexpr std::size_t kTamanhoTrecho = 64u << 10;
constexpr int kRepeticoesPadrao = 5;

const wchar_t* const kMetodoKT = L"kt";
const wchar_t* const kMetodoZlib = L"zlib";

[[noreturn]] void Falhar(const std::string& texto) {
    throw std::runtime_error(texto + " (erro do Windows " + std::to_string(GetLastError()) + ")");
}

// One owner per handle.
class TArquivo {
public:
    TArquivo(const std::wstring& nome, DWORD acesso, DWORD disposicao)
        : handle_(CreateFileW(nome.c_str(), acesso, 0, nullptr, disposicao, FILE_ATTRIBUTE_NORMAL,
                              nullptr)) {
        if (handle_ == INVALID_HANDLE_VALUE)
            Falhar("não abriu o arquivo");
    }
    ~TArquivo() { CloseHandle(handle_); }
    TArquivo(const TArquivo&) = delete;
    TArquivo& operator=(const TArquivo&) = delete;

    DWORD Ler(void* destino, DWORD n) {
        DWORD lidos = 0;
        if (!ReadFile(handle_, destino, n, &lidos, nullptr))
            Falhar("ReadFile falhou");
        return lidos;
    }
    void Gravar(const void* origem, DWORD n) {
        DWORD gravados = 0;
        if (!WriteFile(handle_, origem, n, &gravados, nullptr) || gravados != n)
            Falhar("WriteFile falhou");
    }

private:
    HANDLE handle_;
};

struct TConteinerFeito {
    uLong Crc = 0;
    std::uint64_t Compactados = 0;
};

// Writes the container of the data piece by piece, deflating at best compression as the packer
// does, and answers the data's CRC-32 for checking the extractions.
TConteinerFeito FazerConteiner(const std::wstring& nome) {
    TArquivo arquivo(nome, GENERIC_WRITE, CREATE_ALWAYS);
    kt::TCabecalhoZLib cabecalho{};
    cabecalho.TamanhoCabecalho = kt::kTamanhoCabecalhoZLib;
    cabecalho.Assinatura = kt::kAssinaturaZLib;
    cabecalho.TamanhoDescompactado = kTamanhoDados;
    cabecalho.Formato = kt::kFormatoZLib;
    std::memcpy(cabecalho.Extensao, ".bin", 4);
    arquivo.Gravar(&cabecalho, sizeof cabecalho);

    z_stream z{};
    if (deflateInit(&z, Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("deflateInit falhou");
    std::mt19937 gerador(2025);
    std::vector<std::uint8_t> trecho(kTamanhoTrecho);
    std::vector<std::uint8_t> saida(1u << 20);
    TConteinerFeito feito;
    feito.Crc = crc32(0, nullptr, 0);
    for (std::uint32_t feitos = 0; feitos < kTamanhoDados; feitos += kTamanhoTrecho) {
        kt::bench::PreencherTrecho(trecho.data(), trecho.size(), gerador);
        feito.Crc = crc32(feito.Crc, trecho.data(), static_cast<uInt>(trecho.size()));
        const bool ultimo = feitos + kTamanhoTrecho >= kTamanhoDados;
        z.next_in = trecho.data();
        z.avail_in = static_cast<uInt>(trecho.size());
        int resultado = Z_OK;
        do {
            z.next_out = saida.data();
            z.avail_out = static_cast<uInt>(saida.size());
            resultado = deflate(&z, ultimo ? Z_FINISH : Z_NO_FLUSH);
            const auto n = static_cast<DWORD>(saida.size() - z.avail_out);
            arquivo.Gravar(saida.data(), n);
            feito.Compactados += n;
        } while (z.avail_out == 0 || (ultimo && resultado != Z_STREAM_END));
    }
    deflateEnd(&z);
    return feito;
}

// Inflates the container as a plain zlib program would: input read TamanhoBloco bytes at a
// time, output inflated into one chunk of TamanhoBloco and written whenever the chunk is full.
void InflarComZlib(const std::wstring& origem, const std::wstring& destino) {
    TArquivo entrada(origem, GENERIC_READ, OPEN_EXISTING);
    TArquivo saida(destino, GENERIC_READ | GENERIC_WRITE, CREATE_ALWAYS);
    kt::TCabecalhoZLib cabecalho{};
    if (entrada.Ler(&cabecalho, sizeof cabecalho) != sizeof cabecalho)
        throw std::runtime_error("contêiner curto");
    std::vector<std::uint8_t> lidos(kt::TamanhoBloco);
    std::vector<std::uint8_t> bloco(kt::TamanhoBloco);
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        throw std::runtime_error("inflateInit falhou");
    int resultado = Z_OK;
    while (resultado != Z_STREAM_END) {
        z.next_out = bloco.data();
        z.avail_out = static_cast<uInt>(bloco.size());
        while (z.avail_out > 0 && resultado != Z_STREAM_END) {
            if (z.avail_in == 0) {
                z.avail_in = entrada.Ler(lidos.data(), static_cast<DWORD>(lidos.size()));
                z.next_in = lidos.data();
                if (z.avail_in == 0)
                    throw std::runtime_error("o fluxo zlib termina antes do fim");
            }
            resultado = inflate(&z, Z_NO_FLUSH);
            if (resultado != Z_OK && resultado != Z_STREAM_END)
                throw std::runtime_error("dados corrompidos");
        }
        saida.Gravar(bloco.data(), static_cast<DWORD>(bloco.size() - z.avail_out));
    }
    inflateEnd(&z);
}

// The bytes in use of every block that malloc, calloc, realloc and operator new hand out in
// this program, zlib's included, and their peak: the bench is linked with --wrap for the four
// functions, so each call passes here first.
std::size_t g_heapAtual = 0;
std::size_t g_heapPico = 0;

void Alocado(void* bloco) {
    if (!bloco)
        return;
    g_heapAtual += _msize(bloco);
    g_heapPico = std::max(g_heapPico, g_heapAtual);
}

void Liberando(void* bloco) {
    if (bloco)
        g_heapAtual -= _msize(bloco);
}

} // namespace

extern "C" {
void* __real_malloc(std::size_t n);
void* __real_calloc(std::size_t n, std::size_t tamanho);
void* __real_realloc(void* bloco, std::size_t n);
void __real_free(void* bloco);

void* __wrap_malloc(std::size_t n) {
    void* bloco = __real_malloc(n);
    Alocado(bloco);
    return bloco;
}

void* __wrap_calloc(std::size_t n, std::size_t tamanho) {
    void* bloco = __real_calloc(n, tamanho);
    Alocado(bloco);
    return bloco;
}

void* __wrap_realloc(void* bloco, std::size_t n) {
    const std::size_t antes = bloco ? _msize(bloco) : 0;
    void* novo = __real_realloc(bloco, n);
    if (novo || n == 0) {
        g_heapAtual -= antes;
        Alocado(novo);
    }
    return novo;
}

void __wrap_free(void* bloco) {
    Liberando(bloco);
    __real_free(bloco);
}
}

namespace {

// The child's one extraction: its time, and the peak of heap bytes above those in use just
// before the call, exact from the allocation counts. (Wine's process counters cannot give that
// peak: it does not keep the peak of committed memory, and its working set moves in steps that
// have nothing to do with a call of this size.)
int Medir(const std::wstring& metodo, const std::wstring& origem, const std::wstring& destino,
          const std::wstring& resultado) {
    const std::size_t heapAntes = g_heapAtual;
    g_heapPico = g_heapAtual;
    const double inicio = kt::bench::Agora();
    if (metodo == kMetodoKT)
        kt::ServicosKT::DescompactarArquivo(origem, destino, {});
    else
        InflarComZlib(origem, destino);
    const double segundos = kt::bench::Agora() - inicio;
    const std::size_t heapPico = g_heapPico - heapAntes;

    FILE* arquivo = _wfopen(resultado.c_str(), L"w");
    if (!arquivo)
        return 1;
    std::fprintf(arquivo, "%.6f %lld\n", segundos, static_cast<long long>(heapPico));
    std::fclose(arquivo);
    return 0;
}

struct TMedida {
    double Segundos = 0;
    long long PicoHeap = 0;
};

std::wstring EstePrograma() {
    wchar_t caminho[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, caminho, MAX_PATH);
    return caminho;
}

TMedida RodarFilho(const std::wstring& metodo, const std::wstring& origem,
                   const std::wstring& destino, const std::wstring& resultado) {
    DeleteFileW(destino.c_str());
    DeleteFileW(resultado.c_str());
    std::wstring linha = L"\"" + EstePrograma() + L"\" medir " + metodo + L" \"" + origem +
                         L"\" \"" + destino + L"\" \"" + resultado + L"\"";
    STARTUPINFOW inicio{};
    inicio.cb = sizeof inicio;
    PROCESS_INFORMATION processo{};
    if (!CreateProcessW(nullptr, linha.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &inicio, &processo))
        Falhar("não iniciou a medida");
    WaitForSingleObject(processo.hProcess, INFINITE);
    DWORD saida = 1;
    GetExitCodeProcess(processo.hProcess, &saida);
    CloseHandle(processo.hThread);
    CloseHandle(processo.hProcess);
    TMedida medida;
    FILE* arquivo = _wfopen(resultado.c_str(), L"r");
    const bool lida =
        arquivo && std::fscanf(arquivo, "%lf %lld", &medida.Segundos, &medida.PicoHeap) == 2;
    if (arquivo)
        std::fclose(arquivo);
    if (saida != 0 || !lida)
        throw std::runtime_error("a medida falhou");
    return medida;
}

// Reads the extracted file back and compares its size and CRC-32 with the data's.
void Conferir(const std::wstring& destino, uLong crcEsperado) {
    TArquivo arquivo(destino, GENERIC_READ, OPEN_EXISTING);
    std::vector<std::uint8_t> bloco(1u << 20);
    uLong crc = crc32(0, nullptr, 0);
    std::uint64_t total = 0;
    for (DWORD n; (n = arquivo.Ler(bloco.data(), static_cast<DWORD>(bloco.size()))) > 0; total += n)
        crc = crc32(crc, bloco.data(), n);
    if (total != kTamanhoDados || crc != crcEsperado)
        throw std::runtime_error("o arquivo extraído difere dos dados");
}

struct TResumo {
    kt::bench::TAmostra Segundos;
    long long PicoHeap = 0;

    void Somar(const TMedida& medida) {
        Segundos.Somar(medida.Segundos);
        PicoHeap = std::max(PicoHeap, medida.PicoHeap);
    }
};

// Times, and the heap's peak split into the output chunk, the input buffer and the rest, which
// is zlib's own state and window (and a few small blocks of the method).
void Imprimir(const char* nome, const TResumo& resumo, std::size_t entrada) {
    const double mediana = resumo.Segundos.Mediana();
    const double minimo = resumo.Segundos.Minimo();
    const double kib = 1024.0;
    std::printf("  %-24s mediana %6.3f s (%5.1f MiB/s)  mínimo %6.3f s  pico do heap %6.1f KiB"
                " = bloco %.1f + entrada %.1f + zlib e o resto %.1f\n",
                nome, mediana, 64.0 / mediana, minimo, resumo.PicoHeap / kib,
                kt::TamanhoBloco / kib, entrada / kib,
                (resumo.PicoHeap - static_cast<long long>(kt::TamanhoBloco + entrada)) / kib);
}

// A folder of the run in the temporary directory, removed with its files at the end.
class TPastaDoBench {
public:
    TPastaDoBench() {
        wchar_t temporaria[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temporaria);
        caminho_ = std::wstring(temporaria) + L"kt bench extracao " +
                   std::to_wstring(GetCurrentProcessId()) + L"\\";
        if (!CreateDirectoryW(caminho_.c_str(), nullptr))
            Falhar("não criou a pasta temporária");
    }
    ~TPastaDoBench() {
        for (const wchar_t* nome : {L"dados.zlib", L"dados.bin", L"medida.txt"})
            DeleteFileW((caminho_ + nome).c_str());
        RemoveDirectoryW(caminho_.c_str());
    }
    TPastaDoBench(const TPastaDoBench&) = delete;
    TPastaDoBench& operator=(const TPastaDoBench&) = delete;

    std::wstring operator/(const wchar_t* nome) const { return caminho_ + nome; }

private:
    std::wstring caminho_;
};

int Comparar(int repeticoes) {
    const TPastaDoBench pasta;
    const std::wstring conteiner = pasta / L"dados.zlib";
    const std::wstring destino = pasta / L"dados.bin";
    const std::wstring resultado = pasta / L"medida.txt";

    std::printf("Contêiner de 64 MiB de dados mistos, compactação máxima...\n");
    std::fflush(stdout);
    const double inicio = kt::bench::Agora();
    const TConteinerFeito feito = FazerConteiner(conteiner);
    std::printf("  %.1f MiB compactados em %.1f s; bloco %u bytes, entrada do fluxo %u bytes\n",
                static_cast<double>(feito.Compactados) / (1u << 20), kt::bench::Agora() - inicio,
                static_cast<unsigned>(kt::TamanhoBloco),
                static_cast<unsigned>(kt::kTamanhoEntradaDescompressao));
    std::printf("Extração, %d vezes cada, cada uma num processo novo...\n", repeticoes);
    std::fflush(stdout);

    TResumo kt;
    TResumo zlib;
    for (int i = 0; i < repeticoes; ++i) {
        // Alternating the order keeps a warm or cold disk cache from favouring one method.
        for (const wchar_t* metodo :
             i % 2 ? std::vector{kMetodoZlib, kMetodoKT} : std::vector{kMetodoKT, kMetodoZlib}) {
            const TMedida medida = RodarFilho(metodo, conteiner, destino, resultado);
            Conferir(destino, feito.Crc);
            (metodo == kMetodoKT ? kt : zlib).Somar(medida);
        }
    }
    Imprimir("DescompactarArquivo", kt, kt::kTamanhoEntradaDescompressao);
    Imprimir("zlib direto (inflate)", zlib, kt::TamanhoBloco);
    std::printf("  razão DescompactarArquivo / zlib: %.3f (medianas), %.3f (mínimos)\n",
                kt.Segundos.Mediana() / zlib.Segundos.Mediana(),
                kt.Segundos.Minimo() / zlib.Segundos.Minimo());
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    try {
        if (argc == 6 && std::wstring(argv[1]) == L"medir")
            return Medir(argv[2], argv[3], argv[4], argv[5]);
        const int repeticoes = argc > 1 ? std::max(1, _wtoi(argv[1])) : kRepeticoesPadrao;
        return Comparar(repeticoes);
    } catch (const std::exception& erro) {
        std::fprintf(stderr, "kt_bench_extracao: %s\n", erro.what());
        return 1;
    }
}
