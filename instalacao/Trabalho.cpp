#include "instalacao/Trabalho.h"

#include <windows.h>

namespace kt {

namespace {

// The shortest time between two screens: about the eye's.
constexpr unsigned long long kIntervaloDaTela = 40;

} // namespace

TTrabalho::TTrabalho(TPaginaDoTrabalho& pagina) : pagina_(pagina) {
    // One blank each: the first screen clears what the labels hold.
    tela_.Origem = L" ";
    tela_.Destino = L" ";
    mudou_ = true;
}

void TTrabalho::PintarTela(bool soSeVencida) {
    const unsigned long long agora = GetTickCount64();
    if (soSeVencida && agora - ultimaTela_ < kIntervaloDaTela)
        return;
    std::optional<TTela> tela;
    {
        const base::Held trava(trava_);
        if (std::exchange(mudou_, false))
            tela = tela_;
    }
    if (!tela)
        return;
    pagina_.MostrarTela(*tela);
    ultimaTela_ = agora;
}

void TTrabalho::Pausar() {
    const base::Held trava(trava_);
    pausado_ = true;
}

void TTrabalho::Continuar() {
    const base::Held trava(trava_);
    pausado_ = false;
    semPausa_.WakeAll();
}

// Under the lock: set between the paused worker's test of its condition and its sleep, the stop
// would wake nobody, and the worker would sleep on until the pause ended.
void TTrabalho::Parar() {
    const base::Held trava(trava_);
    parado_ = true;
    semPausa_.WakeAll();
}

bool TTrabalho::Interrompido() const {
    return parado_ && !semVolta_;
}

void TTrabalho::EsperarSemPausa() {
    base::Held trava(trava_);
    semPausa_.Wait(trava, [this] { return !pausado_ || Interrompido(); });
}

void TTrabalho::PontoDeParada() {
    EsperarSemPausa();
    if (Interrompido())
        throw EParada{};
}

bool TTrabalho::EntregarNaPrincipal(base::FunctionRef<void()> passo, bool telaSoSeVencida) {
    // Stopped while it waited: the step would only hold the run up.
    PontoDeParada();
    bool entregue = false;
    Synchronize([&] {
        {
            const base::Held trava(trava_);
            if (pausado_)
                return;
        }
        PintarTela(telaSoSeVencida);
        entregue = true;
        passo();
    });
    return entregue;
}

} // namespace kt
