#include "dialogs/Sobrescrever.h"

#include "base/Concat.h"
#include "dialogs/Aparencia.h"
#include "dialogs/TextosDialogos.h"
#include "fileops/RelatorioDeErro.h"
#include "fileops/TamanhoArquivo.h"
#include "fileops/Texto.h"
#include "fileops/VerificacoesWin32.h"
#include "fileops/Versao.h"
#include "fileops/VersaoArquivo.h"
#include "payload/container/VerificarArquivoZLib.h"
#include "resources/Imagens.h"
#include "resources/SobrescreverIds.h"
#include "ui/Application.h"
#include "base/Decimal.h"
#include "ui/Glyphs.h"

#include <cstring>

namespace kt {

namespace {

// The rows of buttons, in pixels at 96 dots per inch.
constexpr int kLarguraBotao = 100;
constexpr int kAlturaBotao = 25;
constexpr int kEntreBotoes = 8;
constexpr int kMargem = 8;

bool EhConteiner(std::wstring_view nome) {
    const std::size_t ponto = nome.rfind(L'.');
    if (ponto == std::wstring_view::npos || nome.find_first_of(L"\\/", ponto) != nome.npos)
        return false;
    return Minusculas(nome.substr(ponto)) == Minusculas(textos_sobrescrever::kExtensaoConteiner);
}

// A container's version is its header's; any other file's, its version resource. Each service
// reports its own failures.
std::wstring LinhaDeVersao(const std::wstring& nome) {
    TVersaoArquivo versao;
    if (EhConteiner(nome)) {
        TCabecalhoZLib cabecalho{};
        const TCabecalhoZLib vazio{};
        VerificarArquivoZLib(nome, &cabecalho);
        // A file too short for a header leaves it untouched: it has no version to show.
        if (std::memcmp(&cabecalho, &vazio, sizeof cabecalho) == 0)
            return Texto(textos_sobrescrever::kSemInformacoes);
        std::memcpy(&versao, &cabecalho.Versao, sizeof versao);
    } else if (!LerVersaoArquivo(nome, false, &versao, nullptr)) {
        return Texto(textos_sobrescrever::kSemInformacoes);
    }
    std::wstring texto;
    FormatarVersao(versao, texto, kTamanhoTextoCurto, false);
    return texto;
}

// Bytes up to 1023, whole kilobytes from 1024 on; nothing when the size could not be read.
std::wstring LinhaDeTamanho(const std::wstring& nome) {
    const std::int64_t tamanho = TamanhoArquivoCompleto(nome);
    if (tamanho < 0)
        return {};
    if (tamanho > 1023)
        return base::Concat({base::Decimal(tamanho / 1024), textos_sobrescrever::kKb});
    return base::Concat({base::Decimal(tamanho), textos_sobrescrever::kBytes});
}

// The date of the file's last change, alone, in the system's short date format and local time.
std::wstring DataDoArquivo(HANDLE arquivo) {
    FILETIME escrita{};
    FILETIME local{};
    SYSTEMTIME data{};
    VerificarResultado(GetFileTime(arquivo, nullptr, nullptr, &escrita));
    VerificarResultado(FileTimeToLocalFileTime(&escrita, &local));
    VerificarResultado(FileTimeToSystemTime(&local, &data));
    wchar_t texto[80] = {};
    VerificarHandle(static_cast<std::uint32_t>(
        GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &data, nullptr, texto, 80)));
    return texto;
}

HANDLE AbrirParaData(const std::wstring& nome) {
    return VerificarHandle(CreateFileW(nome.c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Closes a handle that the dates were read from; a failing close is reported like the rest.
void FecharVerificando(base::UniqueFile& arquivo) {
    if (arquivo)
        VerificarResultado(CloseHandle(arquivo.Release()));
}

} // namespace

TfrmSobrescrever::TfrmSobrescrever(std::uint8_t botoes) : ui::Form(IDD_SOBRESCREVER) {
    const bool simTodos = (botoes & kBotaoSimTodos) != 0;
    const bool naoTodos = (botoes & kBotaoNaoTodos) != 0;
    ui::Control(Item(IDC_bitSimTodos)).SetVisible(simTodos);
    ui::Control(Item(IDC_bitNaoTodos)).SetVisible(naoTodos);
    Dispor(simTodos || naoTodos);

    ui::Picture(Item(IDC_imgSimbolo))
        .SetIcon(ui::Glyphs::Icon(IDI_SOBRESCREVER, ui::Form::Scale(kIconeDialogo)));
    for (int id : {IDC_lblDescricao, IDC_lblSubstituir, IDC_lblTam1, IDC_lblIdade1, IDC_lblVersao1,
                   IDC_lblPor, IDC_lblTam2, IDC_lblIdade2, IDC_lblVersao2})
        SetLabelFont(id, kPontosRotulos, true);
    SetCaption(textos_sobrescrever::kTitulo);
    SetItemText(IDC_lblDescricao, textos_sobrescrever::kDescricao);
    SetItemText(IDC_lblSubstituir, textos_sobrescrever::kSubstituir);
    SetItemText(IDC_lblPor, textos_sobrescrever::kPor);
    for (int id : {IDC_lblTam1, IDC_lblTam2})
        SetItemText(id, textos_sobrescrever::kTamanho);
    for (int id : {IDC_lblIdade1, IDC_lblIdade2})
        SetItemText(id, textos_sobrescrever::kIdade);
    for (int id : {IDC_lblVersao1, IDC_lblVersao2})
        SetItemText(id, textos_sobrescrever::kVersao);
    for (int id : {IDC_lblVersaoPara, IDC_lblVersaoDe})
        SetItemText(id, textos_sobrescrever::kSemInformacoes);

    Bind(IDC_bitSim, textos_sobrescrever::kSim, [this] { Responder(kSobrescrever); });
    Bind(IDC_bitNao, textos_sobrescrever::kNao, [this] { Responder(kManter); });
    Bind(IDC_bitSimTodos, textos_sobrescrever::kSimTodos,
         [this] { Responder(kSobrescreverTodos); });
    Bind(IDC_bitNaoTodos, textos_sobrescrever::kNaoTodos, [this] { Responder(kManterTodos); });
    SetActiveControl(IDC_bitSim);
}

void TfrmSobrescrever::Responder(TRespostaSobrescrever resposta) {
    resposta_ = resposta;
    EndModal(ui::mrOk);
}

// The outer height is fixed by the rows of buttons shown; the rows stand at the bottom, the
// "to all" row under the other.
void TfrmSobrescrever::Dispor(bool comTodos) const {
    RECT janela{};
    GetWindowRect(Handle(), &janela);
    SetWindowPos(Handle(), nullptr, 0, 0, janela.right - janela.left,
                 ui::Form::Scale(comTodos ? kAlturaComTodos : kAlturaSemTodos),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT cliente{};
    GetClientRect(Handle(), &cliente);
    const int largura = ui::Form::Scale(kLarguraBotao);
    const int altura = ui::Form::Scale(kAlturaBotao);
    const int entre = ui::Form::Scale(kEntreBotoes);
    const int esquerda = (cliente.right - 2 * largura - entre) / 2;
    int topo = cliente.bottom - ui::Form::Scale(kMargem) - altura;
    const auto linha = [&](int primeiro, int segundo, int y) {
        ui::Control(FindItem(primeiro)).SetBounds({esquerda, y, esquerda + largura, y + altura});
        ui::Control(FindItem(segundo))
            .SetBounds({esquerda + largura + entre, y, esquerda + 2 * largura + entre, y + altura});
    };
    if (comTodos) {
        linha(IDC_bitSimTodos, IDC_bitNaoTodos, topo);
        topo -= altura + entre;
    }
    linha(IDC_bitSim, IDC_bitNao, topo);
}

void TfrmSobrescrever::Preencher(std::wstring_view origem, std::wstring_view destino,
                                 bool descreverOrigem) {
    resposta_ = kManter;
    const std::wstring de = Curta(origem);
    const std::wstring para = Curta(destino);
    // Reports from here carry help of the default context with no file name.
    const TRegistroAjuda ajuda = AjudaSemArquivo(kContextoPadrao);
    const auto rotulo = [this](int id, const std::wstring& texto) {
        ui::Label(Item(id)).SetText(texto);
    };
    ExecutarRelatando(ajuda, {}, base::Concat({de, textos_sobrescrever::kE, para}), [&] {
        rotulo(IDC_lblNomePara, para);
        SetHint(Item(IDC_lblNomePara), para);
        rotulo(IDC_lblNomeDe, de);
        SetHint(Item(IDC_lblNomeDe), de);
        if (descreverOrigem)
            rotulo(IDC_lblVersaoDe, LinhaDeVersao(de));
        rotulo(IDC_lblVersaoPara, LinhaDeVersao(para));
        if (descreverOrigem)
            rotulo(IDC_lblTamDe, LinhaDeTamanho(de));
        rotulo(IDC_lblTamPara, LinhaDeTamanho(para));
        base::UniqueFile arquivoDe;
        if (descreverOrigem) {
            arquivoDe.Reset(AbrirParaData(de));
            rotulo(IDC_lblDataDe, DataDoArquivo(arquivoDe.Get()));
        }
        base::UniqueFile arquivoPara(AbrirParaData(para));
        rotulo(IDC_lblDataPara, DataDoArquivo(arquivoPara.Get()));
        FecharVerificando(arquivoDe);
        FecharVerificando(arquivoPara);
    });
}

std::int32_t PerguntarSobrescrever(std::wstring_view origem, std::wstring_view destino,
                                   std::uint8_t botoes, bool descreverOrigem) {
    std::int32_t resposta = kManter;
    // The window belongs to the main thread, whichever thread asks; the asking one waits.
    ui::Application::RunOnMainThread([&] {
        TfrmSobrescrever janela(botoes);
        janela.Preencher(origem, destino, descreverOrigem);
        janela.CenterOnScreen();
        janela.ShowModal();
        resposta = janela.Resposta();
    });
    return resposta;
}

} // namespace kt
