#include "instalacao/ThreadCopia.h"

#include "base/Exception.h"
#include "fileops/Ansi.h"
#include "fileops/Arquivos.h"
#include "fileops/Caminhos.h"
#include "fileops/CopiarArquivo.h"
#include "fileops/IdentidadeArquivo.h"
#include "fileops/LinhasDoDiario.h"
#include "fileops/RelatorioDeErro.h"
#include "fileops/ServicosDeJanela.h"
#include "fileops/Texto.h"
#include "fileops/TextosFramework.h"
#include "instalacao/TextosCopia.h"
#include "payload/container/Descompactar.h"
#include "payload/container/ExtrairRecurso.h"
#include "payload/container/VerificarArquivoZLib.h"
#include "ui/Application.h"

#include <windows.h>

#include <algorithm>
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

// The copy routine's mode that replaces an existing destination without asking: the worker has
// asked already.
constexpr std::int32_t kSubstituirSemPerguntar = kCopiaSubstitui;
// The most characters that the locate dialog hands back.
constexpr std::int32_t kTamanhoDoCaminho = static_cast<std::int32_t>(kTamanhoTextoCurto);

// A file that could not be written: its report is up already, and the run stops there.
struct EEscritaFalhou {};

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

TCopiaDeArquivos::TCopiaDeArquivos(TJanelaDaCopia& janela, TDadosDaCopia dados)
    : TTrabalho(janela), janela_(janela), dados_(std::move(dados)),
      varredura_(dados_.Destinos.Instalacao) {}

void TCopiaDeArquivos::Execute() {
    fim_ = Instalar();
}

// The run in one line: every way out of it is one outcome.
TFimDaCopia TCopiaDeArquivos::Instalar() {
    try {
        Passo(kGeralDiretorios, textos::kCriandoDiretorios);
        if (!CriarDiretorios()) {
            PontoDeParada();
            criados_.Desfazer();
            return TFimDaCopia::DiretorioNaoCriado;
        }
        Passo(kGeralCopia, textos::kCopiandoArquivos);
        const TFimDaCopia fim = CopiarArquivos();
        // From here on every file is in place: the run goes to its end.
        SemVolta();
        Concluir(fim == TFimDaCopia::Concluida);
        return fim;
    } catch (const EParada&) {
        Desfazer();
        return TFimDaCopia::Cancelada;
    } catch (const EEscritaFalhou&) {
        // The message comes over what is really on disk.
        Desfazer();
        SemVolta();
        MostrarMensagemFinal(textos::kErroDuranteInstalacao);
        return TFimDaCopia::EscritaFalhou;
    } catch (...) {
        SemVolta();
        try {
            MostrarMensagemFinal(textos::kErroDuranteInstalacao);
        } catch (...) {
            // The main thread takes no more steps: nobody is left to tell.
        }
        return TFimDaCopia::ErroNoPasso;
    }
}

void TCopiaDeArquivos::Concluir(bool todosOsDiscos) {
    Passo(kGeralAtalhos, textos::kCriandoAtalhos);
    NaPrincipal([this] { CriarAtalhos(); });
    Passo(kGeralRegistro, textos::kAtualizandoRegistro);
    if (dados_.RegistrarProduto)
        dados_.RegistrarProduto(dados_.Destinos.Instalacao);
    Passo(kGeralFinalizando, textos::kFinalizando);
    if (dados_.AoFinalizar)
        dados_.AoFinalizar(dados_.Destinos.Instalacao);
    Passo(kGeralQuaseFim, nullptr);
    Passo(kGeralFim, textos::kTerminou);
    MostrarMensagemFinal(todosOsDiscos ? textos::kSucesso : textos::kInterrompida);
}

void TCopiaDeArquivos::Desfazer() {
    criados_.Desfazer();
}

void TCopiaDeArquivos::Passo(std::int32_t geral, const wchar_t* status) {
    MudarTela([&](TTela& tela) {
        tela.Geral = geral;
        if (status)
            tela.Status = status;
    });
    PontoDeParada();
}

void TCopiaDeArquivos::AoProgredir(std::int32_t percentual, bool& parar) {
    MudarTela([&](TTela& tela) { tela.Atual = static_cast<std::uint32_t>(percentual); });
    // A large file waits in the middle while the user is asked whether to stop, and stops there;
    // the copy then leaves its destination as it was. An extraction on the main thread, where
    // the question comes, cannot be held.
    if (!ui::Application::IsMainThread())
        EsperarSemPausa();
    parar = Interrompido();
}

void TCopiaDeArquivos::Relatar(const std::wstring& problema, const std::wstring& arquivos,
                               const std::wstring& solucao) {
    NaPrincipal([&] {
        kt::Relatar(kModuloDoFramework, Curta(problema), Curta(arquivos), solucao, &dados_.Ajuda,
                    nullptr);
    });
}

