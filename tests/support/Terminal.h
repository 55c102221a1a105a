#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

// Standard error sent to a file of the test's own, so that what reaches "the
// terminal" can be read back: from Open to Close, which puts it back.
class Terminal {
public:
    void Open()
    {
        file_ = ::memfd_create("terminal", MFD_CLOEXEC);
        ASSERT_GE(file_, 0);
        saved_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
        ASSERT_GE(saved_, 0);
        ASSERT_EQ(::dup2(file_, STDERR_FILENO), STDERR_FILENO);
    }
    void Close()
    {
        if (saved_ >= 0) {
            ::dup2(saved_, STDERR_FILENO);
            ::close(saved_);
        }
        if (file_ >= 0)
            ::close(file_);
        file_ = saved_ = -1;
    }

    static void Write(const std::string& text)
    {
        ASSERT_EQ(::write(STDERR_FILENO, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }

    // What has reached the terminal so far.
    std::string Text() const
    {
        std::string text;
        char part[4096];
        for (ssize_t n; (n = ::pread(file_, part, sizeof part, static_cast<off_t>(text.size()))) > 0;)
            text.append(part, static_cast<std::size_t>(n));
        return text;
    }

    // Whether standard error goes to the terminal (and not elsewhere).
    bool IsStandardError() const
    {
        struct stat terminal, standardError;
        return ::fstat(file_, &terminal) == 0 && ::fstat(STDERR_FILENO, &standardError) == 0
            && terminal.st_dev == standardError.st_dev && terminal.st_ino == standardError.st_ino;
    }

private:
    int file_ = -1;
    int saved_ = -1;
};
