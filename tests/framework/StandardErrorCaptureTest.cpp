#include "framework/StandardErrorCapture.h"
#include "support/Terminal.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

// Standard error on a terminal of the test's own, for its whole length.
class StandardErrorCaptureTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(terminal.Open()); }
    void TearDown() override { terminal.Close(); }

    Terminal terminal;
};

// More than a pipe holds: the writer must never block.
const std::string kLongText = std::string(100'000, 'x') + "\n";

TEST_F(StandardErrorCaptureTest, HoldsAllThatIsWrittenAndPutsStandardErrorBack)
{
    terminal.Write("before\n");
    std::string caught;
    {
        StandardErrorCapture capture;
        terminal.Write(kLongText);
        caught = capture.Restore();
        EXPECT_EQ(capture.Restore(), "");
        terminal.Write("after\n");
    }
    EXPECT_EQ(caught, kLongText);
    EXPECT_EQ(terminal.Text(), "before\nafter\n");
}

TEST_F(StandardErrorCaptureTest, PassesOnWhatItHeldOrDropsItWhenNotAsked)
{
    {
        StandardErrorCapture dropped;
        terminal.Write("dropped\n");
    }
    StandardErrorCapture passedOn;
    terminal.Write(kLongText);
    passedOn.PassOn();
    terminal.Write("after\n");
    EXPECT_EQ(terminal.Text(), kLongText + "after\n");
}

// A program started with its standard input closed is given descriptor 0
// for the first file it opens: the capture's own file, which must not keep
// it from putting standard error back.
TEST_F(StandardErrorCaptureTest, PutsStandardErrorBackThoughItsFileIsDescriptorZero)
{
    const int input = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 3);
    ASSERT_GE(input, 0);
    ::close(STDIN_FILENO);
    std::string caught;
    {
        StandardErrorCapture capture;
        terminal.Write("caught\n");
        caught = capture.Restore();
    }
    terminal.Write("after\n");
    ::dup2(input, STDIN_FILENO);
    ::close(input);
    EXPECT_EQ(caught, "caught\n");
    EXPECT_EQ(terminal.Text(), "after\n");
}

// Once restored, the descriptors it held are closed and handed out again, to
// files that are not its own: restoring again, or its end, leaves those
// files open and standard error where it is.
TEST_F(StandardErrorCaptureTest, RestoredOnceItTouchesNoDescriptorAgain)
{
    for (const bool destroyed : { false, true }) {
        SCOPED_TRACE(destroyed ? "restored, then destroyed" : "restored twice");
        // A capture made now takes no number above the second that is free.
        const int firstFree = ::memfd_create("probe", MFD_CLOEXEC);
        const int secondFree = ::memfd_create("probe", MFD_CLOEXEC);
        ::close(firstFree);
        ::close(secondFree);
        std::vector<int> reused;
        {
            StandardErrorCapture capture;
            terminal.Write("caught\n");
            EXPECT_EQ(capture.Restore(), "caught\n");
            for (int fd = -1; fd < secondFree;) {
                fd = ::memfd_create("reused", MFD_CLOEXEC);
                ASSERT_GE(fd, 0);
                reused.push_back(fd);
            }
            EXPECT_EQ(reused, (std::vector<int> { firstFree, secondFree })) << "the capture holds a descriptor still";
            if (!destroyed) {
                EXPECT_EQ(capture.Restore(), "");
            }
        }
        terminal.Write("after\n");
        EXPECT_TRUE(terminal.IsStandardError());
        for (int fd : reused) {
            EXPECT_NE(::fcntl(fd, F_GETFD), -1) << "descriptor " << fd << " was closed";
            ::close(fd);
        }
    }
    EXPECT_EQ(terminal.Text(), "after\nafter\n");
}

// Where it can have no anonymous file, or no second descriptor for
// standard error, it catches nothing, leaves standard error as it is, and
// holds no descriptor: restoring it then touches none.
TEST_F(StandardErrorCaptureTest, WithNoDescriptorToSpareItLeavesStandardErrorAsItIs)
{
    rlimit limit {};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    const int firstFree = ::memfd_create("probe", MFD_CLOEXEC);
    ::close(firstFree);
    for (const rlim_t spare : { 0, 1 }) {
        SCOPED_TRACE(spare == 0 ? "no descriptor to spare" : "one descriptor to spare");
        int reused = -1;
        {
            rlimit tight = limit;
            tight.rlim_cur = static_cast<rlim_t>(firstFree) + spare;
            ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
            StandardErrorCapture capture;
            ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &limit), 0);
            terminal.Write("not caught\n");
            reused = ::memfd_create("reused", MFD_CLOEXEC);
            EXPECT_EQ(reused, firstFree) << "the capture holds a descriptor";
            EXPECT_EQ(capture.Restore(), "");
        }
        EXPECT_TRUE(terminal.IsStandardError());
        EXPECT_NE(::fcntl(reused, F_GETFD), -1) << "descriptor " << reused << " was closed";
        ::close(reused);
    }
    EXPECT_EQ(terminal.Text(), "not caught\nnot caught\n");
}

} // namespace
