// The worker thread's hand-over: steps run on the main thread, once each and in order; errors in
// a step reach the worker; the end notice runs on the main thread after the body, also when the
// body throws; a thread is never ended under its running body; a self-freeing thread goes after
// its end notice; a step that the main thread no longer takes is refused, not left waiting.
#include "ui/Application.h"
#include "base/Exception.h"
#include "ui/Thread.h"
#include "tests/win/comum/Janelas.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace {

using teste::EsperarAte;

// Runs the main thread's messages until the condition holds or the time is up.
bool ProcessarAte(const std::function<bool()>& condicao) {
    return EsperarAte([&] {
        ui::Application::ProcessMessages();
        return condicao();
    });
}

// A body that runs the function given, with its steps handed over through Passo.
class Corpo : public ui::ThreadBody {
public:
    explicit Corpo(std::function<void(Corpo&)> corpo, std::atomic<bool>* destruido = nullptr)
        : corpo_(std::move(corpo)), destruido_(destruido) {}
    ~Corpo() override {
        if (destruido_)
            *destruido_ = true;
    }
    void Passo(const std::function<void()>& passo) const { Synchronize(passo); }
    bool Pedido() const { return Terminated(); }
    void Execute() override { corpo_(*this); }

private:
    std::function<void(Corpo&)> corpo_;
    std::atomic<bool>* destruido_;
};

std::unique_ptr<ui::Thread> Tarefa(std::function<void(Corpo&)> corpo,
                                   std::atomic<bool>* destruido = nullptr) {
    return std::make_unique<ui::Thread>(std::make_unique<Corpo>(std::move(corpo), destruido));
}

TEST(Thread, StepsRunOnTheMainThreadOnceAndInOrder) {
    const DWORD principal = GetCurrentThreadId();
    std::vector<std::pair<int, DWORD>> passos;
    std::atomic<bool> terminou{false};
    const auto tarefa = Tarefa([&](Corpo& t) {
        for (int i = 0; i < 20; ++i)
            t.Passo([&passos, i] { passos.emplace_back(i, GetCurrentThreadId()); });
    });
    tarefa->OnTerminate = [&](ui::Thread&) { terminou = true; };
    tarefa->Start();
    ASSERT_TRUE(ProcessarAte([&] { return terminou.load(); }));

    ASSERT_EQ(passos.size(), 20u);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(passos[i].first, i);
        EXPECT_EQ(passos[i].second, principal);
    }
    EXPECT_NE(tarefa->ThreadId(), principal);
}

TEST(Thread, AnErrorInAStepIsThrownAgainInTheWorker) {
    std::wstring recebida;
    bool continuou = false;
    std::atomic<bool> terminou{false};
    const auto tarefa = Tarefa([&](Corpo& t) {
        try {
            t.Passo([] { throw base::Exception(L"falhou no passo"); });
        } catch (const base::Exception& e) {
            recebida = e.Message();
        }
        t.Passo([&] { continuou = true; });
    });
    tarefa->OnTerminate = [&](ui::Thread&) { terminou = true; };
    tarefa->Start();
    ASSERT_TRUE(ProcessarAte([&] { return terminou.load(); }));
    EXPECT_EQ(recebida, L"falhou no passo");
    EXPECT_TRUE(continuou);
}

TEST(Thread, EndNoticeRunsOnTheMainThreadAfterTheBodyAlsoWhenItThrows) {
    for (bool lancar : {false, true}) {
        const DWORD principal = GetCurrentThreadId();
        std::atomic<bool> corpoAcabou{false};
        bool corpoAcabouAntes = false;
        DWORD tarefaDoAviso = 0;
        int avisos = 0;
        const auto tarefa = Tarefa([&](Corpo&) {
            corpoAcabou = true;
            if (lancar)
                throw base::Exception(L"corpo falhou");
        });
        tarefa->OnTerminate = [&](ui::Thread& t) {
            corpoAcabouAntes = corpoAcabou;
            tarefaDoAviso = GetCurrentThreadId();
            ++avisos;
            EXPECT_EQ(t.FatalException() != nullptr, lancar);
        };
        tarefa->Start();
        ASSERT_TRUE(ProcessarAte([&] { return avisos > 0; }));
        tarefa->WaitFor();
        EXPECT_TRUE(corpoAcabouAntes);
        EXPECT_EQ(tarefaDoAviso, principal);
        EXPECT_EQ(avisos, 1);
    }
}

