#include "framework/StandardErrorCapture.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <string>

namespace {

// Sends standard error to a file of the test's own for its whole length, so
// that what reaches "the terminal" can be read back; puts it back at the end.
class StandardErrorCaptureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        terminal_ = ::memfd_create("terminal", MFD_CLOEXEC);
        ASSERT_GE(terminal_, 0);
        saved_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
        ASSERT_GE(saved_, 0);
        ASSERT_EQ(::dup2(terminal_, STDERR_FILENO), STDERR_FILENO);
    }
    void TearDown() override
    {
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
        ::close(terminal_);
    }

    static void Write(const std::string& text)
    {
        ASSERT_EQ(::write(STDERR_FILENO, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }

    // What has reached the terminal so far.
    std::string OnTheTerminal() const
    {
        std::string text;
        char part[4096];
        for (ssize_t n; (n = ::pread(terminal_, part, sizeof part, static_cast<off_t>(text.size()))) > 0;)
            text.append(part, static_cast<std::size_t>(n));
        return text;
    }

private:
    int terminal_ = -1;
    int saved_ = -1;
};

// More than a pipe holds: the writer must never block.
const std::string kLongText = std::string(100'000, 'x') + "\n";

TEST_F(StandardErrorCaptureTest, HoldsAllThatIsWrittenAndPutsStandardErrorBack)
{
    Write("before\n");
    std::string caught;
    {
        StandardErrorCapture capture;
        Write(kLongText);
        caught = capture.Restore();
        EXPECT_EQ(capture.Restore(), "");
        Write("after\n");
    }
    EXPECT_EQ(caught, kLongText);
    EXPECT_EQ(OnTheTerminal(), "before\nafter\n");
}

TEST_F(StandardErrorCaptureTest, PassesOnWhatItHeldOrDropsItWhenNotAsked)
{
    {
        StandardErrorCapture dropped;
        Write("dropped\n");
    }
    StandardErrorCapture passedOn;
    Write(kLongText);
    passedOn.PassOn();
    Write("after\n");
    EXPECT_EQ(OnTheTerminal(), kLongText + "after\n");
}

} // namespace
