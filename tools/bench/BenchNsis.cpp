// kt_bench_nsis: our installer against NSIS's installer of the same files (tools/bench_nsis.sh runs
// it inside one Wine virtual desktop). Rounds alternate the two programs; each round measures the
// start-up, the installation and the uninstall (tools/bench/ProgramasMedidos.h), and checks that
// what was installed is the product, file for file and byte for byte in total. One more run of
// each, not timed, counts the heap from Wine's trace. Then the scaling products, our wizard's
// (kt_produto_escala) against NSIS's installer of the same files. It prints figures and asserts
// nothing.
#include "tools/bench/Estatistica.h"
#include "tools/bench/JanelasDePassagem.h"
#include "tools/bench/PicoDoHeap.h"
#include "tools/bench/ProgramasMedidos.h"
#include "fileops/Caminhos.h"
#include "fileops/LinhasDoDiario.h"
#include "fileops/Texto.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/Janelas.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace kt::bench;
using namespace std::chrono_literals;

constexpr int kRodadasPadrao = 9;
constexpr int kRodadasEscalaPadrao = 3;
// How long a step may take before the run gives up on it, and how long an installation may show
// nothing (no folder made, no file removed) before the program counts as not doing it at all:
// a wizard whose copy is not built yet shows its copying page and stays there.
constexpr double kPrazoDoPasso = 300;
constexpr double kPrazoSemSinal = 15;
constexpr double kPrazoDeAtencao = 0.5;

[[noreturn]] void Falhar(const std::string& texto) {
    throw std::runtime_error(texto);
}

// Removes a folder with everything in it; one that is gone already, or that a program still holds,
// is left as it is.
void RemoverPasta(const std::wstring& pasta) {
    std::error_code erro;
    std::filesystem::remove_all(pasta, erro);
}

// What the installers installed: the files under a folder, their count and bytes, the program at
// its root (the uninstaller) and one other file. Our installation's diary at the root is not
// counted: it is its record of the files, not one of them.
struct TConteudo {
    std::uint64_t Arquivos = 0;
    std::uint64_t Bytes = 0;
    std::wstring Programa;
    std::wstring UmArquivo;
};

void Somar(const std::wstring& pasta, TConteudo& conteudo, bool raiz) {
    for (const teste::TEntrada& entrada : teste::Entradas(pasta)) {
        const std::wstring caminho = pasta + entrada.Nome;
        if (entrada.Pasta) {
            Somar(caminho + L"\\", conteudo, false);
            continue;
        }
        if (raiz && entrada.Nome == kt::kArquivoDoDiario)
            continue;
        ++conteudo.Arquivos;
        conteudo.Bytes += entrada.Tamanho;
        if (raiz && entrada.Nome.ends_with(L".exe"))
            conteudo.Programa = caminho;
        else if (conteudo.UmArquivo.empty())
            conteudo.UmArquivo = caminho;
    }
}

TConteudo Conteudo(const std::wstring& pasta) {
    TConteudo conteudo;
    Somar(pasta, conteudo, true);
    return conteudo;
}

std::uint64_t TamanhoDoArquivo(const std::wstring& caminho) {
    WIN32_FILE_ATTRIBUTE_DATA dados{};
    if (!GetFileAttributesExW(caminho.c_str(), GetFileExInfoStandard, &dados))
        Falhar("não achou " + kt::Utf8(caminho));
    return (static_cast<std::uint64_t>(dados.nFileSizeHigh) << 32) | dados.nFileSizeLow;
}

// Polls the condition until it holds; answers the clock's time when it held, or nothing after the
// time limit. Each poll runs "tambem" first, for what must be answered on the way. The first half
// second is polled about once a millisecond (a start-up takes a few tenths); after that every ten
// milliseconds, so that the driver's looks take little from the program it measures.
template <typename Condicao, typename Tambem>
std::optional<double> Esperar(Condicao condicao, double prazo, Tambem tambem) {
    const double inicio = Agora();
    for (;;) {
        tambem();
        if (condicao())
            return Agora();
        const double passado = Agora() - inicio;
        if (passado > prazo)
            return std::nullopt;
        Sleep(passado < kPrazoDeAtencao ? 1 : 10);
    }
}

