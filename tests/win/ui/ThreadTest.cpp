// The worker thread's hand-over: steps run on the main thread, once each and in order; errors in
// a step reach the worker; the end notice runs on the main thread after the body, also when the
// body throws; a self-freeing thread goes away on its own.
#include "ui/Application.h"
#include "ui/Exception.h"
#include "ui/Thread.h"
#include "tests/win/comum/Janelas.h"

#include <gtest/gtest.h>

#include <atomic>
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

class Gravador : public ui::Thread {
public:
    explicit Gravador(std::function<void(Gravador&)> corpo) : corpo_(std::move(corpo)) {}
    void Passo(const std::function<void()>& passo) { Synchronize(passo); }
    std::vector<std::wstring> eventos;

protected:
    void Execute() override { corpo_(*this); }

private:
    std::function<void(Gravador&)> corpo_;
};

TEST(Thread, StepsRunOnTheMainThreadOnceAndInOrder) {
    const DWORD principal = GetCurrentThreadId();
    std::vector<std::pair<int, DWORD>> passos;
    std::atomic<bool> terminou{false};
    Gravador tarefa([&](Gravador& t) {
        for (int i = 0; i < 20; ++i)
            t.Passo([&passos, i] { passos.emplace_back(i, GetCurrentThreadId()); });
    });
    tarefa.OnTerminate = [&](ui::Thread&) { terminou = true; };
    tarefa.Start();
    ASSERT_TRUE(ProcessarAte([&] { return terminou.load(); }));

    ASSERT_EQ(passos.size(), 20u);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(passos[i].first, i);
        EXPECT_EQ(passos[i].second, principal);
    }
    EXPECT_NE(tarefa.ThreadId(), principal);
}

TEST(Thread, AnErrorInAStepIsThrownAgainInTheWorker) {
    std::wstring recebida;
    bool continuou = false;
    std::atomic<bool> terminou{false};
    Gravador tarefa([&](Gravador& t) {
        try {
            t.Passo([] { throw ui::Exception(L"falhou no passo"); });
        } catch (const ui::Exception& e) {
            recebida = e.Message();
        }
        t.Passo([&] { continuou = true; });
    });
    tarefa.OnTerminate = [&](ui::Thread&) { terminou = true; };
    tarefa.Start();
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
        Gravador tarefa([&](Gravador&) {
            corpoAcabou = true;
            if (lancar)
                throw ui::Exception(L"corpo falhou");
        });
        tarefa.OnTerminate = [&](ui::Thread& t) {
            corpoAcabouAntes = corpoAcabou;
            tarefaDoAviso = GetCurrentThreadId();
            ++avisos;
            EXPECT_EQ(t.FatalException() != nullptr, lancar);
        };
        tarefa.Start();
        ASSERT_TRUE(ProcessarAte([&] { return avisos > 0; }));
        tarefa.WaitFor();
        EXPECT_TRUE(corpoAcabouAntes);
        EXPECT_EQ(tarefaDoAviso, principal);
        EXPECT_EQ(avisos, 1);
    }
}

TEST(Thread, WaitForKeepsRunningTheStepsItHandsOver) {
    int passos = 0;
    Gravador tarefa([&](Gravador& t) {
        for (int i = 0; i < 5; ++i)
            t.Passo([&] { ++passos; });
    });
    tarefa.Start();
    tarefa.WaitFor();
    EXPECT_EQ(passos, 5);
}

TEST(Thread, TerminateIsSeenByTheBody) {
    std::atomic<bool> viuPedido{false};
    Gravador tarefa([&](Gravador& t) {
        while (!t.Terminated())
            Sleep(1);
        viuPedido = true;
    });
    tarefa.Start();
    tarefa.Terminate();
    tarefa.WaitFor();
    EXPECT_TRUE(viuPedido);
}

class Autolibertada : public ui::Thread {
public:
    explicit Autolibertada(std::atomic<bool>& liberada) : liberada_(liberada) {
        SetFreeOnTerminate(true);
    }
    ~Autolibertada() override { liberada_ = true; }

protected:
    void Execute() override {}

private:
    std::atomic<bool>& liberada_;
};

TEST(Thread, AFreeOnTerminateThreadDeletesItself) {
    std::atomic<bool> liberada{false};
    std::atomic<bool> avisou{false};
    auto* tarefa = new Autolibertada(liberada);
    tarefa->OnTerminate = [&](ui::Thread&) { avisou = true; };
    tarefa->Start();
    ASSERT_TRUE(ProcessarAte([&] { return liberada.load(); }));
    EXPECT_TRUE(avisou);
}

TEST(Thread, AThreadNeverStartedEndsWithoutRunningItsBody) {
    bool rodou = false;
    {
        Gravador tarefa([&](Gravador&) { rodou = true; });
    }
    EXPECT_FALSE(rodou);
}

} // namespace
