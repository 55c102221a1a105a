#include "framework/Display.h"
#include "support/CleanState.h"
#include "support/Environment.h"
#include "support/FakeXServer.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

using FakeX::Accepted;
using FakeX::Authenticate;
using FakeX::Failed;
using FakeX::Transport;

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

// How many descriptors the process has open.
std::size_t OpenDescriptors()
{
    const std::filesystem::directory_iterator descriptors("/proc/self/fd");
    return static_cast<std::size_t>(std::distance(begin(descriptors), end(descriptors)));
}

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
        { ":{N}", Authenticate(std::string(200, 'y')), Transport::Local,
            "the display \":{N}\" refused the connection: " + std::string(200, 'y') },
        { ":{N}", Failed(std::string(201, 'z')), Transport::Local,
            "the display \":{N}\" refused the connection: " + std::string(200, 'z') + "..." },
        { ":{N}", Failed("\r\n\nAuthorization required\rsecond line\n"), Transport::Local,
            "the display \":{N}\" refused the connection: Authorization required" },
        { ":{N}",
            Failed("\x1f"
                   "Only ~user may connect\x7f\n"),
            Transport::Local, "the display \":{N}\" refused the connection: Only ~user may connect" },
        // A reason with nothing to show: the words end there.
        { ":{N}", Failed("\r\n\n"), Transport::Local, "the display \":{N}\" refused the connection" },
        { ":{N}", Authenticate("\x01\x1b  \x7f\t\n"), Transport::Local, "the display \":{N}\" refused the connection" },
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
        const std::size_t open = OpenDescriptors();
        server.Answer({ c.reply.value_or("") }, c.by);
        const std::optional<std::string> why = _UnusableDisplay();
        server.Stop();
        EXPECT_EQ(why, c.why ? std::optional<std::string>(Filled(*c.why)) : std::nullopt);
        EXPECT_EQ(OpenDescriptors(), open) << "the connection to the display is still open";
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
    // What the server answers the toolkit, and then the framework; no
    // replies where no server should be reached.
    std::vector<std::string> replies;
    std::string line;
};

// The program, started where no platform of the toolkit can start: one line
// that says why, status 1; never the toolkit's own lines or its abort.
TEST_F(Display, WithoutAPlatformToStartOnTheProgramSaysWhyInOneLine)
{
    const std::vector<StartCase> cases {
        { { "QT_QPA_PLATFORM=wayland" }, {},
            "ikto-si: needs a graphical platform, but \"wayland\" (QT_QPA_PLATFORM) could not be started\n" },
        { { "QT_QPA_PLATFORM=\x1b[2Jwayland" }, {},
            "ikto-si: needs a graphical platform, but \"[2Jwayland\" (QT_QPA_PLATFORM) could not be started\n" },
        { { "WAYLAND_DISPLAY=wayland-ikto-test" }, {}, "ikto-si: needs a graphical display, but DISPLAY is not set\n" },
        { { "QT_QPA_PLATFORM=wayland;xcb", "DISPLAY=:{N}" }, { Failed("Not you\n") },
            "ikto-si: needs a graphical display, but the display \":{N}\" refused the connection: Not you\n" },
        { { "DISPLAY=:{N}" }, { Authenticate("Not you either\n") },
            "ikto-si: needs a graphical display, but the display \":{N}\" refused the connection: Not you either\n" },
        // A server that refuses the toolkit but lets the second try in: the
        // platforms are named instead.
        { { "DISPLAY=:{N}" }, { Failed("Not now\n"), Accepted() },
            "ikto-si: needs a graphical platform, but \"xcb\" could not be started\n" },
        { { "WAYLAND_DISPLAY=wayland-ikto-test", "DISPLAY=:{N}" }, { Failed("Not now\n"), Accepted() },
            "ikto-si: needs a graphical platform, but \"wayland;xcb\" could not be started\n" },
    };
    for (const StartCase& c : cases) {
        std::vector<std::string> variables { "PATH=/usr/bin:/bin", "XAUTHORITY=/nonexistent/.Xauthority",
            "HOME=/nonexistent" };
        for (const std::string& variable : c.variables)
            variables.push_back(Filled(variable));
        SCOPED_TRACE(variables.back());
        server.Answer(c.replies, Transport::Local);
        const ProgramRun run = RunProgram(variables);
        server.Stop();
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.output, Filled(c.line));
    }
}

} // namespace