template <typename Condicao>
std::optional<double> Esperar(Condicao condicao, double prazo) {
    return Esperar(condicao, prazo, [] {});
}

// Waits for the end of a step that began at the click: answers its seconds, or nothing when the
// program showed no sign of doing the step at all (parado still holds after kPrazoSemSinal: a
// step it does not do yet). Past the step's time limit the run fails.
template <typename Fim, typename Parado, typename Tambem>
std::optional<double> EsperarPasso(double clique, Fim fim, Parado parado, Tambem tambem,
                                   const std::string& falha) {
    bool desistiu = false;
    bool olhou = false;
    const auto quando = Esperar(
        [&] {
            if (fim())
                return true;
            // One look, when the time without a sign is up: parado may walk a whole folder.
            if (!olhou && Agora() - clique > kPrazoSemSinal) {
                olhou = true;
                desistiu = parado();
            }
            return desistiu;
        },
        kPrazoDoPasso, tambem);
    if (!quando)
        Falhar(falha);
    if (desistiu)
        return std::nullopt;
    return *quando - clique;
}

// Ends a program stopped halfway and removes what it made of the installation folder.
void Abandonar(const TProcesso& processo, const std::wstring& destino) {
    processo.Terminar();
    RemoverPasta(destino);
}

// The lines that Wine's trace file has gained since a point: the heap calls and window calls of
// the one process that was started with the trace on.
class TTrilha {
public:
    explicit TTrilha(std::wstring arquivo) : arquivo_(std::move(arquivo)) {}

    void Marcar() { inicio_ = Tamanho(); }

    struct TContagem {
        std::uint64_t PicoDoHeap = 0;
        int JanelasEscondidas = 0;
    };

    // The heap's peak and the top-level windows hidden after they were shown, from the mark up
    // to now.
    TContagem Contar() const {
        base::UniqueFile arquivo(CreateFileW(arquivo_.c_str(), GENERIC_READ,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!arquivo)
            Falhar("não abriu a trilha do Wine");
        LARGE_INTEGER posicao{};
        posicao.QuadPart = static_cast<LONGLONG>(inicio_);
        SetFilePointerEx(arquivo.Get(), posicao, nullptr, FILE_BEGIN);
        TPicoDoHeap pico;
        TJanelasDePassagem passagem(reinterpret_cast<std::uintptr_t>(GetDesktopWindow()));
        std::string linha;
        std::vector<char> bloco(1u << 20);
        DWORD lidos = 0;
        while (ReadFile(arquivo.Get(), bloco.data(), static_cast<DWORD>(bloco.size()), &lidos,
                        nullptr) &&
               lidos > 0) {
            for (DWORD i = 0; i < lidos; ++i) {
                if (bloco[i] != '\n') {
                    linha += bloco[i];
                    continue;
                }
                pico.Ler(linha);
                passagem.Ler(linha);
                linha.clear();
            }
        }
        return {pico.Pico(), passagem.Escondidas()};
    }

private:
    std::uint64_t Tamanho() const {
        WIN32_FILE_ATTRIBUTE_DATA dados{};
        if (!GetFileAttributesExW(arquivo_.c_str(), GetFileExInfoStandard, &dados))
            return 0;
        return (static_cast<std::uint64_t>(dados.nFileSizeHigh) << 32) | dados.nFileSizeLow;
    }

    std::wstring arquivo_;
    std::uint64_t inicio_ = 0;
};

// One installer of one product, and what was measured of it.
struct TConcorrente {
    TConcorrente(const TRoteiro& roteiro, std::wstring programa, std::string nome)
        : Roteiro(&roteiro), Programa(std::move(programa)), Nome(std::move(nome)) {}

