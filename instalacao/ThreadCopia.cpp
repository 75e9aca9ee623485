#include "instalacao/ThreadCopia.h"

#include "fileops/Ansi.h"
#include "fileops/Arquivos.h"
#include "fileops/Caminhos.h"
#include "fileops/CopiarArquivo.h"
#include "fileops/IdentidadeArquivo.h"
#include "fileops/RelatorioDeErro.h"
#include "fileops/ServicosDeJanela.h"
#include "fileops/Texto.h"
#include "fileops/TextosFramework.h"
#include "instalacao/TextosCopia.h"
#include "payload/container/Descompactar.h"
#include "payload/container/ExtrairRecurso.h"
#include "payload/container/VerificarArquivoZLib.h"
#include "ui/Application.h"
#include "base/Exception.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

namespace kt {

namespace {

namespace textos = textos_copia;

// The overall gauge: directories, the start of the copying, the span of the files, and the steps
// after them.
constexpr std::int32_t kGeralDiretorios = 2;
constexpr std::int32_t kGeralCopia = 4;
constexpr double kGeralInicioArquivos = 5;
constexpr double kGeralFaixaArquivos = 90;
constexpr std::int32_t kGeralAtalhos = 96;
constexpr std::int32_t kGeralRegistro = 97;
constexpr std::int32_t kGeralFinalizando = 98;
constexpr std::int32_t kGeralQuaseFim = 99;
constexpr std::int32_t kGeralFim = 100;

// The shortest time between two screens: about the eye's.
constexpr ULONGLONG kIntervaloDaTela = 40;

// The copy routine's mode that replaces an existing destination without asking: the worker has
// asked already.
constexpr std::int32_t kSubstituirSemPerguntar = kCopiaSubstitui;
// The most characters that the locate dialog hands back.
constexpr std::int32_t kTamanhoDoCaminho = static_cast<std::int32_t>(kTamanhoTextoCurto);

// Leaves the run at a check point; caught by Execute, which removes what the run created.
struct EParada {};

// A resource name, or a file name without a folder, is not described by the overwrite question.
bool TemPasta(const std::wstring& caminho) {
    return caminho.find_first_of(L"\\/:") != std::wstring::npos;
}

// The marker file's text, or nothing when it is missing, unreadable or too large to be one.
std::optional<std::wstring> LerMarca(const std::wstring& arquivo) {
    const base::UniqueFile marca(CreateFileW(arquivo.c_str(), GENERIC_READ, FILE_SHARE_READ,
                                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                             nullptr));
    if (!marca)
        return std::nullopt;
    std::string bytes(kTamanhoMaximoDaMarca + 1, '\0');
    DWORD lidos = 0;
    if (!ReadFile(marca.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &lidos, nullptr) ||
        lidos > kTamanhoMaximoDaMarca)
        return std::nullopt;
    bytes.resize(lidos);
    return DeAnsi(bytes);
}

} // namespace

TCopiaDeArquivos* TCopiaDeArquivos::Iniciar(TJanelaDaCopia& janela, TDadosDaCopia dados,
                                            std::function<void(TCopiaDeArquivos&)> aoTerminar) {
    std::unique_ptr<TCopiaDeArquivos> corpo(new TCopiaDeArquivos(janela, std::move(dados)));
    TCopiaDeArquivos* copia = corpo.get();
    auto* tarefa = new ui::Thread(std::move(corpo));
    tarefa->SetFreeOnTerminate(true);
    tarefa->OnTerminate = [copia, aoTerminar = std::move(aoTerminar)](ui::Thread&) {
        aoTerminar(*copia);
    };
    tarefa->Start();
    return copia;
}

TCopiaDeArquivos::TCopiaDeArquivos(TJanelaDaCopia& janela, TDadosDaCopia dados)
    : janela_(janela), dados_(std::move(dados)),
      aoProgredir_(
          [this](std::int32_t percentual, bool& parar) { AoProgredir(percentual, parar); }),
      semPausa_(CreateEventW(nullptr, TRUE, TRUE, nullptr)),
      varredura_(dados_.Destinos.Instalacao) {
    if (!semPausa_)
        throw base::Exception(L"Não foi possível criar a tarefa de cópia.");
    // One blank each: the first screen clears what the labels hold.
    tela_.Origem = L" ";
    tela_.Destino = L" ";
}

void TCopiaDeArquivos::Pausar() {
    ResetEvent(semPausa_.Get());
}

void TCopiaDeArquivos::Continuar() {
    SetEvent(semPausa_.Get());
}

void TCopiaDeArquivos::Execute() {
    try {
        janela_.DefinirErroDeDiretorio(false);
        Passo(kGeralDiretorios, textos::kCriandoDiretorios);
        if (!CriarDiretorios()) {
            PontoDeParada();
            criados_.Desfazer();
            return;
        }
        PontoDeParada();
        Passo(kGeralCopia, textos::kCopiandoArquivos);
        CopiarArquivos();
        PontoDeParada();

        // From here on every file is in place: the run goes to its end.
        comprometida_ = true;
        Passo(kGeralAtalhos, textos::kCriandoAtalhos);
        Sincronizar([this] { CriarAtalhos(); });
        Passo(kGeralRegistro, textos::kAtualizandoRegistro);
        if (dados_.RegistrarProduto) {
            MostrarTelaAntesDoGancho();
            dados_.RegistrarProduto(dados_.Destinos.Instalacao);
        }
        Passo(kGeralFinalizando, textos::kFinalizando);
        if (dados_.AoFinalizar) {
            MostrarTelaAntesDoGancho();
            dados_.AoFinalizar(dados_.Destinos.Instalacao);
        }
        Passo(kGeralQuaseFim, nullptr);
        Passo(kGeralFim, textos::kTerminou);
        MostrarMensagemFinal(todosOsDiscos_ ? textos::kSucesso : textos::kInterrompida);
    } catch (const EParada&) {
        Desfazer();
    } catch (...) {
        try {
            MostrarMensagemFinal(textos::kErroDuranteInstalacao);
        } catch (...) {
            // The main thread takes no more steps: nobody is left to tell.
        }
    }
}

bool TCopiaDeArquivos::Interrompida() const {
    return !comprometida_ && (parar_ || Terminated());
}

void TCopiaDeArquivos::PontoDeParada() const {
    if (Interrompida())
        throw EParada{};
}

void TCopiaDeArquivos::Desfazer() {
    criados_.Desfazer();
    desfeita_ = true;
}

bool TCopiaDeArquivos::Pausada() const {
    return WaitForSingleObject(semPausa_.Get(), 0) == WAIT_TIMEOUT;
}

bool TCopiaDeArquivos::Sincronizar(const std::function<void()>& passo, TTelaAntes tela) {
    for (bool feito = false; !feito;) {
        WaitForSingleObject(semPausa_.Get(), INFINITE);
        // Told to stop while it waited: the step would only hold the run up.
        if (Interrompida())
            return false;
        // A step handed over just before the pause would come up over the question about
        // stopping: the main thread turns it back, and the worker waits for the answer.
        Synchronize([&] {
            if (Pausada())
                return;
            if (telaPendente_ && (tela == TTelaAntes::Sempre || TelaVencida()))
                MostrarTelaPendente();
            passo();
            feito = true;
        });
    }
    return true;
}

void TCopiaDeArquivos::Passo(std::int32_t geral, const wchar_t* status) {
    tela_.Geral = geral;
    if (status)
        tela_.Status = status;
    AtualizarTela();
    PontoDeParada();
}

// Each screen is painted at once on the main thread, and the worker waits for it: as often as the
// eye can tell and no more often. A screen that comes sooner waits for the next one that is due,
// or for the next step that the user may look at for a while (a question, a report, the shortcut
// hooks, a hook on the worker's own thread, the closing message), which shows it first.
void TCopiaDeArquivos::AtualizarTela() {
    telaPendente_ = true;
    if (!TelaVencida())
        return;
    // Progress of an embedded file's extraction comes on the main thread, which never waits.
    if (ui::Application::IsMainThread())
        MostrarTelaPendente();
    else
        Sincronizar([] {});
}

bool TCopiaDeArquivos::TelaVencida() const {
    return GetTickCount64() - ultimaTela_ >= kIntervaloDaTela;
}

void TCopiaDeArquivos::MostrarTelaPendente() {
    janela_.MostrarTela(tela_);
    telaPendente_ = false;
    ultimaTela_ = GetTickCount64();
}

void TCopiaDeArquivos::MostrarTelaAntesDoGancho() {
    if (telaPendente_)
        Sincronizar([] {});
}

void TCopiaDeArquivos::AoProgredir(std::int32_t percentual, bool& parar) {
    // A copy reports after every block: the screen follows when the percentage changes.
    const auto atual = static_cast<std::uint32_t>(percentual);
    if (atual != tela_.Atual) {
        tela_.Atual = atual;
        AtualizarTela();
    }
    // A large file stops in the middle; the copy then leaves its destination as it was.
    parar = Interrompida();
}

void TCopiaDeArquivos::Relatar(const std::wstring& problema, const std::wstring& arquivos,
                               const std::wstring& solucao) {
    Sincronizar([&] {
        kt::Relatar(kModuloDoFramework, Curta(problema), Curta(arquivos), solucao, &dados_.Ajuda,
                    nullptr);
    });
}

void TCopiaDeArquivos::MostrarExcecao(std::exception_ptr erro) {
    Sincronizar([erro] { ui::Application::HandleException(erro); });
}

void TCopiaDeArquivos::MostrarMensagemFinal(const wchar_t* mensagem) {
    Sincronizar([mensagem] {
        ui::Application::ShowMessageBox(mensagem, textos::kInformacao, MB_OK | MB_ICONINFORMATION);
    });
}

bool TCopiaDeArquivos::CriarDiretorios() {
    try {
        diretorioAtual_ = dados_.Destinos.Instalacao;
        if (!criados_.CriarPasta(diretorioAtual_)) {
            Sincronizar([this] { ErroDeDiretorioCriado(); });
            return false;
        }
        // A directory in which the diary cannot be kept cannot take the installation.
        criados_.AbrirDiario(diretorioAtual_);
        TListaLinhas& diretorios = janela_.LinhasDeDiretorio();
        for (int i = 0; i < diretorios.Contar(); ++i) {
            const TListaCampos campos = diretorios.Campos(i);
            diretorioAtual_ = dados_.Destinos.Instalacao + campos[coluna_diretorio::kCaminho];
            if (campos[coluna_diretorio::kCaminho].empty())
                continue;
            if (campos[coluna_diretorio::kEstado] == kRemover) {
                // Only an empty folder goes: a folder with files in it stays.
                RemoveDirectoryW(diretorioAtual_.c_str());
            } else if (criados_.CriarPasta(diretorioAtual_)) {
                MarcarDiretorio(i);
            } else {
                Sincronizar([this] { ErroDeDiretorioCriado(); });
                return false;
            }
        }
        return true;
    } catch (const EParada&) {
        throw;
    } catch (...) {
        Sincronizar([this] { ErroDeDiretorioCriado(); });
        return false;
    }
}

void TCopiaDeArquivos::ErroDeDiretorioCriado() {
    kt::Relatar(kModuloDoFramework, Curta(diretorioAtual_), Curta(dados_.Destinos.Instalacao),
                textos::kDiretorioNaoCriado, &dados_.Ajuda, nullptr);
    janela_.DefinirErroDeDiretorio(true);
    janela_.VoltarAsOpcoes();
}

void TCopiaDeArquivos::MarcarDiretorio(int linha) {
    TListaLinhas& diretorios = janela_.LinhasDeDiretorio();
    TListaCampos campos = diretorios.Campos(linha);
    campos[coluna_diretorio::kEstado] = kSim;
    diretorios.Substituir(linha, Juntar(campos));
}

void TCopiaDeArquivos::MarcarArquivo(int linha) {
    TListaLinhas& arquivos = janela_.LinhasDeArquivo();
    TListaCampos campos = arquivos.Campos(linha);
    campos[coluna_arquivo::kEstado] = kSim;
    arquivos.Substituir(linha, Juntar(campos));
}

std::int64_t TCopiaDeArquivos::TotalDePeso() {
    const TListaLinhas& arquivos = janela_.LinhasDeArquivo();
    std::int64_t total = 0;
    try {
        for (int i = 0; i < arquivos.Contar(); ++i)
            total += LerNumero(arquivos.Campos(i)[coluna_arquivo::kPeso]);
    } catch (const base::EConvertError&) {
        return 0;
    }
    return total;
}

void TCopiaDeArquivos::CopiarArquivos() {
    const std::int64_t total = TotalDePeso();
    if (total == 0)
        Relatar({}, {}, textos::kErroNoTotal);
    std::int64_t feito = 0;
    if (dados_.NumeroDeDiscos < 1) {
        TodosOsDiscosCopiados();
        return;
    }
    try {
        for (disco_ = 1; disco_ <= dados_.NumeroDeDiscos; ++disco_) {
            Sincronizar([this] { VerificarDisco(); });
            PontoDeParada();
            if (!discoPronto_)
                return;
            CopiarDisco(total, feito);
        }
        TodosOsDiscosCopiados();
    } catch (const EParada&) {
        throw;
    } catch (...) {
        MostrarExcecao(std::current_exception());
    }
}

void TCopiaDeArquivos::TodosOsDiscosCopiados() {
    todosOsDiscos_ = true;
    janela_.DefinirPodeFechar();
}

void TCopiaDeArquivos::CopiarDisco(std::int64_t total, std::int64_t& feito) {
    TListaLinhas& arquivos = janela_.LinhasDeArquivo();
    for (int i = 0; i < arquivos.Contar(); ++i) {
        const TListaCampos campos = arquivos.Campos(i);
        const std::int32_t disco = LerNumero(campos[coluna_arquivo::kDisco]);
        PontoDeParada();
        if (campos[coluna_arquivo::kEstado] == kNao || disco != disco_)
            continue;
        ProcessarArquivo(i, campos);
        feito += LerNumero(arquivos.Campos(i)[coluna_arquivo::kPeso]);
        if (total != 0) {
            const double geral =
                static_cast<double>(feito) / static_cast<double>(total) * kGeralFaixaArquivos +
                kGeralInicioArquivos;
            // Weights are the description's: a negative one must not take the gauge off its
            // scale, nor the conversion past an integer.
            tela_.Geral = static_cast<std::int32_t>(std::clamp(geral, 0.0, 100.0));
            AtualizarTela();
        }
        PontoDeParada();
    }
}

void TCopiaDeArquivos::ProcessarArquivo(int linha, const TListaCampos& campos) {
    const std::wstring& origem = campos[coluna_arquivo::kOrigem];
    const std::wstring tipo = Minusculas(campos[coluna_arquivo::kTipo]);
    const bool remover = campos[coluna_arquivo::kEstado] == kRemover;
    tela_.Destino = CaminhoDeDestino(campos, dados_.Destinos);
    tela_.Origem = OrigemDe(campos, tipo);
    PontoDeParada();

    perguntou_ = false;
    copiar_ = false;
    if (tipo == kTipoRcdata || remover) {
        copiar_ = true;
    } else if (EhArquivo(tela_.Origem)) {
        copiar_ = true;
    } else {
        // Only a missing source needs the main thread: the locate dialog.
        Sincronizar([this] { VerificarOrigem(); });
        PontoDeParada();
    }
    if (tipo == kTipoRcdata)
        tela_.Origem = origem;
    // The row's names go with the next screen, at the latest before a question about them.
    telaPendente_ = true;
    // Only an existing target needs the main thread: the overwrite question.
    if (copiar_ && EhArquivo(tela_.Destino)) {
        Sincronizar([this] { ConfirmarSobrescrita(); });
        PontoDeParada();
    }
    if (perguntou_ || copiar_)
        MarcarArquivo(linha);
    PontoDeParada();
    if (!copiar_)
        return;
    if (remover) {
        // A missing file is no failure: there is nothing to remove.
        DeleteFileW(tela_.Destino.c_str());
        return;
    }
    VarrerPastaDoDestino();
    const bool existia = EhArquivo(tela_.Destino);
    const bool escrito = EscreverArquivo(campos, tipo) && AnotarEscrito(!existia);
    // A file stopped in the middle is left as it was; the check point ends the run.
    PontoDeParada();
    // The installed program installing again into its own folder: the copy routine refuses to copy
    // the file onto itself and says so, and the file is where it belongs. The run goes on.
    if (!escrito && MesmoArquivo(tela_.Origem, tela_.Destino))
        return;
    if (!escrito) {
        // Its report is up already. The installation cannot be whole, and a full disk or a
        // folder that takes no file would fail every later file the same way: stop here.
        MostrarMensagemFinal(textos::kErroDuranteInstalacao);
        throw EParada{};
    }
}

// A plain copy of the program itself takes the file that runs, whatever its name: beside a
// second download ("Pontilha (1).exe"), a "Pontilha.exe" there is somebody else's.
std::wstring TCopiaDeArquivos::OrigemDe(const TListaCampos& campos,
                                        const std::wstring& tipo) const {
    const std::wstring& origem = campos[coluna_arquivo::kOrigem];
    if (tipo != kTipoRcdata && tipo != kTipoZlib && NomeiaOProprioPrograma(origem))
        return dados_.Programa;
    return dados_.DiretorioDoPrograma + origem;
}

void TCopiaDeArquivos::VarrerPastaDoDestino() {
    const std::wstring pasta(PastaDe(tela_.Destino));
    if (varridas_.insert(Minusculas(pasta)).second)
        varredura_.VarrerNovos(pasta);
}

// A file that cannot be noted in the diary would be left behind by the uninstall: it fails like
// a write, with the report of its error naming the diary.
bool TCopiaDeArquivos::AnotarEscrito(bool novo) {
    TRegistroAjuda ajuda;
    PreencherAjudaPadrao(ajuda);
    return ExecutarRelatando(ajuda, {}, dados_.Destinos.Instalacao + kArquivoDoDiario,
                             [&] { criados_.ArquivoEscrito(tela_.Destino, novo); });
}

bool TCopiaDeArquivos::EscreverArquivo(const TListaCampos& campos, const std::wstring& tipo) {
    if (tipo == kTipoZlib) {
        if (VerificarArquivoZLib(tela_.Origem, nullptr))
            return DescompactarArquivo(tela_.Origem, tela_.Destino, aoProgredir_);
        Relatar(textos::kNaoEZLib, tela_.Origem, std::wstring(TextoFramework(ids::kSemSolucao)));
        return false;
    }
    if (tipo == kTipoRcdata) {
        const std::wstring nomeRecurso = campos[coluna_arquivo::kOrigem];
        bool extraido = false;
        // The extraction takes the screen with it only when one is due: each file's would cost
        // the main thread more than the extraction itself.
        Sincronizar([&] { extraido = ExtrairRecurso(nomeRecurso, tela_.Destino, aoProgredir_); },
                    TTelaAntes::SeVencida);
        return extraido;
    }
    return CopiarArquivo(tela_.Origem, tela_.Destino, kSubstituirSemPerguntar, aoProgredir_,
                         nullptr);
}

void TCopiaDeArquivos::VerificarOrigem() {
    if (EhArquivo(tela_.Origem)) {
        copiar_ = true;
        return;
    }
    std::wstring caminho = Curta(tela_.Origem);
    const std::int32_t resposta = ServicosDeJanela().EncontrarArquivo(caminho, kTamanhoDoCaminho);
    tela_.Origem = caminho;
    if (resposta == kEncontrarCancelar)
        parar_ = true;
    copiar_ = resposta == kEncontrarContinuar;
}

void TCopiaDeArquivos::ConfirmarSobrescrita() {
    if (!copiar_ || !EhArquivo(tela_.Destino))
        return;
    if (simParaTodos_)
        return;
    if (naoParaTodos_) {
        copiar_ = false;
        return;
    }
    const std::int32_t resposta = ServicosDeJanela().PerguntarSobrescrever(
        tela_.Origem, tela_.Destino, kBotaoSimTodos | kBotaoNaoTodos, TemPasta(tela_.Origem));
    simParaTodos_ = resposta == kSobrescreverTodos;
    naoParaTodos_ = resposta == kManterTodos;
    copiar_ = resposta == kSobrescrever || resposta == kSobrescreverTodos;
    perguntou_ = true;
}

void TCopiaDeArquivos::VerificarDisco() {
    discoPronto_ = true;
    if (disco_ == 1 && !dados_.ConferirPrimeiroDisco)
        return; // the first disk is the medium that the wizard runs from
    for (;;) {
        const std::int32_t resposta =
            ServicosDeJanela().PedirDisco(disco_, textos::kConjuntoDeDiscos, {});
        if (!dados_.ConferirDiscos) {
            discoPronto_ = resposta != kDiscoParar;
            return;
        }
        if (resposta == kDiscoParar) {
            discoPronto_ = false;
            return;
        }
        if (resposta == kDiscoNaoChecar || ConferirMarcaDeDisco())
            return;
    }
}

bool TCopiaDeArquivos::ConferirMarcaDeDisco() {
    TMarcaDeDisco* marca = dados_.MarcaDeDisco;
    if (!marca)
        return false;
    const std::optional<std::wstring> texto =
        LerMarca(dados_.DiretorioDoPrograma + kArquivoDeMarcaDeDisco);
    if (!texto || !marca->Interpretar(*texto)) {
        marca->Esquecer();
        return false;
    }
    return marca->Identifica(dados_.IdentificacaoDoDisco, disco_);
}

void TCopiaDeArquivos::CriarAtalhos() {
    for (const TGancho& opcao : dados_.Opcoes) {
        if (!opcao)
            continue;
        try {
            opcao(dados_.Destinos.Instalacao);
        } catch (const base::EAccessViolation&) {
            kt::Relatar(kModuloDoFramework, {}, {}, textos::kErroNoAtalho, &dados_.Ajuda, nullptr);
            return;
        } catch (...) {
            ui::Application::HandleException(std::current_exception());
            return;
        }
    }
}

} // namespace kt