TEST(Thread, WaitForKeepsRunningTheStepsItHandsOver) {
    int passos = 0;
    const auto tarefa = Tarefa([&](Corpo& t) {
        for (int i = 0; i < 5; ++i)
            t.Passo([&] { ++passos; });
    });
    tarefa->Start();
    tarefa->WaitFor();
    EXPECT_EQ(passos, 5);
}

TEST(Thread, TerminateIsSeenByTheBody) {
    std::atomic<bool> viuPedido{false};
    const auto tarefa = Tarefa([&](Corpo& t) {
        while (!t.Pedido())
            Sleep(1);
        viuPedido = true;
    });
    tarefa->Start();
    tarefa->Terminate();
    tarefa->WaitFor();
    EXPECT_TRUE(viuPedido);
}

// The body keeps handing steps over until asked to stop; the thread is ended meanwhile, without
// waiting first: the body still finishes before any of it goes.
TEST(Thread, EndingARunningThreadLetsItsBodyFinishFirst) {
    std::atomic<bool> corpoAcabou{false};
    std::atomic<bool> acabouAntesDeIr{false};
    std::atomic<int> passos{0};
    std::atomic<bool> destruido{false};
    auto tarefa = Tarefa(
        [&](Corpo& t) {
            while (!t.Pedido())
                t.Passo([&] { ++passos; });
            t.Passo([&] { ++passos; });
            corpoAcabou = true;
        },
        &destruido);
    tarefa->OnTerminate = [&](ui::Thread&) { acabouAntesDeIr = corpoAcabou && !destruido; };
    tarefa->Start();
    ASSERT_TRUE(ProcessarAte([&] { return passos > 3; }));
    tarefa->Terminate();
    tarefa.reset();
    EXPECT_TRUE(destruido);
    EXPECT_TRUE(corpoAcabou);
    EXPECT_TRUE(acabouAntesDeIr);
}

TEST(Thread, AFreeOnTerminateThreadGoesAfterItsEndNotice) {
    std::atomic<bool> destruido{false};
    std::atomic<bool> avisou{false};
    bool vivoNoAviso = false;
    auto* tarefa = new ui::Thread(std::make_unique<Corpo>([](Corpo&) {}, &destruido));
    tarefa->SetFreeOnTerminate(true);
    tarefa->OnTerminate = [&](ui::Thread&) {
        vivoNoAviso = !destruido;
        avisou = true;
    };
    tarefa->Start();
    ASSERT_TRUE(ProcessarAte([&] { return destruido.load(); }));
    EXPECT_TRUE(avisou);
    EXPECT_TRUE(vivoNoAviso);
}

// A step handed over before the wait for the end began, its arrival already seen (GetQueueStatus
// clears what is new without running anything), runs in that wait, which would otherwise never end.
TEST(Thread, WaitingForTheEndRunsAStepHandedOverBeforeTheWait) {
    std::atomic<bool> rodou{false};
    const auto tarefa = Tarefa([&](Corpo& t) { t.Passo([&] { rodou = true; }); });
    tarefa->Start();
    ASSERT_TRUE(EsperarAte([] { return HIWORD(GetQueueStatus(QS_SENDMESSAGE)) != 0; }));
    tarefa->WaitFor();
    EXPECT_TRUE(rodou);
}

TEST(Thread, AThreadNeverStartedEndsWithoutRunningItsBody) {
    bool rodou = false;
    Tarefa([&](Corpo&) { rodou = true; }).reset();
    EXPECT_FALSE(rodou);
}

// The main thread stops taking steps (the program is ending) while a worker waits for one: the
// worker is answered with an error, and so is every later step, until the door opens again.
TEST(Thread, AStepWaitingWhenTheMainThreadClosesIsRefusedNotLeftWaiting) {
    std::atomic<bool> vaiEntregar{false};
    std::atomic<int> recusados{0};
    bool passoRodou = false;
    const auto tarefa = Tarefa([&](Corpo& t) {
        vaiEntregar = true;
        for (int i = 0; i < 2; ++i) {
            try {
                t.Passo([&] { passoRodou = true; });
            } catch (const ui::EMainThreadClosed&) {
                ++recusados;
            }
        }
    });
    tarefa->Start();
    ASSERT_TRUE(EsperarAte([&] { return vaiEntregar.load(); }));
    ui::Application::Finalize();
    tarefa->WaitFor();
    ui::Application::Initialize();
    EXPECT_EQ(recusados, 2);
    EXPECT_FALSE(passoRodou);

    bool depois = false;
    const auto outra = Tarefa([&](Corpo& t) { t.Passo([&] { depois = true; }); });
    outra->Start();
    outra->WaitFor();
    EXPECT_TRUE(depois) << "the door opens again";
}

} // namespace
