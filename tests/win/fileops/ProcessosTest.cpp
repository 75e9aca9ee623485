// Starting programs and waiting for them for real: the wait ends with the program, the window
// stays painted (mode 1) or fully alive (mode 0) meanwhile, time-outs and signals end a wait.
#include "fileops/Processos.h"
#include "tests/win/TesteUiIds.h"
#include "tests/win/comum/Arquivos.h"
#include "tests/win/comum/Janelas.h"
#include "ui/Application.h"
#include "ui/Form.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace kt;
using Relogio = std::chrono::steady_clock;

constexpr UINT kCutucao = WM_APP + 77;

// A window of the test that counts its paint messages and the messages posted to it.
class FormContador : public ui::Form {
public:
    FormContador() : ui::Form(IDD_TESTE) {}
    std::atomic<int> pinturas{0};
    std::atomic<int> cutucoes{0};

protected:
    bool OnMessage(UINT msg, WPARAM, LPARAM, LRESULT&) override {
        if (msg == WM_PAINT)
            ++pinturas;
        if (msg != kCutucao)
            return false;
        ++cutucoes;
        return true;
    }
};

std::chrono::milliseconds Desde(Relogio::time_point inicio) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Relogio::now() - inicio);
}

void Esvaziar() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
}

TEST(ExecutarEEsperar, AMissingProgramGivesFalse) {
    teste::PastaTemporaria pasta(L"kt processos");
    EXPECT_FALSE(ExecutarEEsperar(pasta / L"não existe.exe", L" 1", SW_HIDE, kEsperaPintando));
}

struct TEspera {
    bool Resultado = false;
    std::chrono::milliseconds Duracao{};
    int Pinturas = 0;
    int Cutucoes = 0;
};

// Runs the sleeping program for 2 s in the mode while another thread keeps invalidating the
// form and posting to it, and counts what the form received before the wait ended.
TEspera DormirDoisSegundos(FormContador& form, std::int32_t modo) {
    form.Show();
    Esvaziar();
    form.pinturas = 0;
    form.cutucoes = 0;
    std::atomic<bool> fim{false};
    std::thread cutucador([&] {
        while (!fim) {
            InvalidateRect(form.Handle(), nullptr, TRUE);
            PostMessageW(form.Handle(), kCutucao, 0, 0);
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
    TEspera espera;
    const auto inicio = Relogio::now();
    espera.Resultado =
        ExecutarEEsperar(teste::ProgramaDeTeste(L"kt_prog_dormir.exe"), L" 2000", SW_HIDE, modo);
    espera.Duracao = Desde(inicio);
    espera.Pinturas = form.pinturas;
    espera.Cutucoes = form.cutucoes;
    fim = true;
    cutucador.join();
    Esvaziar();
    form.Hide();
    return espera;
}

TEST(ExecutarEEsperar, WaitsForTheProgramWhileTheWindowIsRepainted) {
    FormContador form;
    const TEspera pintando = DormirDoisSegundos(form, kEsperaPintando);
    EXPECT_TRUE(pintando.Resultado);
    EXPECT_GE(pintando.Duracao.count(), 1900);
    EXPECT_GT(pintando.Pinturas, 0);
    EXPECT_EQ(pintando.Cutucoes, 0) << "mode 1 handles paint messages only";

    const TEspera tudo = DormirDoisSegundos(form, kEsperaProcessandoTudo);
    EXPECT_TRUE(tudo.Resultado);
    EXPECT_GE(tudo.Duracao.count(), 1900);
    EXPECT_GT(tudo.Pinturas, 0);
    EXPECT_GT(tudo.Cutucoes, 0) << "mode 0 handles every message";

    const TEspera nada = DormirDoisSegundos(form, 2);
    EXPECT_TRUE(nada.Resultado);
    EXPECT_GE(nada.Duracao.count(), 1900);
    EXPECT_EQ(nada.Pinturas, 0);
    EXPECT_EQ(nada.Cutucoes, 0);
}

TEST(ExecutarEEsperar, AProgramInAFolderWithABlankIsTheOneStarted) {
    // Unquoted, "...\com espaço\Marcador.exe" would start "...\com.exe" with the rest as
    // parameters.
    teste::PastaTemporaria pasta(L"kt processos");
    const std::wstring marcador = teste::ProgramaDeTeste(L"kt_prog_marcador.exe");
    ASSERT_TRUE(CreateDirectoryW((pasta / L"com espaço").c_str(), nullptr));
    const std::wstring programa = pasta / L"com espaço\\Marcador.exe";
    ASSERT_TRUE(CopyFileW(marcador.c_str(), programa.c_str(), TRUE));
    ASSERT_TRUE(CopyFileW(marcador.c_str(), (pasta / L"com.exe").c_str(), TRUE));
    const std::wstring marca = pasta / L"marca.txt";
    EXPECT_TRUE(ExecutarEEsperar(programa, L" \"" + marca + L"\" olá", SW_HIDE, 2));
    EXPECT_EQ(teste::DeUtf8(teste::LerArquivo(marca)), marca + L"\nolá\n");
}

TEST(EsperarObjetos, ATimeOutCountsAsSuccess) {
    HANDLE nunca = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    for (std::int32_t modo : {0, 1, 2}) {
        const auto inicio = Relogio::now();
        EXPECT_TRUE(EsperarObjetos(&nunca, 0, modo, 100)) << modo;
        EXPECT_GE(Desde(inicio).count(), 90) << modo;
    }
    CloseHandle(nunca);
}

TEST(EsperarObjetos, AnySignalledHandleEndsTheWait) {
    HANDLE eventos[2] = {CreateEventW(nullptr, TRUE, FALSE, nullptr),
                         CreateEventW(nullptr, TRUE, TRUE, nullptr)};
    EXPECT_TRUE(EsperarObjetos(eventos, 1, kEsperaPintando, INFINITE));
    SetEvent(eventos[0]);
    ResetEvent(eventos[1]);
    EXPECT_TRUE(EsperarObjetos(eventos, 0, kEsperaProcessandoTudo, INFINITE));
    CloseHandle(eventos[0]);
    CloseHandle(eventos[1]);
}

// A step handed to the main thread before the wait began, its arrival already seen (GetQueueStatus
// clears what is new without running anything), runs during a wait that lets sent messages through:
// a wait that wakes only for new input would sleep through it to the time-out.
TEST(EsperarObjetos, AStepHandedOverBeforeTheWaitRunsDuringIt) {
    HANDLE rodou = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    for (std::int32_t modo : {kEsperaProcessandoTudo, kEsperaPintando}) {
        ResetEvent(rodou);
        std::thread outra([&] { ui::Application::RunOnMainThread([&] { SetEvent(rodou); }); });
        ASSERT_TRUE(teste::EsperarAte([] { return HIWORD(GetQueueStatus(QS_SENDMESSAGE)) != 0; }));
        const auto inicio = Relogio::now();
        EXPECT_TRUE(EsperarObjetos(&rodou, 0, modo, 3000));
        EXPECT_LT(Desde(inicio).count(), 2000) << modo;
        Esvaziar();
        outra.join();
    }
    CloseHandle(rodou);
}

TEST(EsperarObjetos, AFailingWaitGivesFalse) {
    HANDLE fechado = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    CloseHandle(fechado);
    EXPECT_FALSE(EsperarObjetos(&fechado, 0, 2, 1000));
}

} // namespace
