#include "Runtime.h"

#include "Application.h"
#include "FolderItem.h"
#include "FrameworkClasses.h"
#include "ShowURL.h"
#include "ToolkitStart.h"
#include "Window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct RuntimeState {
    std::unique_ptr<QApplication> qtApp;
    std::map<std::string, const ClassRecord*, std::less<>> classes;
    std::vector<const ClassRecord*> classOrder;
    std::shared_ptr<ExceptionHelperDelegate> exceptionHelper;
    std::shared_ptr<Object> appObject;
    std::vector<std::shared_ptr<Window>> openWindows;
    std::map<std::string, std::shared_ptr<Window>, std::less<>> implicitWindows;
    bool pluginsReady = false;
    bool loopRunning = false;
    bool quitRequested = false;
    int reported = 0;
};

// Never destroyed by the exit handlers: what it holds is released by
// RuntimeExit, while Qt's own globals still exist.
RuntimeState& State()
{
    static RuntimeState* state = new RuntimeState;
    return *state;
}

// QApplication keeps references to these for its whole life.
int qtArgc = 1;
char qtProgramName[] = "ikto-si";
char* qtArgv[] = { qtProgramName, nullptr };

// Drops the application object, its menu handlers (which may hold it) and
// the exception helper, and deletes the widgets whose deletion is pending.
void ReleaseApplication(RuntimeState& s)
{
    if (auto app = std::dynamic_pointer_cast<Application>(s.appObject))
        app->_RemoveMenuHandlers();
    s.appObject.reset();
    s.exceptionHelper.reset();
    if (QCoreApplication::instance())
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

void RuntimeInit()
{
    RuntimeState& s = State();
    if (s.qtApp || QCoreApplication::instance())
        return;
    _StartToolkit(qtProgramName, [&s] { s.qtApp = std::make_unique<QApplication>(qtArgc, qtArgv); });
    // Ending the run is the framework's decision (AutoQuit, Quit), not Qt's.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName("IKTO Interim SI Conversion Tool");
}

int RuntimeExit()
{
    RuntimeState& s = State();
    const int status = s.reported > 0 ? 1 : 0;
    ReleaseApplication(s);
    s.qtApp.reset();
    return status;
}

void RuntimeRegisterClass(const ClassRecord& record)
{
    RuntimeState& s = State();
    if (s.classes.emplace(record.fullName, &record).second)
        s.classOrder.push_back(&record);
}

const ClassRecord* RuntimeFindClass(std::string_view fullName)
{
    RuntimeState& s = State();
    auto it = s.classes.find(fullName);
    return it == s.classes.end() ? nullptr : it->second;
}

std::vector<const ClassRecord*> RuntimeRegisteredClasses()
{
    return State().classOrder;
}

std::shared_ptr<Object> RuntimeNewObject(const ClassRecord& record)
{
    if (!record.make)
        throw RuntimeException("The class " + record.fullName + " cannot make objects.");
    std::shared_ptr<Object> object = record.make();
    if (!object)
        throw NilObjectException("The class " + record.fullName + " made no object.");
    object->_SetClass(&record);
    return object;
}

void _RuntimeSetExceptionHelper(std::shared_ptr<ExceptionHelperDelegate> helper)
{
    State().exceptionHelper = std::move(helper);
}

void _RunFrameworkInitialization(std::shared_ptr<RoutineDelegate> startup)
{
    RuntimeInit();
    if (startup)
        startup->Invoke();
}

void _RuntimeInitExternalClasses()
{
    for (const ClassRecord* record : FrameworkClasses())
        RuntimeRegisterClass(*record);
}

void _InitPluginEntrypoints()
{
    RuntimeRegisterClass(BevelButtonClass());
    State().pluginsReady = true;
}

bool _PluginEntrypointsReady()
{
    return State().pluginsReady;
}

void _RuntimeRegisterAppObject(std::shared_ptr<Object> application)
{
    State().appObject = std::move(application);
}

std::shared_ptr<Object> _GetAppObject()
{
    return State().appObject;
}

void _RuntimeRun()
{
    RuntimeState& s = State();
    RuntimeInit();
    if (auto app = std::dynamic_pointer_cast<Application>(s.appObject))
        app->_CallOpen();
    if (s.quitRequested)
        return;
    s.loopRunning = true;
    QApplication::exec();
    s.loopRunning = false;
}

void _RuntimeQuit()
{
    RuntimeState& s = State();
    s.quitRequested = true;
    if (s.loopRunning)
        QCoreApplication::exit(0);
}

bool _RuntimeQuitRequested()
{
    return State().quitRequested;
}

void _UnhandledException(const RuntimeException& exception)
{
    ++State().reported;
    std::fprintf(stderr, "Unhandled %s: %s\n", exception.ClassName(), exception.what());
    std::fflush(stderr);
}

void _UnhandledException(const std::exception& exception)
{
    ++State().reported;
    std::fprintf(stderr, "Unhandled exception: %s\n", exception.what());
    std::fflush(stderr);
}

void _UnhandledException()
{
    ++State().reported;
    std::fprintf(stderr, "Unhandled exception of an unknown type\n");
    std::fflush(stderr);
}

int _ReportedExceptionCount()
{
    return State().reported;
}

void _DispatchEvent(const std::function<void()>& work)
{
    try {
        if (const auto& helper = State().exceptionHelper) {
            Routine trampoline = [](void* argument) { (*static_cast<const std::function<void()>*>(argument))(); };
            std::shared_ptr<RuntimeException> raised
                = helper->Invoke(trampoline, const_cast<std::function<void()>*>(&work));
            if (raised)
                _UnhandledException(*raised);
        } else {
            work();
        }
    } catch (const RuntimeException& e) {
        _UnhandledException(e);
    } catch (const std::exception& e) {
        _UnhandledException(e);
    } catch (...) {
        _UnhandledException();
    }
}

std::shared_ptr<Window> _GetImplicitWindow(std::string_view fullName)
{
    RuntimeState& s = State();
    auto it = s.implicitWindows.find(fullName);
    return it == s.implicitWindows.end() ? nullptr : it->second;
}

void _RuntimeSetImplicitWindow(std::string_view fullName, std::shared_ptr<Window> window)
{
    State().implicitWindows.insert_or_assign(std::string(fullName), std::move(window));
}

void _RuntimeWindowOpened(std::shared_ptr<Window> window)
{
    State().openWindows.push_back(std::move(window));
}

void _RuntimeWindowClosed(Window& window)
{
    RuntimeState& s = State();
    // Keep the window alive until the lists are updated.
    std::shared_ptr<Window> keep;
    for (auto it = s.implicitWindows.begin(); it != s.implicitWindows.end();) {
        if (it->second.get() == &window) {
            keep = it->second;
            it = s.implicitWindows.erase(it);
        } else {
            ++it;
        }
    }
    auto open
        = std::find_if(s.openWindows.begin(), s.openWindows.end(), [&](const auto& w) { return w.get() == &window; });
    if (open != s.openWindows.end()) {
        keep = *open;
        s.openWindows.erase(open);
    }
    if (s.openWindows.empty()) {
        if (auto app = std::dynamic_pointer_cast<Application>(s.appObject); app && app->AutoQuit())
            _RuntimeQuit();
    }
}

std::vector<std::shared_ptr<Window>> _RuntimeOpenWindows()
{
    return State().openWindows;
}

void _RuntimeReleaseModuleObjects()
{
    RuntimeState& s = State();
    s.openWindows.clear();
    s.classes.clear();
    s.classOrder.clear();
    s.implicitWindows.clear();
}

void _RuntimeReset()
{
    RuntimeState& s = State();
    _RuntimeReleaseModuleObjects();
    s.pluginsReady = false;
    s.loopRunning = false;
    s.quitRequested = false;
    s.reported = 0;
    _SetShowURLHandler({});
    _SetApplicationExecutablePath("");
    ReleaseApplication(s);
}

void RuntimeProcessEvents()
{
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
