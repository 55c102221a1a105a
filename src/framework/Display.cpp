#include "Display.h"

#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

std::string_view Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

bool ConnectUnix(const std::string& path, bool abstract)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (path.size() + offset >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
    const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    ::close(fd);
    return connected;
}

bool ConnectTcp(const std::string& host, int port)
{
    addrinfo hints {};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
        return false;
    bool connected = false;
    for (addrinfo* a = found; a && !connected; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0)
            continue;
        connected = ::connect(fd, a->ai_addr, a->ai_addrlen) == 0;
        ::close(fd);
    }
    ::freeaddrinfo(found);
    return connected;
}

// Whether an X server answers at the address DISPLAY names: "[host]:N[.S]",
// a local server being reached through its socket. A form this does not
// know is left for the toolkit to try.
bool XServerAnswers(std::string_view display)
{
    const std::size_t colon = display.rfind(':');
    if (colon == std::string_view::npos)
        return true;
    std::string_view host = display.substr(0, colon);
    std::string_view number = display.substr(colon + 1);
    number = number.substr(0, number.find('.'));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos || number.size() > 5)
        return true;
    if (!host.empty() && host.front() == '/')
        return ConnectUnix(std::string(display), false);
    if (host.empty() || host == "unix") {
        const std::string socket = "/tmp/.X11-unix/X" + std::string(number);
        return ConnectUnix(socket, true) || ConnectUnix(socket, false);
    }
    return ConnectTcp(std::string(host), 6000 + std::stoi(std::string(number)));
}

} // namespace

std::optional<std::string> _UnreachableDisplay()
{
    if (!Variable("QT_QPA_PLATFORM").empty() || !Variable("WAYLAND_DISPLAY").empty())
        return std::nullopt;
    const std::string_view display = Variable("DISPLAY");
    if (display.empty())
        return std::string("DISPLAY is not set");
    if (!XServerAnswers(display))
        return "DISPLAY \"" + std::string(display) + "\" cannot be opened";
    return std::nullopt;
}
