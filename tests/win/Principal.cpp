// Entry of the Windows tests: the toolkit needs its application object on the main thread.
#include "ui/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ui::Application::Initialize();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
