// What the installation's worker and the uninstall's share: a snapshot of what their page shows,
// one call for stop and pause, and the hand-over of a step to the main thread.
//
// How it works: the worker writes the page's values into the snapshot under a lock and never waits
// for the screen; the window reads the snapshot on a timer and, before every step handed to the
// main thread, paints it, so that the page behind a question or a report names what it is about.
// While the window asks the user whether to stop, it pauses the worker: no step of the worker comes
// up over that question (a step handed over just before the pause is turned back, and handed again
// once the pause ends), nor does it go on past its next check point. The window stops the worker
// with one call; the worker looks at the pause and the stop at every hand-over and at its check
// points (PontoDeParada), which leave the run with EParada. Past its point of no return (SemVolta)
// the worker goes to its end whatever is asked. When Execute has returned, the thread's termination
// notification runs on the main thread with the worker still alive and decides, from the worker's
// one outcome, what the window shows next; then the thread frees itself and the worker.
#pragma once

#include "base/InlineFunction.h"
#include "base/Lock.h"
#include "ui/Thread.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>

namespace kt {

// What a worker's page shows: the overall and the current gauge, the step and the two names.
// Empty texts leave their label as it is.
struct TTela {
    std::int32_t Geral = 0;
    std::uint32_t Atual = 0;
    std::wstring Status;
    std::wstring Origem;
    std::wstring Destino;
};

// The window as the workers see it: the page that shows the snapshot. On the main thread.
class TPaginaDoTrabalho {
public:
    virtual void MostrarTela(const TTela& tela) = 0;

protected:
    ~TPaginaDoTrabalho() = default;
};

// Leaves the run at a check point once it is stopped.
struct EParada {};

class TTrabalho : public ui::ThreadBody {
public:
    // Runs the worker on a thread of its own that frees itself, worker included, once the
    // notification has run on the main thread after Execute (the worker is still alive then).
    template <class T>
    static T* Iniciar(std::unique_ptr<T> trabalho, base::InlineFunction<void(T&)> aoTerminar);

    // Main thread: paints the snapshot on the page when it changed since it was last painted;
    // with soSeVencida, only once the eye could tell (40 ms after the last time).
    void PintarTela(bool soSeVencida = false);
    // Main thread: hold the worker before its next hand-over, and let it go again.
    void Pausar();
    void Continuar();
    // Main thread: stop the run at its next check point.
    void Parar();
    // Past the point of no return: the run goes to its end.
    bool SemVoltaAtingida() const { return semVolta_; }

protected:
    explicit TTrabalho(TPaginaDoTrabalho& pagina);

    // The worker's side of the snapshot.
    template <class F>
    void MudarTela(F&& mudar) {
        const base::Held trava(trava_);
        mudar(tela_);
        mudou_ = true;
    }

    // Holds the worker while it is paused, then leaves the run (EParada) when it was stopped and
    // has not passed the point of no return.
    void PontoDeParada();
    // Holds the worker while it is paused, and no longer once it is stopped.
    void EsperarSemPausa();
    void SemVolta() { semVolta_ = true; }
    bool Interrompido() const;

    // Runs the step on the main thread, after the page's current snapshot, once no pause holds
    // the worker, and answers what it answers. Leaves the run (EParada) instead when it is stopped.
    // A step that the user does not look at (an extraction) takes the snapshot only when one is
    // due: painting each time would cost the main thread more than the step itself.
    template <class F>
    auto NaPrincipal(F&& passo, bool telaSoSeVencida = false) -> std::invoke_result_t<F&>;

private:
    // Waits while the worker is paused; true when the step was handed over (false: turned back).
    bool EntregarNaPrincipal(base::FunctionRef<void()> passo, bool telaSoSeVencida);

    TPaginaDoTrabalho& pagina_;
    base::Lock trava_;
    base::Condition semPausa_;
    TTela tela_;
    bool mudou_ = false;
    // When the page was last painted (GetTickCount64); the main thread's.
    unsigned long long ultimaTela_ = 0;
    bool pausado_ = false;
    std::atomic<bool> parado_{false};
    std::atomic<bool> semVolta_{false};
};

template <class T>
T* TTrabalho::Iniciar(std::unique_ptr<T> trabalho, base::InlineFunction<void(T&)> aoTerminar) {
    T* corpo = trabalho.get();
    auto* tarefa = new ui::Thread(std::move(trabalho));
    tarefa->SetFreeOnTerminate(true);
    tarefa->OnTerminate = [corpo, aoTerminar](ui::Thread&) { aoTerminar(*corpo); };
    tarefa->Start();
    return corpo;
}

template <class F>
auto TTrabalho::NaPrincipal(F&& passo, bool telaSoSeVencida) -> std::invoke_result_t<F&> {
    using TResposta = std::invoke_result_t<F&>;
    if constexpr (std::is_void_v<TResposta>) {
        while (!EntregarNaPrincipal([&] { passo(); }, telaSoSeVencida))
            ;
    } else {
        std::optional<TResposta> resposta;
        while (!EntregarNaPrincipal([&] { resposta.emplace(passo()); }, telaSoSeVencida))
            ;
        return std::move(*resposta);
    }
}

} // namespace kt
