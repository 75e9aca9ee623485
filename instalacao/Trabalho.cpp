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
        const std::lock_guard<std::mutex> trava(trava_);
        if (std::exchange(mudou_, false))
            tela = tela_;
    }
    if (!tela)
        return;
    pagina_.MostrarTela(*tela);
    ultimaTela_ = agora;
}

void TTrabalho::Pausar() {
    const std::lock_guard<std::mutex> trava(trava_);
    pausado_ = true;
}

void TTrabalho::Continuar() {
    {
        const std::lock_guard<std::mutex> trava(trava_);
        pausado_ = false;
    }
    semPausa_.notify_all();
}

void TTrabalho::Parar() {
    parado_ = true;
    semPausa_.notify_all();
}

bool TTrabalho::Interrompido() const {
    return parado_ && !semVolta_;
}

void TTrabalho::EsperarSemPausa() {
    std::unique_lock<std::mutex> trava(trava_);
    semPausa_.wait(trava, [this] { return !pausado_ || Interrompido(); });
}

void TTrabalho::PontoDeParada() {
    EsperarSemPausa();
    if (Interrompido())
        throw EParada{};
}

bool TTrabalho::EntregarNaPrincipal(const std::function<void()>& passo, bool telaSoSeVencida) {
    // Stopped while it waited: the step would only hold the run up.
    PontoDeParada();
    bool entregue = false;
    Synchronize([&] {
        {
            const std::lock_guard<std::mutex> trava(trava_);
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
