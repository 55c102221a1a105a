#pragma once

#include <string>

// Sends file descriptor 2 to an anonymous file until Restore (or the end of
// the object's life). A file, not a pipe: a pipe that no one reads fills up,
// and a long text would then block the write for ever. Where no anonymous
// file can be made, standard error is left as it is and nothing is captured.
class StandardErrorCapture {
public:
    StandardErrorCapture();
    ~StandardErrorCapture();
    StandardErrorCapture(const StandardErrorCapture&) = delete;
    StandardErrorCapture& operator=(const StandardErrorCapture&) = delete;

    // Puts standard error back and gives what was written meanwhile; ""
    // once restored.
    std::string Restore();
    // Puts standard error back and writes there what was written meanwhile.
    void PassOn();

private:
    int capture_ = -1;
    int standardError_ = -1;
};
