#include "fileops/Campos.h"

#include <gtest/gtest.h>

TEST(CamposWin, SplitsUnderWine) {
    auto c = kt::Separar(L"Portugues, 0, 0, sim");
    EXPECT_EQ(c[3], L"sim");
}
