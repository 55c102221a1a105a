#include "Startup.h"

#include "HeaderPictures.h"
#include "IktoSI.h"
#include "MenuBar1.h"
#include "converter/Window1.h"
#include "windows/AboutWindow.h"
#include "windows/MsgWindow.h"

#include <array>

namespace {

// The program's classes in the order they are registered, after the framework's.
const std::array<const ClassRecord& (*)(), 5> kProgramClasses { {
    &IktoSIClass,
    &AboutWindowClass,
    &Window1Class,
    &MenuBar1Class,
    &MsgWindowClass,
} };

} // namespace

void _Initialize()
{
    for (const ClassRecord* record : FrameworkClasses())
        RuntimeRegisterClass(*record);
    for (auto record : kProgramClasses)
        RuntimeRegisterClass(record());
}

void _Finalize()
{
    _RuntimeReleaseModuleObjects();
    MenuBar1::_implicitInstance__Exit();
}

void _ResetProgram()
{
    _RuntimeReset();
    MenuBar1::_implicitInstance__Exit();
    _ForgetHeaderPictures();
}

std::shared_ptr<RuntimeException> _CallFunctionWithExceptionHandling(Routine routine, void* argument)
{
    try {
        routine(argument);
    } catch (const RuntimeException& exception) {
        return exception.Clone();
    }
    return nullptr;
}

void _Main()
{
    _MainWith(&_Startup);
}

void _MainWith(void (*startupRoutine)())
{
    try {
        {
            auto helper = RuntimeCreateDelegate<std::shared_ptr<RuntimeException>, Routine, void*>(
                [](Object*, Routine routine, void* argument) {
                    return _CallFunctionWithExceptionHandling(routine, argument);
                },
                nullptr, "( Ptr, Ptr ) as Object", 0);
            _RuntimeSetExceptionHelper(helper);
        }
        {
            auto startup = RuntimeCreateDelegate<void>(Invokers::Routine0(startupRoutine), nullptr, "(  )", 0);
            _RunFrameworkInitialization(startup);
        }
        _RuntimeRun();
    } catch (const RuntimeException& exception) {
        _UnhandledException(exception);
    } catch (const std::exception& exception) {
        _UnhandledException(exception);
    } catch (...) {
        _UnhandledException();
    }
}

void _Startup()
{
    _RuntimeInitExternalClasses();
    _InitPluginEntrypoints();
    _InitFileTypes();
    _NewAppInstance();
    _ApplicationAddMenuHandlers();
    _MakeDefaultView();
}

void _InitFileTypes()
{
    // The program opens no documents, so it declares no file types.
}

void _NewAppInstance()
{
    auto app = std::dynamic_pointer_cast<IktoSI>(RuntimeNewObject(IktoSIClass()));
    NilCheck(app, "The application object");
    app->Constructor();
    app->SetMenuBar(MenuBar1());
    _RuntimeRegisterAppObject(app);
}

void _MakeDefaultView()
{
    Window1();
}