    const TRoteiro* Roteiro;
    std::wstring Programa;
    std::string Nome; // the heading of its column
    TAmostra Partida;
    TAmostra Instalacao;
    TAmostra Desinstalacao;
    int JanelasEscondidas = 0;
    // Whether it installs and uninstalls at all; a program that does not is measured no further
    // than its first page.
    bool Instala = true;
    bool Desinstala = true;
    std::uint64_t PicoNaPartida = 0;
    std::uint64_t PicoNaInstalacao = 0;
    // Started where it is instead of from a copy in a fresh folder: our product of a scaling run
    // installs from the containers beside it.
    bool NoLugar = false;
};

struct TOpcoes {
    int Rodadas = kRodadasPadrao;
    int RodadasEscala = kRodadasEscalaPadrao;
    std::wstring Pasta;  // the prefix's folder where programs are copied and installed
    std::wstring Trilha; // the file that receives Wine's standard error
    std::wstring Nosso;
    std::wstring NossoSemPayload;
    std::wstring Nsis;
    std::wstring NsisXP; // NSIS's installer with "XPStyle on"; none when empty
    std::wstring Fontes; // the product's files as they install
    struct TEscala {
        std::wstring Nome;
        std::wstring Nsis;
        std::wstring Fontes;
        std::wstring Nosso; // kt_produto_escala.exe in the folder of its containers
    };
    std::vector<TEscala> Escalas;
};

class TBench {
public:
    explicit TBench(const TOpcoes& opcoes) : opcoes_(opcoes), trilha_(opcoes.Trilha) {}

    // One round of a program: start-up, and installation and uninstall when it does them.
    void Rodada(TConcorrente& concorrente, const TConteudo& esperado, bool medir) {
        std::wstring programa = concorrente.Programa;
        if (!concorrente.NoLugar) {
            programa = NovaPasta(L"programa") + std::wstring(kt::NomeDe(concorrente.Programa));
            if (!CopyFileW(concorrente.Programa.c_str(), programa.c_str(), FALSE))
                Falhar("não copiou o programa medido");
        }
        const std::wstring destino = NovaPasta(L"destino");
        RemoveDirectoryW(destino.c_str());

        const TRoteiro& roteiro = *concorrente.Roteiro;
        TProcesso processo(programa);
        const auto pagina =
            Esperar([&] { return roteiro.PrimeiraPagina(processo.Id()); }, kPrazoDoPasso);
        if (!pagina)
            Falhar(Nome(concorrente) + ": a primeira página não apareceu");
        if (medir)
            concorrente.Partida.Somar(*pagina - processo.Inicio());
        if (!concorrente.Instala)
            return;
        const auto instalou = Instalar(concorrente, processo, destino, esperado);
        if (!instalou)
            return;
        if (medir)
            concorrente.Instalacao.Somar(*instalou);
        if (!concorrente.Desinstala) {
            RemoverPasta(destino);
            return;
        }
        const auto desinstalou = Desinstalar(concorrente, destino);
        if (medir && desinstalou)
            concorrente.Desinstalacao.Somar(*desinstalou);
    }

    // One more run, with Wine's trace on: the heap's peaks up to the first page and over the
    // whole installation, and the windows hidden on the way to the first page.
    void MedirNaTrilha(TConcorrente& concorrente, const TConteudo& esperado) {
        const std::wstring pasta = NovaPasta(L"heap");
        const std::wstring programa = pasta + std::wstring(kt::NomeDe(concorrente.Programa));
        CopyFileW(concorrente.Programa.c_str(), programa.c_str(), FALSE);
        const std::wstring destino = NovaPasta(L"destino-heap");
        RemoveDirectoryW(destino.c_str());
        trilha_.Marcar();
        TProcesso processo(programa, true);
        if (!Esperar([&] { return concorrente.Roteiro->PrimeiraPagina(processo.Id()); },
                     kPrazoDoPasso))
            Falhar(Nome(concorrente) + ": a primeira página não apareceu");
        const TTrilha::TContagem partida = trilha_.Contar();
        concorrente.PicoNaPartida = partida.PicoDoHeap;
        concorrente.JanelasEscondidas = partida.JanelasEscondidas;
        if (concorrente.Instala && Instalar(concorrente, processo, destino, esperado)) {
            processo.EsperarFim(static_cast<DWORD>(kPrazoDoPasso * 1000));
            concorrente.PicoNaInstalacao = trilha_.Contar().PicoDoHeap;
        }
        processo.Terminar();
        RemoverPasta(destino);
        RemoverPasta(destino);
    }

private:
    static std::string Nome(const TConcorrente& concorrente) {
        return kt::Utf8(concorrente.Roteiro->Nome());
    }

