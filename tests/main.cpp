#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Widget tests run headless unless a display is asked for explicitly.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
