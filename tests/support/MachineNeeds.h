#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>

// Whether the tests run under CI, whose set-up provides everything they need.
inline bool UnderCI()
{
    const char* ci = std::getenv("CI");
    return ci && std::string_view(ci) == "true";
}

// Ends a test that lacks something of the machine's (a locale, say): on a
// developer's machine it is skipped, saying what is missing; under CI it
// fails, since a test skipped there would check nothing.
#define SKIP_FOR_LACK_OF(what)                                                                                         \
    do {                                                                                                               \
        if (UnderCI())                                                                                                 \
            GTEST_FAIL() << (what) << " is missing, and under CI every test must run";                                 \
        GTEST_SKIP() << (what) << " is missing";                                                                       \
    } while (false)
