#include "dialogs/TrocarDiscos.h"

#include "dialogs/Aparencia.h"
#include "dialogs/TextosDialogos.h"
#include "fileops/Texto.h"
#include "fileops/TextosFramework.h"
#include "resources/TrocarDiscosIds.h"
#include "ui/Application.h"
#include "base/Decimal.h"

namespace kt {

namespace {

// Each "%s" of the model, from the left, takes the next value; the values are not searched.
std::wstring Formatar(std::wstring_view modelo, std::initializer_list<std::wstring> valores) {
    std::wstring texto;
    auto valor = valores.begin();
    std::size_t inicio = 0;
    for (std::size_t marca = modelo.find(L"%s"); marca != modelo.npos && valor != valores.end();
         marca = modelo.find(L"%s", inicio)) {
        texto.append(modelo.substr(inicio, marca - inicio)).append(*valor++);
        inicio = marca + 2;
    }
    return texto.append(modelo.substr(inicio));
}

} // namespace

TfrmInserirDisco::TfrmInserirDisco(std::int32_t disco, std::wstring_view conjunto,
                                   std::wstring_view pergunta)
    : ui::Form(IDD_INSERIR_DISCO) {
    const std::wstring dada = Curta(pergunta);
    pergunta_ = Aparar(dada).empty() ? Texto(TextoFramework(ids::kSair)) : dada;
    ui::Label(Item(IDC_lblInstrucoesDisco))
        .SetText(
            Formatar(TextoFramework(ids::kInsiraDisco), {base::Decimal(disco), Curta(conjunto)}));
    SetCaption(textos_inserir_disco::kTitulo);
    for (int id : {IDC_bitCancelarDisco, IDC_bitProsseguir, IDC_bitNaoChecar})
        SetLabelFont(id, kPontosRotulos, true);
    Bind(IDC_bitCancelarDisco, textos_inserir_disco::kCancelar, [this] { Cancelar(); });
    Bind(IDC_bitNaoChecar, textos_inserir_disco::kNaoChecar,
         [this] { Responder(kDiscoNaoChecar); });
    Bind(IDC_bitProsseguir, textos_inserir_disco::kProsseguir,
         [this] { Responder(kDiscoProsseguir); });
    SetActiveControl(IDC_bitProsseguir);
}

void TfrmInserirDisco::Cancelar() {
    // No leaves the prompt as it was.
    if (ui::Application::ShowMessageBox(pergunta_, Texto(textos_inserir_disco::kConfirmacao),
                                        MB_YESNO) == IDYES)
        Responder(kDiscoParar);
}

void TfrmInserirDisco::Responder(TRespostaDisco resposta) {
    resposta_ = resposta;
    EndModal(ui::mrOk);
}

std::int32_t PedirDisco(std::int32_t disco, std::wstring_view conjunto,
                        std::wstring_view pergunta) {
    std::int32_t resposta = kDiscoParar;
    ui::Application::RunOnMainThread([&] {
        TfrmInserirDisco janela(disco, conjunto, pergunta);
        janela.CenterOnScreen();
        janela.ShowModal();
        resposta = janela.Resposta();
    });
    return resposta;
}

} // namespace kt
