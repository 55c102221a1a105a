#include "framework/Display.h"
#include "support/CleanState.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

// Sets or clears environment variables for one scope, then puts back what was there.
class Environment {
public:
    void Set(const char* name, const char* value)
    {
        const char* was = std::getenv(name);
        saved_.push_back({ name, was ? std::optional<std::string>(was) : std::nullopt });
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~Environment()
    {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            if (it->second)
                setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                unsetenv(it->first.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// --- an X server's answers to a client's setup request, in the client's
// (this machine's) byte order ------------------------------------------------

std::string Bytes(std::size_t count)
{
    return std::string(count, '\0');
}
void Put16(std::string& bytes, std::size_t at, std::uint16_t value)
{
    std::memcpy(&bytes[at], &value, 2);
}
void Put32(std::string& bytes, std::size_t at, std::uint32_t value)
{
    std::memcpy(&bytes[at], &value, 4);
}
std::string Padded(std::string text)
{
    return text.append((4 - text.size() % 4) % 4, '\0');
}

// The server will not let us in; its reason is at most 255 bytes.
std::string Failed(const std::string& reason)
{
    std::string reply = Bytes(8);
    reply[1] = static_cast<char>(reason.size());
    Put16(reply, 2, 11);
    Put16(reply, 6, static_cast<std::uint16_t>(Padded(reason).size() / 4));
    return reply + Padded(reason);
}

// The server asks for more authentication, with a reason of any length.
std::string Authenticate(const std::string& reason)
{
    std::string reply = Bytes(8);
    reply[0] = 2;
    Put16(reply, 6, static_cast<std::uint16_t>(Padded(reason).size() / 4));
    return reply + Padded(reason);
}

// The server lets us in: the smallest setup there is, with one screen.
std::string Accepted()
{
    std::string reply = Bytes(8 + 32 + 40);
    reply[0] = 1;
    Put16(reply, 2, 11);
    Put16(reply, 6, (32 + 40) / 4);
    Put32(reply, 12, 0x00200000); // resource ids: base
    Put32(reply, 16, 0x001fffff); // and mask
    Put16(reply, 26, 0xffff); // longest request
    reply[28] = 1; // screens
    reply[34] = 8; // keycodes
    reply[35] = static_cast<char>(255);
    Put32(reply, 40, 0x100); // the screen's root window
    Put16(reply, 60, 640);
    Put16(reply, 62, 480);
    reply[78] = 24; // root depth
    return reply;
}

// --- a fake X server ---------------------------------------------------------

int Socket(int family)
{
    return ::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
}

// The well-known local socket of display n, in the abstract namespace, where
// X clients on Linux look first; nothing is made in the file system.
int BindAbstract(int n)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const std::string name = "/tmp/.X11-unix/X" + std::to_string(n);
    std::memcpy(address.sun_path + 1, name.data(), name.size());
    const int fd = Socket(AF_UNIX);
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) == 0)
        return fd;
    ::close(fd);
    return -1;
}

// The TCP port of display n on the loopback address, IPv4 or IPv6; -2 where
// the machine has no such address.
int BindTcp(int n, bool six)
{
    const int fd = Socket(six ? AF_INET6 : AF_INET);
    const auto port = static_cast<std::uint16_t>(6000 + n);
    int bound;
    if (six) {
        sockaddr_in6 address {};
        address.sin6_family = AF_INET6;
        address.sin6_port = htons(port);
        address.sin6_addr = in6addr_loopback;
        bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    } else {
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
    if (bound == 0)
        return fd;
    const int why = errno;
    ::close(fd);
    return six && (why == EADDRNOTAVAIL || why == EAFNOSUPPORT) ? -2 : -1;
}

// How a client reaches the server: its local socket, or TCP.
enum class Transport { Local, Tcp };

// An X server of our own for display `Number()`, on its abstract socket and
// its loopback TCP ports, that answers a client's setup request with the
// reply it is given, on the one transport it is told; a client that comes
// by the other is hung up on at once. Display
// `Unreachable()` is held too, bound but not listening, so that no one
// answers there. Both numbers were free: no socket file, nothing bound.
class FakeXServer {
public:
    FakeXServer()
    {
        for (int n = 300; n < 1000 && number_ < 0; ++n) {
            if (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(n)))
                continue;
            std::vector<int> held { BindAbstract(n), BindTcp(n, false), BindTcp(n, true) };
            if (std::find(held.begin(), held.end(), -1) != held.end()) {
                Close(held);
                continue;
            }
            std::erase(held, -2);
            if (unreachable_ < 0) {
                unreachable_ = n;
                silent_ = held;
            } else {
                number_ = n;
                for (std::size_t i = 0; i < held.size(); ++i)
                    listening_.push_back({ held[i], i == 0 ? Transport::Local : Transport::Tcp });
            }
        }
        for (const auto& [fd, transport] : listening_)
            ::listen(fd, 4);
        if (::pipe2(stop_, O_CLOEXEC) != 0)
            stop_[0] = stop_[1] = -1;
    }
    ~FakeXServer()
    {
        Stop();
        Close({ stop_[0], stop_[1] });
        for (const auto& [fd, transport] : listening_)
            ::close(fd);
        Close(silent_);
    }
    FakeXServer(const FakeXServer&) = delete;
    FakeXServer& operator=(const FakeXServer&) = delete;

    bool Ready() const { return number_ >= 0 && unreachable_ >= 0 && stop_[0] >= 0; }
    int Number() const { return number_; }
    int Unreachable() const { return unreachable_; }

    // Answers every client that comes by the transport with the reply, one
    // after the other, until Stop. With no reply, every client is hung up on.
    void Answer(std::string reply, Transport by)
    {
        answering_ = std::thread([this, reply, by] {
            std::vector<pollfd> polled { { stop_[0], POLLIN, 0 } };
            for (const auto& [fd, transport] : listening_)
                polled.push_back({ fd, POLLIN, 0 });
            while (::poll(polled.data(), polled.size(), -1) > 0 && !polled[0].revents) {
                for (std::size_t i = 1; i < polled.size(); ++i) {
                    if (!(polled[i].revents & POLLIN))
                        continue;
                    const int client = ::accept4(polled[i].fd, nullptr, nullptr, SOCK_CLOEXEC);
                    if (listening_[i - 1].second == by)
                        Serve(client, reply);
                    else if (client >= 0)
                        ::close(client);
                }
            }
        });
    }
    void Stop()
    {
        if (!answering_.joinable())
            return;
        const char stop = 0;
        if (::write(stop_[1], &stop, 1) == 1)
            answering_.join();
        char stopped;
        while (::read(stop_[0], &stopped, 1) != 1) { }
    }

private:
    // Reads the client's setup request, answers it, and waits for the
    // client to hang up (or for Stop).
    void Serve(int client, const std::string& reply)
    {
        if (client < 0)
            return;
        if (reply.empty()) {
            ::close(client);
            return;
        }
        std::string request = Bytes(12);
        if (ReadAll(client, request)) {
            std::uint16_t nameLength, dataLength;
            std::memcpy(&nameLength, &request[6], 2);
            std::memcpy(&dataLength, &request[8], 2);
            std::string authorization = Padded(Bytes(nameLength)) + Padded(Bytes(dataLength));
            if (ReadAll(client, authorization))
                WriteAll(client, reply);
        }
        pollfd polled[] = { { client, POLLIN, 0 }, { stop_[0], POLLIN, 0 } };
        char rest[256];
        while (::poll(polled, 2, -1) > 0 && !polled[1].revents && ::read(client, rest, sizeof rest) > 0) { }
        ::close(client);
    }

    static void Close(const std::vector<int>& fds)
    {
        for (int fd : fds)
            if (fd >= 0)
                ::close(fd);
    }
    static bool ReadAll(int fd, std::string& bytes)
    {
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t n = ::read(fd, &bytes[done], bytes.size() - done);
            if (n <= 0)
                return false;
            done += static_cast<std::size_t>(n);
        }
        return true;
    }
    static void WriteAll(int fd, const std::string& bytes)
    {
        for (std::size_t done = 0; done < bytes.size();) {
            const ssize_t n = ::send(fd, &bytes[done], bytes.size() - done, MSG_NOSIGNAL);
            if (n <= 0)
                return;
            done += static_cast<std::size_t>(n);
        }
    }

