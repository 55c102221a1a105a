#include "ToolkitStart.h"

#include "Display.h"
#include "StandardErrorCapture.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// What is caught and held while the toolkit starts, where the message
// handler finds it.
struct Starting {
    const char* programName = nullptr;
    StandardErrorCapture caught;
    std::vector<QString> held;
};

Starting* starting = nullptr;

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        starting->caught.Restore();
        std::fprintf(stderr, "%s: %s\n", starting->programName, _WhyNoPlatformStarted().c_str());
        std::fflush(stderr);
        std::_Exit(1);
    }
    starting->held.push_back(qFormatLogMessage(type, context, message));
}

} // namespace

void _StartToolkit(const char* programName, const std::function<void()>& makeApplication)
{
    Starting start;
    start.programName = programName;
    starting = &start;
    const QtMessageHandler previous = qInstallMessageHandler(&HoldMessage);
    makeApplication();
    qInstallMessageHandler(previous);
    starting = nullptr;
    start.caught.PassOn();
    for (const QString& message : start.held)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}
