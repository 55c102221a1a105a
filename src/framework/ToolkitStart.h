#pragma once

#include <functional>

// Starting the toolkit, and saying why it could not.
//
// While the toolkit starts, what it says through its message handler is held
// back, and file descriptor 2 is caught in an anonymous file as well:
// libraries under the toolkit write there themselves, past any message
// handler (libxcb, for one, writes there the reason an X server gives for
// refusing us). Once the toolkit has started, both are passed on to standard
// error, what was caught first, then the held messages, and the message
// handler that was there before is put back.
//
// Should the toolkit find no platform it can start on (it says so with a
// fatal message), both are dropped: one line, "<program>: <why>", is all the
// user sees, and the process ends with status 1. Never the toolkit's own
// abort, which asks the user to reinstall the program and leaves a core dump.
// Why is found only then (_WhyNoPlatformStarted), and the X display is looked
// into, with a connection of its own, only when X was among the platforms
// tried. Asking first would cost every start an X connection; as it is, only
// a failed start pays: a display that does not answer keeps the user waiting
// twice, and a server that lets this second try in gets the plainer line that
// names the platform.

// Runs makeApplication, which makes the toolkit's application object, in
// the way told above; programName begins the line that says why it failed.
// An exception from makeApplication passes on once the start is over as on
// success: the handler put back, what was caught and held passed on.
void _StartToolkit(const char* programName, const std::function<void()>& makeApplication);