    int number_ = -1;
    int unreachable_ = -1;
    std::vector<std::pair<int, Transport>> listening_;
    std::vector<int> silent_;
    int stop_[2] = { -1, -1 };
    std::thread answering_;
};

// The fake server, and an environment in which X clients find no
// authorization of the user's own to send.
class Display : public CleanState {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.Ready()) << "no free display number for a fake X server";
        environment.Set("XAUTHORITY", "/nonexistent/.Xauthority");
        environment.Set("HOME", "/nonexistent");
    }

    // The text with {N} and {M} replaced by the server's display number and
    // the number where no one answers.
    std::string Filled(std::string text) const
    {
        const std::pair<std::string, std::string> fields[] = {
            { "{N}", std::to_string(server.Number()) },
            { "{M}", std::to_string(server.Unreachable()) },
        };
        for (const auto& [field, value] : fields)
            for (std::size_t at; (at = text.find(field)) != std::string::npos;)
                text.replace(at, field.size(), value);
        return text;
    }

    FakeXServer server;
    Environment environment;
};

struct DisplayCase {
    const char* display;
    // What the server answers, and by which transport; no reply where no
    // server should be reached.
    std::optional<std::string> reply;
    Transport by;
    std::optional<std::string> why;
};

TEST_F(Display, EveryNameThatXClientsAcceptIsUsedAndEachFailureSaysWhy)
{
    const std::string accepted = Accepted();
    const std::vector<DisplayCase> cases {
        // Local socket and TCP: every form that X clients take.
        { ":{N}", accepted, Transport::Local, std::nullopt },
        { ":{N}.0", accepted, Transport::Local, std::nullopt },
        { "unix:{N}", accepted, Transport::Local, std::nullopt },
        { "unix/:{N}", accepted, Transport::Local, std::nullopt },
        { "localhost:{N}", accepted, Transport::Tcp, std::nullopt },
        { "tcp/localhost:{N}", accepted, Transport::Tcp, std::nullopt },
        { "127.0.0.1:{N}", accepted, Transport::Tcp, std::nullopt },
        // A server that lets us in, but has no such screen.
        { ":{N}.5", accepted, Transport::Local, "the display \":{N}.5\" has no screen 5" },
        // A server that refuses: its reason, on one line, without control
        // characters, however long it is.
        { ":{N}", Failed("No protocol specified\n"), Transport::Local,
            "the display \":{N}\" refused the connection: No protocol specified" },
        { "tcp/localhost:{N}", Authenticate("\x1b]0;owned\aGo \x1b[2Jaway\r\nsecond line\n"), Transport::Tcp,
            "the display \"tcp/localhost:{N}\" refused the connection: ]0;ownedGo [2Jaway" },
        { ":{N}", Authenticate(std::string(100000, 'x')), Transport::Local,
            "the display \":{N}\" refused the connection: " + std::string(200, 'x') + "..." },
        // No server there.
        { ":{M}", std::nullopt, Transport::Local, "the display \":{M}\" cannot be reached" },
        { "localhost:{M}", std::nullopt, Transport::Tcp, "the display \"localhost:{M}\" cannot be reached" },
        // No display named at all.
        { nullptr, std::nullopt, Transport::Local, "DISPLAY is not set" },
        { "", std::nullopt, Transport::Local, "DISPLAY is not set" },
        { "no display", std::nullopt, Transport::Local, "DISPLAY \"no display\" names no display" },
        { ":x", std::nullopt, Transport::Local, "DISPLAY \":x\" names no display" },
        { "\x1b[2J\n:", std::nullopt, Transport::Local, "DISPLAY \"[2J:\" names no display" },
    };
    for (const DisplayCase& c : cases) {
        const std::string display = c.display ? Filled(c.display) : "(not set)";
        SCOPED_TRACE(display);
        environment.Set("DISPLAY", c.display ? display.c_str() : nullptr);
        server.Answer(c.reply.value_or(""), c.by);
        const std::optional<std::string> why = _UnusableDisplay();
        server.Stop();
        EXPECT_EQ(why, c.why ? std::optional<std::string>(Filled(*c.why)) : std::nullopt);
    }
}

