// The file copy routine for real: the progress of a copy in blocks, cancelling, the three modes
// with an existing destination (the question answered through its slot), a file that is the
// source under another spelling, a full disk, and a copy from a worker thread whose question and
// report appear on the main thread's windows. A copy that fails or is cancelled leaves the
// destination as it was and nothing beside it. Sources and destinations that cannot be used are
// rows of tests/win/RelatoriosDosServicosTest.cpp.
#include "dialogs/Sobrescrever.h"
#include "dialogs/TextosDialogos.h"
#include "fileops/ArquivoNovo.h"
#include "fileops/NomeNovo.h"
#include "fileops/Texto.h"
#include "fileops/CopiarArquivo.h"
#include "fileops/RelatorioDeErro.h"
#include "fileops/ServicosDeJanela.h"
#include "fileops/TextosFramework.h"
#include "resources/SobrescreverIds.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/Janelas.h"
#include "tests/win/comum/RelatoriosGravados.h"
#include "tests/win/comum/Robo.h"
#include "ui/Application.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <optional>
#include <thread>
#include <vector>

namespace {

using namespace kt;
using teste::PastaTemporaria;
using teste::TRelatorioGravado;

const std::wstring kTituloPergunta(textos_sobrescrever::kTitulo);

void EsperarRelatorio(const TRelatorioGravado& relatorio, const std::wstring& arquivo, int problema,
                      int solucao) {
    EXPECT_EQ(relatorio.Problema, TextoFramework(problema));
    EXPECT_EQ(relatorio.Solucao, TextoFramework(solucao));
    EXPECT_EQ(relatorio.Arquivos, arquivo);
}

// Bytes that differ from block to block, so that a misplaced block shows.
std::string Conteudo(std::size_t tamanho) {
    std::string bytes(tamanho, '\0');
    for (std::size_t i = 0; i < tamanho; ++i)
        bytes[i] = static_cast<char>('a' + (i / 7) % 26);
    return bytes;
}

// An overwrite question as the copy asked it.
struct TPergunta {
    std::wstring Origem;
    std::wstring Destino;
    std::int32_t Botoes = -1;
    bool DescreverOrigem = false;
};

struct TCopia {
    bool Resultado = false;
    std::vector<std::int32_t> Progresso;
    std::vector<TRelatorioGravado> Relatorios;
    std::vector<TPergunta> Perguntas;
};

// The overwrite question's slot: each question kept, answered with `resposta`; without one, a
// question fails the test (and is answered No).
TServicosDeJanela Perguntas(std::vector<TPergunta>& perguntas, std::optional<std::int32_t> resposta,
                            const std::function<void()>& aoPerguntar = {}) {
    TServicosDeJanela servicos;
    servicos.PerguntarSobrescrever =
        [&perguntas, resposta, aoPerguntar](std::wstring_view origem, std::wstring_view destino,
                                            std::int32_t botoes, bool descrever) {
            perguntas.push_back({std::wstring(origem), std::wstring(destino), botoes, descrever});
            if (aoPerguntar)
                aoPerguntar();
            if (!resposta)
                ADD_FAILURE() << "unexpected question";
            return resposta.value_or(kManter);
        };
    return servicos;
}

// Copies with every report recorded and the overwrite question answered with `resposta`.
TCopia Copiar(const std::wstring& origem, const std::wstring& destino, std::int32_t modo,
              bool comProgresso = true, std::optional<int> pararEm = std::nullopt,
              std::optional<std::int32_t> resposta = std::nullopt) {
    TCopia c;
    const auto progresso = [&](std::int32_t percentual, bool& parar) {
        c.Progresso.push_back(percentual);
        parar = pararEm && static_cast<int>(c.Progresso.size()) == *pararEm;
    };
    c.Relatorios = teste::Gravando(
        [&] {
            c.Resultado = CopiarArquivo(
                origem, destino, modo,
                comProgresso ? TEventoProgresso(progresso) : TEventoProgresso(), nullptr);
        },
        Perguntas(c.Perguntas, resposta));
    return c;
}

TEST(CopiarArquivo, A25000ByteFileReportsProgressAfterEveryBlockAndOnceMore) {
    PastaTemporaria pasta(L"kt copiar");
    const std::string bytes = Conteudo(25000);
    ASSERT_TRUE(teste::GravarArquivo(pasta / L"origem.bin", bytes));
    const TCopia c = Copiar(pasta / L"origem.bin", pasta / L"destino.bin", kCopiaSubstitui);
    EXPECT_TRUE(c.Resultado);
    EXPECT_EQ(c.Progresso, (std::vector<std::int32_t>{40, 81, 100, 100}));
    EXPECT_TRUE(c.Relatorios.empty());
    EXPECT_EQ(teste::LerArquivo(pasta / L"destino.bin"), bytes);
    EXPECT_EQ(teste::Nomes(pasta.Caminho()),
              (std::vector<std::wstring>{L"destino.bin", L"origem.bin"}));
}

TEST(CopiarArquivo, AnEmptyFileIsCopiedWithOrWithoutProgress) {
    PastaTemporaria pasta(L"kt copiar");
    ASSERT_TRUE(teste::GravarArquivo(pasta / L"vazio.txt", ""));
    for (bool comProgresso : {true, false}) {
        DeleteFileW((pasta / L"copia.txt").c_str());
        const TCopia c = Copiar(pasta / L"vazio.txt", pasta / L"copia.txt", 0, comProgresso);
        EXPECT_TRUE(c.Resultado);
        EXPECT_TRUE(c.Relatorios.empty());
        EXPECT_TRUE(teste::Existe(pasta / L"copia.txt"));
        EXPECT_EQ(c.Progresso,
                  comProgresso ? std::vector<std::int32_t>{100} : std::vector<std::int32_t>{});
    }
}

// The copy is written into a new file beside the destination, under a name that only the
// framework makes; names already taken, by folders too, are passed over.
TEST(CopiarArquivo, NewFileNamesTakenByFoldersArePassedOver) {
    PastaTemporaria pasta(L"kt copiar");
    std::wstring primeiro;
    {
        TArquivoNovo novo(pasta / L"curso.html");
        const std::vector<std::wstring> nomes = teste::Nomes(pasta.Caminho());
        ASSERT_EQ(nomes.size(), 1u);
        primeiro = nomes.front();
    }
    ASSERT_TRUE(kt::EhNomeNovo(primeiro)) << kt::Utf8(primeiro);
    auto numero = static_cast<std::uint32_t>(std::wcstoul(primeiro.c_str() + 7, nullptr, 16));
    ASSERT_EQ(kt::NomeNovo(numero), primeiro);
    std::vector<std::wstring> pastas;
    for (int i = 0; i < 4; ++i) {
        numero = numero % kt::kNomesNovos + 1;
        pastas.push_back(kt::NomeNovo(numero));
        ASSERT_TRUE(CreateDirectoryW((pasta / pastas.back()).c_str(), nullptr));
    }
    ASSERT_TRUE(teste::GravarArquivo(pasta / L"origem.html", "abc"));
    const TCopia c = Copiar(pasta / L"origem.html", pasta / L"curso.html", 0, true);
    EXPECT_TRUE(c.Resultado);
    EXPECT_TRUE(c.Relatorios.empty());
    EXPECT_EQ(teste::LerArquivo(pasta / L"curso.html"), "abc");
    pastas.insert(pastas.end(), {L"curso.html", L"origem.html"});
    std::sort(pastas.begin(), pastas.end());
    EXPECT_EQ(teste::Nomes(pasta.Caminho()), pastas);
}

TEST(CopiarArquivo, CancellingAfterTheFirstBlockLeavesTheDestinationAsItWas) {
    PastaTemporaria pasta(L"kt copiar");
    ASSERT_TRUE(teste::GravarArquivo(pasta / L"origem.bin", Conteudo(25000)));
    for (const char* anterior : {static_cast<const char*>(nullptr), "versão anterior"}) {
        SCOPED_TRACE(anterior ? "existing destination" : "new destination");
        DeleteFileW((pasta / L"destino.bin").c_str());
        if (anterior) {
            ASSERT_TRUE(teste::GravarArquivo(pasta / L"destino.bin", anterior));
        }
        const TCopia c = Copiar(pasta / L"origem.bin", pasta / L"destino.bin", 0, true, 1);
        EXPECT_FALSE(c.Resultado);
        EXPECT_EQ(c.Progresso, (std::vector<std::int32_t>{40}));
        EXPECT_TRUE(c.Relatorios.empty());
        EXPECT_EQ(teste::Existe(pasta / L"destino.bin"), anterior != nullptr);
        if (anterior) {
            EXPECT_EQ(teste::LerArquivo(pasta / L"destino.bin"), anterior);
        }
        EXPECT_EQ(teste::Nomes(pasta.Caminho()).size(), anterior ? 2u : 1u)
            << "nothing left beside it";
    }
}

struct TCasoModo {
    const char* Nome;
    std::int32_t Modo;
    std::optional<std::int32_t> Resposta; // the question's answer; none: no question
    bool Copia;
};

TEST(CopiarArquivo, AnExistingDestinationIsReplacedKeptOrAskedAboutByTheMode) {
    const std::vector<TCasoModo> casos = {
        {"0 replaces", kCopiaSubstitui, std::nullopt, true},
        {"any other value replaces", 7, std::nullopt, true},
        {"1 keeps", kCopiaMantem, std::nullopt, false},
        {"2, sim", kCopiaPergunta, kSobrescrever, true},
        {"2, Não", kCopiaPergunta, kManter, false},
    };
    PastaTemporaria pasta(L"kt copiar");
    const std::wstring origem = pasta / L"novo.txt";
    const std::wstring destino = pasta / L"antigo.txt";
    ASSERT_TRUE(teste::GravarArquivo(origem, "conteúdo novo"));
    for (const TCasoModo& caso : casos) {
        SCOPED_TRACE(caso.Nome);
        ASSERT_TRUE(teste::GravarArquivo(destino, "conteúdo antigo"));
        const TCopia c = Copiar(origem, destino, caso.Modo, false, std::nullopt, caso.Resposta);
        EXPECT_EQ(c.Resultado, caso.Copia);
        ASSERT_EQ(c.Perguntas.size(), caso.Resposta ? 1u : 0u);
        if (caso.Resposta) {
            // Without the "to all" buttons, describing the source.
            EXPECT_EQ(c.Perguntas[0].Origem, origem);
            EXPECT_EQ(c.Perguntas[0].Destino, destino);
            EXPECT_EQ(c.Perguntas[0].Botoes, 0);
            EXPECT_TRUE(c.Perguntas[0].DescreverOrigem);
        }
        EXPECT_TRUE(c.Relatorios.empty());
        EXPECT_EQ(teste::LerArquivo(destino), caso.Copia ? "conteúdo novo" : "conteúdo antigo");
    }
    DeleteFileW(destino.c_str());
    EXPECT_TRUE(Copiar(origem, destino, kCopiaMantem, false).Resultado)
        << "mode 1 copies when there is no destination";
}

TEST(CopiarArquivo, TheLockIsHeldOnlyWhileTheQuestionIsOnScreen) {
    PastaTemporaria pasta(L"kt copiar");
    ASSERT_TRUE(teste::GravarArquivo(pasta / L"a.txt", "a"));
    ASSERT_TRUE(teste::GravarArquivo(pasta / L"b.txt", "b"));
    CRITICAL_SECTION trava;
    InitializeCriticalSection(&trava);
    const auto livre = [&] {
        bool entrou = false;
        std::thread([&] {
            entrou = TryEnterCriticalSection(&trava);
            if (entrou)
                LeaveCriticalSection(&trava);
        }).join();
        return entrou;
    };
    bool livreDurante = true;
    bool copiou = false;
    std::vector<TPergunta> perguntas;
    teste::Gravando(
        [&] { copiou = CopiarArquivo(pasta / L"a.txt", pasta / L"b.txt", 2, {}, &trava); },
        Perguntas(perguntas, kSobrescrever, [&] { livreDurante = livre(); }));
    EXPECT_TRUE(copiou);
    EXPECT_FALSE(livreDurante);
    EXPECT_TRUE(livre());
    DeleteCriticalSection(&trava);
}

// Another spelling of the source: the copy would truncate it.
std::wstring CurtoDe(const std::wstring& caminho) {
    wchar_t curto[MAX_PATH] = {};
    GetShortPathNameW(caminho.c_str(), curto, MAX_PATH);
    return curto;
}

TEST(CopiarArquivo, TheSourceUnderAnotherSpellingIsNotCopiedOntoItself) {
    PastaTemporaria pasta(L"kt copiar");
    const std::wstring origem = pasta / L"arquivo de origem.txt";
    const std::string bytes = Conteudo(30000);
    ASSERT_TRUE(teste::GravarArquivo(origem, bytes));
    const std::wstring ligacao = pasta / L"ligação.txt";
    ASSERT_TRUE(CreateHardLinkW(ligacao.c_str(), origem.c_str(), nullptr));
    const std::wstring nomeDaPasta =
        pasta.Caminho().substr(pasta.Caminho().find_last_of(L'\\', pasta.Caminho().size() - 2) + 1);
    const std::vector<std::pair<const char*, std::wstring>> grafias = {
        {"case and blanks", L"  " + pasta / L"ARQUIVO DE ORIGEM.TXT" + L" \t"},
        {"through ..", pasta / (L"..\\" + nomeDaPasta + L"arquivo de origem.txt")},
        {"short name", CurtoDe(origem)},
        {"hard link", ligacao},
    };
    for (const auto& [nome, grafia] : grafias) {
        SCOPED_TRACE(nome);
        ASSERT_NE(grafia, origem);
        for (std::int32_t modo : {kCopiaSubstitui, kCopiaPergunta}) {
            const TCopia c = Copiar(origem, grafia, modo);
            EXPECT_FALSE(c.Resultado);
            EXPECT_TRUE(c.Perguntas.empty());
            ASSERT_EQ(c.Relatorios.size(), 1u);
            EsperarRelatorio(c.Relatorios[0], origem, ids::kCopiaImpossivel,
                             ids::kCopiaSobreSiMesmo);
            EXPECT_EQ(teste::LerArquivo(origem), bytes);
        }
    }
}

// The progress of a file of 4 GiB and more counts its whole size: the first block of 4 GiB and
// 20 kB is 0 %, where the low 32 bits of the size alone would make it 50 %.
TEST(CopiarArquivo, TheProgressOfAFileOf4GiBAndMoreCountsItsWholeSize) {
    PastaTemporaria pasta(L"kt copiar");
    const std::wstring origem = pasta / L"grande.bin";
    ASSERT_TRUE(teste::GravarArquivoVazio(origem, (4LL << 30) + 2 * kBlocoCopia));
    const TCopia c = Copiar(origem, pasta / L"copia.bin", 0, true, 1);
    EXPECT_FALSE(c.Resultado);
    EXPECT_EQ(c.Progresso, (std::vector<std::int32_t>{0}));
    EXPECT_EQ(teste::Nomes(pasta.Caminho()), (std::vector<std::wstring>{L"grande.bin"}));
}

TEST(CopiarArquivo, FromAWorkerTheQuestionAndTheReportAppearOnTheMainThread) {
    PastaTemporaria pasta(L"kt copiar");
    ASSERT_TRUE(teste::GravarArquivo(pasta / L"a.txt", "novo"));
    ASSERT_TRUE(teste::GravarArquivo(pasta / L"b.txt", "antigo"));
    const DWORD principal = GetCurrentThreadId();
    std::atomic<bool> terminou{false};
    bool copiou = false;
    bool faltouCopiar = true;
    DWORD tarefaDaPergunta = 0;
    const auto relatorios = teste::ComRoboDeJanelas(
        [&] {
            std::thread trabalhador([&] {
                copiou = CopiarArquivo(pasta / L"a.txt", pasta / L"b.txt", 2, {}, nullptr);
                faltouCopiar = CopiarArquivo(pasta / L"x.txt", pasta / L"y.txt", 0, {}, nullptr);
                terminou = true;
            });
            teste::EsperarAte([&] {
                ui::Application::ProcessMessages();
                return terminou.load();
            });
            trabalhador.join();
        },
        {{kTituloPergunta, [&](HWND j) {
              tarefaDaPergunta = GetWindowThreadProcessId(j, nullptr);
              teste::Clicar(teste::Controle(j, IDC_bitSim));
          }}});
    EXPECT_TRUE(copiou);
    EXPECT_FALSE(faltouCopiar);
    EXPECT_EQ(tarefaDaPergunta, principal);
    ASSERT_EQ(relatorios.size(), 1u);
    EXPECT_EQ(GetWindowThreadProcessId(relatorios[0].Janela, nullptr), principal);
    EXPECT_EQ(relatorios[0].Arquivos,
              std::wstring(TextoFramework(ids::kArquivos)) + pasta / L"x.txt");
    EXPECT_EQ(teste::LerArquivo(pasta / L"b.txt"), "novo");
}

// On a 1 MiB disk (tests/win/disco_cheio.sh), a 2 MiB copy over an existing file.
TEST(CopiarArquivoDiscoCheio, AFullDiskIsReportedAndTheDestinationKeptAsItWas) {
    std::string semDisco;
    const std::wstring disco = teste::DiscoCheio(semDisco);
    if (disco.empty())
        GTEST_SKIP() << "no full disk to copy to: " << semDisco;
    PastaTemporaria pasta(L"kt copiar");
    const std::wstring origem = pasta / L"grande.bin";
    ASSERT_TRUE(teste::GravarArquivo(origem, Conteudo(2 << 20)));
    const std::wstring destino = disco + L"curso.bin";
    ASSERT_TRUE(teste::GravarArquivo(destino, "versão anterior"));
    const TCopia c = Copiar(origem, destino, kCopiaSubstitui);
    EXPECT_FALSE(c.Resultado);
    ASSERT_EQ(c.Relatorios.size(), 1u);
    EsperarRelatorio(c.Relatorios[0], destino, ids::kDiscoCheio, ids::kDiscoCheioSolucao);
    EXPECT_EQ(teste::LerArquivo(destino), "versão anterior");
    EXPECT_EQ(teste::Nomes(disco), (std::vector<std::wstring>{L"curso.bin"}));
    DeleteFileW(destino.c_str());
}

} // namespace
