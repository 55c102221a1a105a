#pragma once

#include <optional>
#include <string>
#include <vector>

// The graphical platforms the toolkit will try, in its order, as it picks
// them from the environment: the entries of QT_QPA_PLATFORM (";" between
// them, each a name with its own ":" arguments) when that is set, else
// "wayland" then "xcb" in a Wayland session (WAYLAND_DISPLAY set, or
// XDG_SESSION_TYPE=wayland), else "xcb" alone. Names in lower case, as the
// toolkit matches them.
std::vector<std::string> _ToolkitPlatforms();

// Why the X display that DISPLAY names cannot be used, as the end of a
// sentence: "DISPLAY is not set", "the display \":5\" cannot be reached",
// "the display \":5\" refused the connection: <the server's reason>", ...;
// empty when the display lets us in. Found by connecting as the toolkit's
// own X platform does (with libxcb, which reads DISPLAY and XAUTHORITY
// itself), then closing at once.
std::optional<std::string> _UnusableDisplay();

// Why the toolkit could start on none of its platforms, as the end of a
// sentence that starts with the program's name: "needs a graphical
// display, but " and why the X display cannot be used, when X was among the
// platforms tried; else "needs a graphical platform, but " and the
// platforms, "could not be started".
std::string _WhyNoPlatformStarted();