struct PlatformCase {
    const char* chosen;
    const char* wayland;
    const char* session;
    std::vector<std::string> platforms;
};

TEST(ToolkitPlatforms, AreTheChosenOnesElseWaylandFirstInAWaylandSessionElseX)
{
    const std::vector<PlatformCase> cases {
        { nullptr, nullptr, nullptr, { "xcb" } },
        { "", nullptr, "x11", { "xcb" } },
        { nullptr, "wayland-0", nullptr, { "wayland", "xcb" } },
        { nullptr, "", nullptr, { "wayland", "xcb" } },
        { nullptr, nullptr, "wayland", { "wayland", "xcb" } },
        { "xcb", "wayland-0", "wayland", { "xcb" } },
        { "XCB:nograb", nullptr, nullptr, { "xcb" } },
        { "wayland;;xcb;", nullptr, nullptr, { "wayland", "xcb" } },
        { "offscreen", nullptr, nullptr, { "offscreen" } },
        { ";", nullptr, nullptr, {} },
    };
    for (const PlatformCase& c : cases) {
        SCOPED_TRACE(c.chosen ? c.chosen : "(QT_QPA_PLATFORM not set)");
        Environment environment;
        environment.Set("QT_QPA_PLATFORM", c.chosen);
        environment.Set("WAYLAND_DISPLAY", c.wayland);
        environment.Set("XDG_SESSION_TYPE", c.session);
        EXPECT_EQ(_ToolkitPlatforms(), c.platforms);
    }
}

