#include "Display.h"

#include "StandardErrorCapture.h"

#include <xcb/xcb.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string_view>

namespace {

std::string_view Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

// Text fit for the user's terminal: printable ASCII only. A server's words
// come from the network, and a control sequence in them, or in a variable,
// must not reach the terminal.
std::string Printable(std::string_view text)
{
    std::string printable;
    for (char c : text)
        if (c >= ' ' && c <= '~')
            printable += c;
    return printable;
}

// The first line of the text that has anything on it, printable, and cut
// short when it runs long.
std::string OneLine(std::string_view text)
{
    constexpr std::size_t longest = 200;
    const std::size_t start = std::min(text.find_first_not_of("\r\n"), text.size());
    std::string line = Printable(text.substr(start, text.find_first_of("\r\n", start) - start));
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    if (line.size() > longest)
        line = line.substr(0, longest) + "...";
    return line;
}

struct Connection {
    int error = 0;
    // The screen that the display name asks for.
    int screen = 0;
    // What libxcb wrote on standard error meanwhile: the reason a server
    // gave for refusing us, or nothing.
    std::string said;
};

// Connects to the X display as the toolkit does, and closes again.
Connection ConnectToX()
{
    StandardErrorCapture capture;
    Connection result;
    xcb_connection_t* connection = xcb_connect(nullptr, &result.screen);
    result.error = xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    result.said = capture.Restore();
    return result;
}

} // namespace

std::vector<std::string> _ToolkitPlatforms()
{
    const std::string_view chosen = Variable("QT_QPA_PLATFORM");
    if (chosen.empty()) {
        const bool wayland = std::getenv("WAYLAND_DISPLAY") || Variable("XDG_SESSION_TYPE") == "wayland";
        return wayland ? std::vector<std::string> { "wayland", "xcb" } : std::vector<std::string> { "xcb" };
    }
    std::vector<std::string> platforms;
    std::size_t start = 0;
    while (start <= chosen.size()) {
        const std::size_t end = std::min(chosen.find(';', start), chosen.size());
        std::string name(chosen.substr(start, end - start));
        name = name.substr(0, name.find(':'));
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        if (!name.empty())
            platforms.push_back(name);
        start = end + 1;
    }
    return platforms;
}

std::optional<std::string> _UnusableDisplay()
{
    const std::string_view display = Variable("DISPLAY");
    if (display.empty())
        return std::string("DISPLAY is not set");
    const Connection connection = ConnectToX();
    const std::string named = "\"" + Printable(display) + "\"";
    switch (connection.error) {
    case 0:
        return std::nullopt;
    case XCB_CONN_CLOSED_PARSE_ERR:
        return "DISPLAY " + named + " names no display";
    case XCB_CONN_CLOSED_INVALID_SCREEN:
        return "the display " + named + " has no screen " + std::to_string(connection.screen);
    default:
        break;
    }
    if (connection.said.empty())
        return "the display " + named + " cannot be reached";
    const std::string reason = OneLine(connection.said);
    return "the display " + named + " refused the connection" + (reason.empty() ? "" : ": " + reason);
}

std::string _WhyNoPlatformStarted()
{
    const std::vector<std::string> platforms = _ToolkitPlatforms();
    if (std::find(platforms.begin(), platforms.end(), "xcb") != platforms.end())
        if (std::optional<std::string> why = _UnusableDisplay())
            return "needs a graphical display, but " + *why;
    std::string named;
    if (const std::string_view chosen = Variable("QT_QPA_PLATFORM"); !chosen.empty()) {
        named = "\"" + Printable(chosen) + "\" (QT_QPA_PLATFORM)";
    } else {
        for (const std::string& platform : platforms)
            named += (named.empty() ? "\"" : ";") + platform;
        named += "\"";
    }
    return "needs a graphical platform, but " + named + " could not be started";
}
