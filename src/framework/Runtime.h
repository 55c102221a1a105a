#pragma once

#include "ClassRecord.h"
#include "Delegate.h"
#include "Exceptions.h"
#include "Object.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class Window;

// Runtime start and end. RuntimeInit starts the toolkit and makes the GUI
// application (once), or ends the process when the toolkit cannot start.
// RuntimeExit shuts it down and gives the process's exit status: 0 after a
// clean run, 1 once any exception was reported.
void RuntimeInit();
int RuntimeExit();

// Class registry.
void RuntimeRegisterClass(const ClassRecord& record);
const ClassRecord* RuntimeFindClass(std::string_view fullName);
std::vector<const ClassRecord*> RuntimeRegisteredClasses();

// A new, not yet constructed object of the class.
std::shared_ptr<Object> RuntimeNewObject(const ClassRecord& record);

// The object as T when it is of the class (or derives from it), else null.
template <class T> std::shared_ptr<T> RuntimeCheckCast(const std::shared_ptr<Object>& object, const ClassRecord& record)
{
    if (!object || !object->Class() || !object->Class()->IsA(record))
        return nullptr;
    return std::dynamic_pointer_cast<T>(object);
}

// Start-up services.
void _RuntimeSetExceptionHelper(std::shared_ptr<ExceptionHelperDelegate> helper);
void _RunFrameworkInitialization(std::shared_ptr<RoutineDelegate> startup);
void _RuntimeInitExternalClasses();
void _InitPluginEntrypoints();
bool _PluginEntrypointsReady();
void _RuntimeRegisterAppObject(std::shared_ptr<Object> application);
std::shared_ptr<Object> _GetAppObject();

// The event loop; returns when the framework ends it.
void _RuntimeRun();
// Ends the event loop (or, outside it, makes the next _RuntimeRun return at once).
void _RuntimeQuit();
bool _RuntimeQuitRequested();

// Reports an exception that escaped: one line on standard error.
void _UnhandledException(const RuntimeException& exception);
void _UnhandledException(const std::exception& exception);
// The same for an exception of a type the framework does not know.
void _UnhandledException();
int _ReportedExceptionCount();

// Runs `work` the way the framework runs every handler it calls from Qt:
// through the installed exception helper, with anything that escapes
// reported instead of unwinding into Qt.
void _DispatchEvent(const std::function<void()>& work);

// Shared windows: the open instance kept under a class's full name.
std::shared_ptr<Window> _GetImplicitWindow(std::string_view fullName);
void _RuntimeSetImplicitWindow(std::string_view fullName, std::shared_ptr<Window> window);
void _RuntimeWindowOpened(std::shared_ptr<Window> window);
void _RuntimeWindowClosed(Window& window);
std::vector<std::shared_ptr<Window>> _RuntimeOpenWindows();

// Releases the framework's module-level shared objects (window lists, class
// registries, implicit windows), as at the end of a run.
void _RuntimeReleaseModuleObjects();

// Puts the framework back as a new process has it, but for the GUI
// application, which lives on: no application object, windows, classes or
// exception helper, no quit request and no exception reported, the desktop's
// own receivers of addresses and of the executable's path. Tests run one
// after another in one process and call it when each is done.
void _RuntimeReset();

// Lets queued work run (pending shows, deferred deletes, posted events).
void RuntimeProcessEvents();
