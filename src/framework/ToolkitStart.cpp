#include "ToolkitStart.h"

#include "Display.h"
#include "StandardErrorCapture.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace {

class Starting;
// The start under way, where the message handler finds it.
Starting* starting = nullptr;
// The toolkit may speak from threads of its own while it starts.
std::mutex holding;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& message);

// What is caught and held while the toolkit starts. The start is over when
// this ends, whether the application was made or an exception passes out:
// the message handler that was there before is put back, and what was
// caught, then what was held, is passed on.
class Starting {
public:
    explicit Starting(const char* programName)
        : programName_(programName)
    {
        const std::lock_guard lock(holding);
        starting = this;
        previous_ = qInstallMessageHandler(&HoldMessage);
    }

    ~Starting()
    {
        {
            const std::lock_guard lock(holding);
            qInstallMessageHandler(previous_);
            starting = nullptr;
        }
        caught_.PassOn();
        for (const QString& message : held_)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    }

    Starting(const Starting&) = delete;
    Starting& operator=(const Starting&) = delete;

    void Hold(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (type == QtFatalMsg) {
            caught_.Restore();
            std::fprintf(stderr, "%s: %s\n", programName_, _WhyNoPlatformStarted().c_str());
            std::fflush(stderr);
            std::_Exit(1);
        }
        held_.push_back(qFormatLogMessage(type, context, message));
    }

private:
    const char* programName_;
    QtMessageHandler previous_ = nullptr;
    StandardErrorCapture caught_;
    std::vector<QString> held_;
};

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const std::lock_guard lock(holding);
    if (starting)
        starting->Hold(type, context, message);
}

} // namespace

void _StartToolkit(const char* programName, const std::function<void()>& makeApplication)
{
    Starting start(programName);
    makeApplication();
}
