#pragma once

#include "app/Startup.h"

#include <gtest/gtest.h>

// A test that uses the framework or the program. Its tear-down puts back
// everything they keep globally, so that the next test in the same process
// starts as a new run would, whatever order the tests run in.
class CleanState : public ::testing::Test {
protected:
    void TearDown() override { _ResetProgram(); }
};
