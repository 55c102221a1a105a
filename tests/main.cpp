#include "support/MachineNeeds.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Widget tests run headless unless a display is asked for explicitly.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    // Under CI a skipped test is a failed one, however it came to skip. This
    // holds for the executable run directly, as CI runs it after ctest; ctest
    // counts a test whose output says it skipped as skipped, whatever its
    // status. A test that lacks something says so with SKIP_FOR_LACK_OF,
    // which fails under CI in either.
    const int skipped = ::testing::UnitTest::GetInstance()->skipped_test_count();
    if (UnderCI() && skipped > 0) {
        std::fprintf(stderr, "%d test(s) skipped, and under CI every test must run\n", skipped);
        return 1;
    }
    return status;
}
