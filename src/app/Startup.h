#pragma once

#include "framework/Framework.h"

#include <memory>

// The road from the process entry to its exit status.

// Registers every class with the runtime: the framework's first, then the program's.
void _Initialize();
// Releases the module-level shared objects at the end of a run, the menu bar last.
void _Finalize();
// Puts the framework and the program back as a new process has them (the
// GUI application aside): what a test's tear-down calls, since the tests run
// one after another in one process.
void _ResetProgram();

// Runs start-up and the event loop; whatever escapes them, of any type, is
// reported once and ends the run in order.
void _Main();
// The same around another start-up routine than _Startup (the tests' way in).
void _MainWith(void (*startupRoutine)());
void _Startup();
void _InitFileTypes();
void _NewAppInstance();
void _ApplicationAddMenuHandlers();
void _MakeDefaultView();

// The framework's helper for calls made under exception handling: runs the
// routine and gives back the RuntimeException it raised, or null.
std::shared_ptr<RuntimeException> _CallFunctionWithExceptionHandling(Routine routine, void* argument);
