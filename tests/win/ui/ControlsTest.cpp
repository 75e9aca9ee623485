// The animation control with a clip of the program's own resources.
#include "resources/Imagens.h"
#include "tests/win/TesteUiIds.h"
#include "ui/Controls.h"
#include "ui/Form.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace {

TEST(Animation, PlaysTheProgramsOwnClipUpToItsLastFrameAndNoFurther) {
    ui::Form form(IDD_TESTE);
    HWND controle = CreateWindowExW(0, ANIMATE_CLASSW, L"", WS_CHILD | WS_VISIBLE | ACS_CENTER, 0,
                                    0, 300, 70, form.Handle(), nullptr, nullptr, nullptr);
    const ui::Animation animacao(controle);
    EXPECT_FALSE(animacao.OpenClip(IDI_INSTALAR)) << "an icon is no clip";
    ASSERT_TRUE(animacao.OpenClip(IDA_COPIANDO));
    EXPECT_FALSE(animacao.Play(21));
    EXPECT_TRUE(animacao.Play(20));
}

} // namespace