    // A fresh folder of the run, named by a counter: nothing of an earlier round is in it.
    std::wstring NovaPasta(const wchar_t* tipo) {
        const std::wstring pasta = opcoes_.Pasta + tipo + L"-" + std::to_wstring(++pastas_) + L"\\";
        RemoverPasta(pasta);
        CreateDirectoryW(opcoes_.Pasta.c_str(), nullptr);
        if (!CreateDirectoryW(pasta.c_str(), nullptr))
            Falhar("não criou " + kt::Utf8(pasta));
        return pasta;
    }

    // From the click that starts the copy to the final message; the seconds, or nothing when the
    // program showed no sign of installing (then it is not asked again). The program ends before
    // this returns.
    std::optional<double> Instalar(TConcorrente& concorrente, TProcesso& processo,
                                   const std::wstring& destino, const TConteudo& esperado) {
        const TRoteiro& roteiro = *concorrente.Roteiro;
        // Our wizard takes the folder without its final delimiter, as it shows it.
        const std::wstring pasta = destino.substr(0, destino.size() - 1);
        if (!roteiro.PrepararInstalacao(processo.Id(), pasta))
            Falhar(Nome(concorrente) + ": não chegou à página que instala");
        const double clique = Agora();
        roteiro.Instalar(processo.Id());
        const auto segundos = EsperarPasso(
            clique, [&] { return roteiro.InstalacaoTerminada(processo.Id()); },
            [&] { return !teste::Existe(destino); }, [] {},
            Nome(concorrente) + ": a instalação não terminou");
        if (!segundos) {
            concorrente.Instala = false;
            Abandonar(processo, destino);
            return std::nullopt;
        }
        roteiro.Concluir(processo.Id());
        if (!processo.EsperarFim(static_cast<DWORD>(kPrazoDoPasso * 1000)))
            Falhar(Nome(concorrente) + ": não terminou depois da instalação");
        // The product's files and the uninstaller.
        const TConteudo instalado = Conteudo(destino);
        if (instalado.Arquivos != esperado.Arquivos + 1 || instalado.Bytes <= esperado.Bytes)
            Falhar(Nome(concorrente) + ": instalou " + std::to_string(instalado.Arquivos) +
                   " arquivos, " + std::to_string(instalado.Bytes) + " bytes; esperados " +
                   std::to_string(esperado.Arquivos) + " e o desinstalador");
        return segundos;
    }

    // From the click in the installed uninstaller to the installation folder gone.
    std::optional<double> Desinstalar(TConcorrente& concorrente, const std::wstring& destino) {
        const TRoteiro& roteiro = *concorrente.Roteiro;
        const TConteudo instalado = Conteudo(destino);
        if (instalado.Programa.empty())
            Falhar(Nome(concorrente) + ": nenhum desinstalador na pasta instalada");
        TProcesso processo(instalado.Programa);
        if (!Esperar([&] { return roteiro.DesinstaladorPronto(processo.Id()); }, kPrazoDoPasso))
            Falhar(Nome(concorrente) + ": o desinstalador não apareceu");
        const double clique = Agora();
        roteiro.Desinstalar(processo.Id());
        const auto segundos = EsperarPasso(
            clique, [&] { return !teste::Existe(destino); },
            // Not a walk of the folder: a search handle open in a folder keeps the uninstaller
            // from removing it.
            [&] { return teste::Existe(instalado.UmArquivo); },
            [&] { roteiro.AtenderDesinstalacao(processo.Id()); },
            Nome(concorrente) + ": a pasta instalada não foi removida");
        if (!segundos) {
            concorrente.Desinstala = false;
            Abandonar(processo, destino);
            return std::nullopt;
        }
        // The uninstaller's last page or message, answered until it has gone.
        if (!Esperar([&] { return !roteiro.DesinstaladorAberto(processo.Id()); }, kPrazoDoPasso,
                     [&] { roteiro.AtenderDesinstalacao(processo.Id()); }))
            Falhar(Nome(concorrente) + ": o desinstalador não terminou");
        return segundos;
    }

