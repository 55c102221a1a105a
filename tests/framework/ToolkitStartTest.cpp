#include "framework/ToolkitStart.h"
#include "framework/Runtime.h"
#include "support/CleanState.h"
#include "support/Terminal.h"

#include <QString>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Standard error on a terminal of the test's own.
class ToolkitStart : public CleanState {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(terminal.Open()); }
    void TearDown() override
    {
        terminal.Close();
        CleanState::TearDown();
    }

    Terminal terminal;
};

// The messages that reach a handler of the test's own.
std::vector<std::string>& Recorded()
{
    static std::vector<std::string> recorded;
    return recorded;
}
void Record(QtMsgType, const QMessageLogContext&, const QString& message)
{
    Recorded().push_back(message.toStdString());
}

TEST_F(ToolkitStart, WhatWasWrittenThenWhatWasSaidWhileItStartedIsPassedOnOnceItHas)
{
    // What a library writes there itself: more than a pipe holds, and a
    // NUL in it.
    const std::string written = std::string("written\0", 8) + std::string(100'000, 'x') + "\n";
    Recorded().clear();
    const QtMessageHandler before = qInstallMessageHandler(&Record);
    std::string meanwhile = "(never started)";
    _StartToolkit("ikto-si", [&] {
        qWarning("said while it starts");
        terminal.Write(written);
        qInfo("and said again");
        meanwhile = terminal.Text();
    });
    qWarning("said once it has started");
    qInstallMessageHandler(before);
    EXPECT_EQ(meanwhile, "");
    EXPECT_EQ(terminal.Text(), written + "said while it starts\nand said again\n");
    EXPECT_EQ(Recorded(), std::vector<std::string> { "said once it has started" });
}

TEST_F(ToolkitStart, AnExceptionWhileItStartsPassesOnOnceWhatWasCaughtAndHeldIsPassedOn)
{
    Recorded().clear();
    const QtMessageHandler before = qInstallMessageHandler(&Record);
    EXPECT_THROW(_StartToolkit("ikto-si",
                     [&] {
                         qWarning("said while it starts");
                         terminal.Write("written\n");
                         throw std::runtime_error("the application could not be made");
                     }),
        std::runtime_error);
    qWarning("said after");
    qInstallMessageHandler(before);
    EXPECT_EQ(terminal.Text(), "written\nsaid while it starts\n");
    EXPECT_EQ(Recorded(), std::vector<std::string> { "said after" });
}

// Under ctest, where each test has a process of its own, this starts the
// toolkit itself; in one process an earlier test may have started it.
TEST_F(ToolkitStart, OnceTheApplicationExistsTheToolkitsWarningsReachStandardError)
{
    RuntimeInit();
    qWarning("a warning once started");
    const std::string text = terminal.Text();
    EXPECT_TRUE(text.ends_with("a warning once started\n")) << text;
}

} // namespace
