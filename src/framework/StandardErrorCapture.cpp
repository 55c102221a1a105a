#include "StandardErrorCapture.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>

StandardErrorCapture::StandardErrorCapture()
{
    std::fflush(stderr);
    capture_ = ::memfd_create("standard-error", MFD_CLOEXEC);
    if (capture_ < 0)
        return;
    standardError_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    if (standardError_ < 0 || ::dup2(capture_, STDERR_FILENO) < 0) {
        if (standardError_ >= 0)
            ::close(standardError_);
        ::close(capture_);
        capture_ = standardError_ = -1;
    }
}

StandardErrorCapture::~StandardErrorCapture()
{
    Restore();
}

std::string StandardErrorCapture::Restore()
{
    if (capture_ < 0)
        return {};
    std::fflush(stderr);
    ::dup2(standardError_, STDERR_FILENO);
    ::close(standardError_);
    std::string written;
    char part[4096];
    ssize_t length;
    while ((length = ::pread(capture_, part, sizeof part, static_cast<off_t>(written.size()))) > 0)
        written.append(part, static_cast<std::size_t>(length));
    ::close(capture_);
    capture_ = standardError_ = -1;
    return written;
}

void StandardErrorCapture::PassOn()
{
    const std::string written = Restore();
    std::fwrite(written.data(), 1, written.size(), stderr);
    std::fflush(stderr);
}