struct ProgramRun {
    int status = -1;
    std::string output;
};

// Runs the program in an environment of the variables given only, and gives
// its exit status with what it wrote on standard output and error.
ProgramRun RunProgram(const std::vector<std::string>& variables)
{
    const std::string program = std::string(IKTO_BUNDLE_DIR) + "/bin/ikto-si";
    std::vector<std::string> arguments { "/usr/bin/timeout", "20", program };
    std::vector<char*> argv, envp;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<std::string> environmentCopy = variables;
    for (std::string& variable : environmentCopy)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDERR_FILENO);
    pid_t child = -1;
    const int spawned = ::posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    ProgramRun run;
    char part[4096];
    for (ssize_t n; (n = ::read(output[0], part, sizeof part)) > 0;)
        run.output.append(part, static_cast<std::size_t>(n));
    ::close(output[0]);
    int status = 0;
    if (spawned == 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    return run;
}

struct StartCase {
    std::vector<std::string> variables;
    std::optional<std::string> reply;
    std::string line;
};

// The program, started where no platform of the toolkit can start: one line
// that says why, status 1; never the toolkit's own lines or its abort.
TEST_F(Display, WithoutAPlatformToStartOnTheProgramSaysWhyInOneLine)
{
    const std::vector<StartCase> cases {
        { { "QT_QPA_PLATFORM=wayland" }, std::nullopt,
            "ikto-si: needs a graphical platform, but \"wayland\" (QT_QPA_PLATFORM) could not be started\n" },
        { { "WAYLAND_DISPLAY=wayland-ikto-test" }, std::nullopt,
            "ikto-si: needs a graphical display, but DISPLAY is not set\n" },
        { { "QT_QPA_PLATFORM=wayland;xcb", "DISPLAY=:{N}" }, Failed("Not you\n"),
            "ikto-si: needs a graphical display, but the display \":{N}\" refused the connection: Not you\n" },
        { { "DISPLAY=:{N}" }, Authenticate("Not you either\n"),
            "ikto-si: needs a graphical display, but the display \":{N}\" refused the connection: Not you either\n" },
    };
    for (const StartCase& c : cases) {
        std::vector<std::string> variables { "PATH=/usr/bin:/bin", "XAUTHORITY=/nonexistent/.Xauthority",
            "HOME=/nonexistent" };
        for (const std::string& variable : c.variables)
            variables.push_back(Filled(variable));
        SCOPED_TRACE(variables.back());
        server.Answer(c.reply.value_or(""), Transport::Local);
        const ProgramRun run = RunProgram(variables);
        server.Stop();
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.output, Filled(c.line));
    }
}

} // namespace
