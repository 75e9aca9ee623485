// Entry of the Windows tests: the toolkit needs its application object on the main thread, and the
// framework its Solutions Center, made hidden right after it and installed as the program does.
#include "dialogs/CentralSolucoes.h"
#include "dialogs/ServicosKT.h"
#include "ui/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const ui::Application::Session sessao;
    const kt::TCentralSolucoesDoPrograma central;
    const kt::TServicosDeJanelaInstalados janelas(kt::ServicosDeJanelaDoFramework());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
