#include "framework/Display.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

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

struct DisplayCase {
    const char* platform;
    const char* wayland;
    const char* display;
    std::optional<std::string> why;
};

TEST(Display, IsLookedForOnlyWhenThePlatformIsNotChosen)
{
    const std::vector<DisplayCase> cases {
        { nullptr, nullptr, nullptr, "DISPLAY is not set" },
        { nullptr, nullptr, "", "DISPLAY is not set" },
        { nullptr, nullptr, ":65000", "DISPLAY \":65000\" cannot be opened" },
        { nullptr, nullptr, "unix:65000.0", "DISPLAY \"unix:65000.0\" cannot be opened" },
        { nullptr, nullptr, "/tmp/no-such-socket-here:0", "DISPLAY \"/tmp/no-such-socket-here:0\" cannot be opened" },
        // Forms it does not know are the toolkit's to try.
        { nullptr, nullptr, "no colon", std::nullopt },
        { nullptr, nullptr, ":x", std::nullopt },
        // A chosen platform, or a Wayland display, is the toolkit's too.
        { "offscreen", nullptr, nullptr, std::nullopt },
        { nullptr, "wayland-0", nullptr, std::nullopt },
    };
    for (const DisplayCase& c : cases) {
        SCOPED_TRACE(c.display ? c.display : "(no DISPLAY)");
        Environment environment;
        environment.Set("QT_QPA_PLATFORM", c.platform);
        environment.Set("WAYLAND_DISPLAY", c.wayland);
        environment.Set("DISPLAY", c.display);
        EXPECT_EQ(_UnreachableDisplay(), c.why);
    }
}

} // namespace