    const TOpcoes& opcoes_;
    TTrilha trilha_;
    int pastas_ = 0;
};

std::string Segundos(const TAmostra& amostra) {
    if (amostra.Vazia())
        return "—";
    char texto[96];
    std::snprintf(texto, sizeof texto, "%.3f s (%.3f–%.3f)", amostra.Mediana(), amostra.Minimo(),
                  amostra.Maximo());
    return texto;
}

std::string Razao(double nosso, double deles) {
    if (nosso <= 0 || deles <= 0)
        return "—";
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.2f", nosso / deles);
    return texto;
}

std::string Kib(std::uint64_t bytes) {
    if (bytes == 0)
        return "—";
    char texto[32];
    std::snprintf(texto, sizeof texto, "%.1f KiB", static_cast<double>(bytes) / 1024);
    return texto;
}

// Pads a UTF-8 text to a number of columns: printf's widths count bytes, and "ã" is two.
std::string Coluna(const std::string& texto, std::size_t colunas) {
    std::size_t largura = 0;
    for (const char c : texto)
        largura += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return texto + std::string(largura < colunas ? colunas - largura : 1, ' ');
}

// One line of the comparison: the measure, then one column per installer (ours first), then our
// figure's ratio to each of the others'.
void Linha(const std::string& medida, const std::vector<std::string>& colunas,
           const std::vector<std::string>& razoes) {
    std::string linha = "  " + Coluna(medida, 42);
    for (const std::string& coluna : colunas)
        linha += Coluna(coluna, 26);
    for (const std::string& razao : razoes)
        linha += Coluna(razao, 14);
    std::printf("%s\n", linha.c_str());
}

// A measure of every installer, as text, and our figure's ratios to the others'.
template <typename Texto, typename Valor>
void LinhaMedida(const std::string& medida, const std::vector<const TConcorrente*>& concorrentes,
                 Texto texto, Valor valor) {
    std::vector<std::string> colunas;
    std::vector<std::string> razoes;
    for (const TConcorrente* concorrente : concorrentes) {
        colunas.push_back(texto(*concorrente));
        if (concorrente != concorrentes.front())
            razoes.push_back(Razao(valor(*concorrentes.front()), valor(*concorrente)));
    }
    Linha(medida, colunas, razoes);
}

void ImprimirComparacao(const std::vector<const TConcorrente*>& concorrentes,
                        const TOpcoes& opcoes) {
    const TConcorrente& nosso = *concorrentes.front();
    std::printf("\n");
    std::vector<std::string> nomes;
    std::vector<std::string> razoes;
    for (const TConcorrente* concorrente : concorrentes) {
        nomes.push_back(concorrente->Nome);
        if (concorrente != &nosso)
            razoes.push_back("nosso/" + concorrente->Nome);
    }
    Linha("", nomes, razoes);
    LinhaMedida(
        "tamanho do programa (bytes)", concorrentes,
        [](const TConcorrente& c) { return std::to_string(TamanhoDoArquivo(c.Programa)); },
        [](const TConcorrente& c) { return static_cast<double>(TamanhoDoArquivo(c.Programa)); });
    if (!opcoes.NossoSemPayload.empty())
        Linha("  sem o payload (bytes)", {std::to_string(TamanhoDoArquivo(opcoes.NossoSemPayload))},
              {});
    LinhaMedida(
        "partida até a primeira página", concorrentes,
        [](const TConcorrente& c) { return Segundos(c.Partida); },
        [](const TConcorrente& c) { return c.Partida.Mediana(); });
    LinhaMedida(
        "  janelas mostradas e escondidas", concorrentes,
        [](const TConcorrente& c) { return std::to_string(c.JanelasEscondidas); },
        [](const TConcorrente&) { return 0.0; });
    LinhaMedida(
        "instalação (clique à mensagem final)", concorrentes,
        [](const TConcorrente& c) {
            return c.Instala ? Segundos(c.Instalacao) : std::string("não instala");
        },
        [](const TConcorrente& c) { return c.Instalacao.Mediana(); });
    LinhaMedida(
        "desinstalação (clique à pasta removida)", concorrentes,
        [](const TConcorrente& c) {
            return c.Instala && c.Desinstala ? Segundos(c.Desinstalacao)
                                             : std::string("não desinstala");
        },
        [](const TConcorrente& c) { return c.Desinstalacao.Mediana(); });
    LinhaMedida(
        "pico do heap até a primeira página", concorrentes,
        [](const TConcorrente& c) { return Kib(c.PicoNaPartida); },
        [](const TConcorrente& c) { return static_cast<double>(c.PicoNaPartida); });
    LinhaMedida(
        "pico do heap em toda a instalação", concorrentes,
        [](const TConcorrente& c) { return Kib(c.PicoNaInstalacao); },
        [](const TConcorrente& c) { return static_cast<double>(c.PicoNaInstalacao); });
    std::printf("  (tempos: mediana e, entre parênteses, mínimo–máximo das rodadas: o ruído da "
                "máquina)\n");
}

void LinhaDeEscala(const std::string& produto, const char* quem, const TConteudo& esperado,
                   const TConcorrente& concorrente) {
    const double mib = static_cast<double>(esperado.Bytes) / (1u << 20);
    const double mediana = concorrente.Instalacao.Mediana();
    std::printf("  %s%s%9llu %9.1f  %s%12.3f %11.1f  %s\n", Coluna(produto, 22).c_str(),
                Coluna(quem, 7).c_str(), static_cast<unsigned long long>(esperado.Arquivos), mib,
                Coluna(Segundos(concorrente.Instalacao), 28).c_str(),
                1000 * mediana / static_cast<double>(esperado.Arquivos), 1000 * mediana / mib,
                Segundos(concorrente.Desinstalacao).c_str());
}

// The scaling runs: each generated product installed and uninstalled by our wizard and by its
// NSIS installer, alternating; the time per file and per MiB shows a cost that grows faster than
// the work.
void Escala(TBench& bench, const TOpcoes& opcoes, const TRoteiro& nosso, const TRoteiro& nsis) {
    if (opcoes.Escalas.empty())
        return;
    std::printf("\nEscala: produtos gerados, %d rodadas alternadas e uma de aquecimento\n",
                opcoes.RodadasEscala);
    std::printf("  %s%s%9s %9s  %s%12s %11s  %s\n", Coluna("produto", 22).c_str(),
                Coluna("", 7).c_str(), "arquivos", "MiB", Coluna("instalação", 28).c_str(),
                "ms/arquivo", "ms/MiB", "desinstalação");
    std::fflush(stdout);
    for (const TOpcoes::TEscala& escala : opcoes.Escalas) {
        const TConteudo esperado = Conteudo(escala.Fontes);
        TConcorrente deles(nsis, escala.Nsis, "NSIS");
        TConcorrente nossoProduto(nosso, escala.Nosso, "nosso");
        nossoProduto.NoLugar = true;
        for (int rodada = 0; rodada <= opcoes.RodadasEscala; ++rodada) {
            TConcorrente* ordem[2] = {&nossoProduto, &deles};
            if (rodada % 2)
                std::swap(ordem[0], ordem[1]);
            for (TConcorrente* concorrente : ordem)
                bench.Rodada(*concorrente, esperado, rodada > 0);
        }
        const std::string nome = kt::Utf8(escala.Nome);
        LinhaDeEscala(nome, "nosso", esperado, nossoProduto);
        LinhaDeEscala("", "NSIS", esperado, deles);
        std::fflush(stdout);
    }
}

int Comparar(const TOpcoes& opcoes) {
    const TRoteiroNosso roteiroNosso;
    const TRoteiroNsis roteiroNsis;
    TConcorrente nosso(roteiroNosso, opcoes.Nosso, "nosso");
    TConcorrente nsis(roteiroNsis, opcoes.Nsis, "NSIS");
    TConcorrente nsisXP(roteiroNsis, opcoes.NsisXP, "NSIS XPStyle");
    std::vector<TConcorrente*> concorrentes = {&nosso, &nsis};
    if (!opcoes.NsisXP.empty())
        concorrentes.push_back(&nsisXP);
    const TConteudo esperado = Conteudo(opcoes.Fontes);
    TBench bench(opcoes);

    std::printf("Comparação com o NSIS: %d rodadas alternadas e uma de aquecimento; %llu arquivos, "
                "%llu bytes\n",
                opcoes.Rodadas, static_cast<unsigned long long>(esperado.Arquivos),
                static_cast<unsigned long long>(esperado.Bytes));
    std::fflush(stdout);
    // Round 0 warms the disk cache and Wine's libraries for all and is not counted. Each round
    // starts with the next installer, so that none is always the one after another's end.
    for (int rodada = 0; rodada <= opcoes.Rodadas; ++rodada) {
        std::vector<TConcorrente*> ordem = concorrentes;
        std::rotate(ordem.begin(), ordem.begin() + rodada % ordem.size(), ordem.end());
        for (TConcorrente* concorrente : ordem)
            bench.Rodada(*concorrente, esperado, rodada > 0);
    }
    for (TConcorrente* concorrente : concorrentes)
        bench.MedirNaTrilha(*concorrente, esperado);
    ImprimirComparacao({concorrentes.begin(), concorrentes.end()}, opcoes);
    std::fflush(stdout);
    Escala(bench, opcoes, roteiroNosso, roteiroNsis);
    return 0;
}

TOpcoes LerOpcoes(int argc, wchar_t** argv) {
    TOpcoes opcoes;
    for (int i = 1; i < argc; ++i) {
        const std::wstring nome = argv[i];
        const auto valor = [&]() -> std::wstring {
            if (i + 1 >= argc)
                Falhar("falta o valor de " + kt::Utf8(nome));
            return argv[++i];
        };
        if (nome == L"--rodadas")
            opcoes.Rodadas = std::max(1, _wtoi(valor().c_str()));
        else if (nome == L"--rodadas-escala")
            opcoes.RodadasEscala = std::max(1, _wtoi(valor().c_str()));
        else if (nome == L"--pasta")
            opcoes.Pasta = valor();
        else if (nome == L"--trilha")
            opcoes.Trilha = valor();
        else if (nome == L"--nosso")
            opcoes.Nosso = valor();
        else if (nome == L"--nosso-sem-payload")
            opcoes.NossoSemPayload = valor();
        else if (nome == L"--nsis")
            opcoes.Nsis = valor();
        else if (nome == L"--nsis-xpstyle")
            opcoes.NsisXP = valor();
        else if (nome == L"--fontes")
            opcoes.Fontes = valor();
        else if (nome == L"--escala") {
            TOpcoes::TEscala escala;
            escala.Nome = valor();
            escala.Nsis = valor();
            escala.Fontes = valor();
            escala.Nosso = valor();
            opcoes.Escalas.push_back(escala);
        } else
            Falhar("opção desconhecida: " + kt::Utf8(nome));
    }
    if (opcoes.Pasta.empty() || opcoes.Trilha.empty() || opcoes.Nosso.empty() ||
        opcoes.Nsis.empty() || opcoes.Fontes.empty())
        Falhar("uso: kt_bench_nsis --pasta C:\\PASTA\\ --trilha ARQUIVO --nosso EXE --nsis EXE "
               "--fontes PASTA\\ [--nsis-xpstyle EXE] [--nosso-sem-payload EXE] [--rodadas N] "
               "[--rodadas-escala N] "
               "[--escala NOME NSIS_EXE FONTES\\ NOSSO_EXE]...");
    return opcoes;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    try {
        return Comparar(LerOpcoes(argc, argv));
    } catch (const std::exception& erro) {
        std::fprintf(stderr, "kt_bench_nsis: %s\n", erro.what());
        std::printf("kt_bench_nsis: %s\n", erro.what());
        return 1;
    }
}