void TCopiaDeArquivos::MostrarExcecao(std::exception_ptr erro) {
    NaPrincipal([&] { janela_.MostrarErro(erro); });
}

void TCopiaDeArquivos::MostrarMensagemFinal(const wchar_t* mensagem) {
    NaPrincipal([&] { janela_.MostrarMensagemFinal(mensagem); });
}

bool TCopiaDeArquivos::CriarDiretorios() {
    try {
        diretorioAtual_ = dados_.Destinos.Instalacao;
        if (!criados_.CriarPasta(diretorioAtual_)) {
            NaPrincipal([this] { ErroDeDiretorioCriado(); });
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
                NaPrincipal([this] { ErroDeDiretorioCriado(); });
                return false;
            }
        }
        return true;
    } catch (const EParada&) {
        throw;
    } catch (...) {
        NaPrincipal([this] { ErroDeDiretorioCriado(); });
        return false;
    }
}

void TCopiaDeArquivos::ErroDeDiretorioCriado() {
    kt::Relatar(kModuloDoFramework, Curta(diretorioAtual_), Curta(dados_.Destinos.Instalacao),
                textos::kDiretorioNaoCriado, &dados_.Ajuda, nullptr);
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

TFimDaCopia TCopiaDeArquivos::CopiarArquivos() {
    const std::int64_t total = TotalDePeso();
    if (total == 0)
        Relatar({}, {}, textos::kErroNoTotal);
    std::int64_t feito = 0;
    try {
        for (std::int32_t disco = 1; disco <= dados_.NumeroDeDiscos; ++disco)
            if (!CopiarDisco(disco, total, feito))
                return TFimDaCopia::DiscoRecusado;
    } catch (const EParada&) {
        throw;
    } catch (const EEscritaFalhou&) {
        throw;
    } catch (...) {
        MostrarExcecao(std::current_exception());
        return TFimDaCopia::ErroNosArquivos;
    }
    janela_.DefinirPodeFechar();
    return TFimDaCopia::Concluida;
}

bool TCopiaDeArquivos::CopiarDisco(std::int32_t disco, std::int64_t total, std::int64_t& feito) {
    const bool pronto = NaPrincipal([&] { return VerificarDisco(disco); });
    PontoDeParada();
    if (!pronto)
        return false;
    TListaLinhas& arquivos = janela_.LinhasDeArquivo();
    for (int i = 0; i < arquivos.Contar(); ++i) {
        const TListaCampos campos = arquivos.Campos(i);
        const std::int32_t discoDaLinha = LerNumero(campos[coluna_arquivo::kDisco]);
        PontoDeParada();
        if (campos[coluna_arquivo::kEstado] == kNao || discoDaLinha != disco)
            continue;
        ProcessarArquivo(i, campos);
        feito += LerNumero(arquivos.Campos(i)[coluna_arquivo::kPeso]);
        if (total != 0) {
            const double geral =
                static_cast<double>(feito) / static_cast<double>(total) * kGeralFaixaArquivos +
                kGeralInicioArquivos;
            // Weights are the description's: a negative one must not take the gauge off its
            // scale, nor the conversion past an integer.
            MudarTela([&](TTela& tela) {
                tela.Geral = static_cast<std::int32_t>(std::clamp(geral, 0.0, 100.0));
            });
        }
        PontoDeParada();
    }
    return true;
}

void TCopiaDeArquivos::ProcessarArquivo(int linha, const TListaCampos& campos) {
    const std::wstring tipo = Minusculas(campos[coluna_arquivo::kTipo]);
    const bool remover = campos[coluna_arquivo::kEstado] == kRemover;
    const std::wstring destino = CaminhoDeDestino(campos, dados_.Destinos);
    std::wstring origem = OrigemDe(campos, tipo);
    MudarTela([&](TTela& tela) {
        tela.Origem = origem;
        tela.Destino = destino;
    });
    PontoDeParada();

    bool copiar = tipo == kTipoRcdata || remover || EhArquivo(origem);
    if (!copiar) {
        // Only a missing source needs the main thread: the locate dialog.
        const TOrigem achada = NaPrincipal([&] { return VerificarOrigem(origem); });
        if (achada.Cancelar)
            throw EParada{};
        origem = achada.Caminho;
        copiar = achada.Copiar;
    }
    if (tipo == kTipoRcdata) {
        origem = campos[coluna_arquivo::kOrigem];
        MudarTela([&](TTela& tela) { tela.Origem = origem; });
    }
    bool perguntou = false;
    // Only an existing target needs the main thread: the overwrite question.
    if (copiar && EhArquivo(destino)) {
        const TSobrescrita resposta =
            NaPrincipal([&] { return ConfirmarSobrescrita(origem, destino); });
        copiar = resposta.Copiar;
        perguntou = resposta.Perguntou;
        PontoDeParada();
    }
    if (perguntou || copiar)
        MarcarArquivo(linha);
    PontoDeParada();
    if (!copiar)
        return;
    if (remover) {
        // A missing file is no failure: there is nothing to remove.
        DeleteFileW(destino.c_str());
        return;
    }
    const std::wstring pasta(PastaDe(destino));
    if (varridas_.insert(Minusculas(pasta)).second)
        varredura_.VarrerNovos(pasta);
    const bool existia = EhArquivo(destino);
    const bool escrito =
        EscreverArquivo(campos, tipo, origem, destino) && AnotarEscrito(destino, !existia);
    // A file stopped in the middle is left as it was; the check point ends the run.
    PontoDeParada();
    // The installed program installing again into its own folder: the copy routine refuses to copy
    // the file onto itself and says so, and the file is where it belongs. The run goes on.
    if (!escrito && !MesmoArquivo(origem, destino))
        // Its report is up already. The installation cannot be whole, and a full disk or a
        // folder that takes no file would fail every later file the same way: stop here.
        throw EEscritaFalhou{};
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

// A file that cannot be noted in the diary would be left behind by the uninstall: it fails like
// a write, with the report of its error naming the diary.
bool TCopiaDeArquivos::AnotarEscrito(const std::wstring& destino, bool novo) {
    TRegistroAjuda ajuda;
    PreencherAjudaPadrao(ajuda);
    return ExecutarRelatando(ajuda, {}, dados_.Destinos.Instalacao + kArquivoDoDiario,
                             [&] { criados_.ArquivoEscrito(destino, novo); });
}

bool TCopiaDeArquivos::EscreverArquivo(const TListaCampos& campos, const std::wstring& tipo,
                                       const std::wstring& origem, const std::wstring& destino) {
    const auto aoProgredir = [this](std::int32_t percentual, bool& parar) {
        AoProgredir(percentual, parar);
    };
    if (tipo == kTipoZlib) {
        if (VerificarArquivoZLib(origem, nullptr))
            return DescompactarArquivo(origem, destino, aoProgredir);
        Relatar(textos::kNaoEZLib, origem, std::wstring(TextoFramework(ids::kSemSolucao)));
        return false;
    }
    if (tipo == kTipoRcdata) {
        const std::wstring& recurso = campos[coluna_arquivo::kOrigem];
        return NaPrincipal([&] { return ExtrairRecurso(recurso, destino, aoProgredir); }, true);
    }
    return CopiarArquivo(origem, destino, kSubstituirSemPerguntar, aoProgredir, nullptr);
}

TCopiaDeArquivos::TOrigem TCopiaDeArquivos::VerificarOrigem(const std::wstring& origem) {
    if (EhArquivo(origem))
        return {origem, true, false};
    std::wstring caminho = Curta(origem);
    const std::int32_t resposta = ServicosDeJanela().EncontrarArquivo(caminho, kTamanhoDoCaminho);
    return {caminho, resposta == kEncontrarContinuar, resposta == kEncontrarCancelar};
}

TCopiaDeArquivos::TSobrescrita TCopiaDeArquivos::ConfirmarSobrescrita(const std::wstring& origem,
                                                                      const std::wstring& destino) {
    if (!EhArquivo(destino) || simParaTodos_)
        return {true, false};
    if (naoParaTodos_)
        return {false, false};
    const std::int32_t resposta = ServicosDeJanela().PerguntarSobrescrever(
        origem, destino, kBotaoSimTodos | kBotaoNaoTodos, TemPasta(origem));
    simParaTodos_ = resposta == kSobrescreverTodos;
    naoParaTodos_ = resposta == kManterTodos;
    return {resposta == kSobrescrever || resposta == kSobrescreverTodos, true};
}

bool TCopiaDeArquivos::VerificarDisco(std::int32_t disco) {
    if (disco == 1 && !dados_.ConferirPrimeiroDisco)
        return true; // the first disk is the medium that the wizard runs from
    for (;;) {
        const std::int32_t resposta =
            ServicosDeJanela().PedirDisco(disco, textos::kConjuntoDeDiscos, {});
        if (!dados_.ConferirDiscos)
            return resposta != kDiscoParar;
        if (resposta == kDiscoParar)
            return false;
        if (resposta == kDiscoNaoChecar || ConferirMarcaDeDisco(disco))
            return true;
    }
}

bool TCopiaDeArquivos::ConferirMarcaDeDisco(std::int32_t disco) {
    TMarcaDeDisco* marca = dados_.MarcaDeDisco;
    if (!marca)
        return false;
    const std::optional<std::wstring> texto =
        LerMarca(dados_.DiretorioDoPrograma + kArquivoDeMarcaDeDisco);
    if (!texto || !marca->Interpretar(*texto)) {
        marca->Esquecer();
        return false;
    }
    return marca->Identifica(dados_.IdentificacaoDoDisco, disco);
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
            janela_.MostrarErro(std::current_exception());
            return;
        }
    }
}

} // namespace kt
