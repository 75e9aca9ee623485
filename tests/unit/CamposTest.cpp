#include "fileops/Campos.h"

#include <gtest/gtest.h>

using kt::SepararCampos;
using kt::TListaCampos;

TEST(SepararCampos, TrimsFieldsAroundCommas) {
    TListaCampos c;
    SepararCampos(L"a, b ,c", c, L'\0');
    EXPECT_EQ(c[0], L"a");
    EXPECT_EQ(c[1], L"b");
    EXPECT_EQ(c[2], L"c");
    for (int i = 3; i < 10; ++i)
        EXPECT_EQ(c[i], L"");
}
