#include "framework/HeldKeys.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

// A key as the control is told of it: its identity, and whether it moves the focus.
struct Key {
    std::uint64_t identity;
    bool focusKey;
};

constexpr Key kX { 1, false };
constexpr Key kY { 2, false };
constexpr Key kTab { 3, true };
constexpr Key kBacktab { 4, true };

enum class Kind { Press, Release, FocusLost };

struct Event {
    Kind kind;
    Key key;
    std::uint64_t timestamp;
    bool autoRepeat;
};

Event Press(Key key, std::uint64_t timestamp)
{
    return { Kind::Press, key, timestamp, false };
}
Event Release(Key key, std::uint64_t timestamp)
{
    return { Kind::Release, key, timestamp, false };
}
// The two halves of a repeat that the toolkit marked as one.
Event Repeat(Key key, std::uint64_t timestamp)
{
    return { Kind::Press, key, timestamp, true };
}
Event RepeatRelease(Key key, std::uint64_t timestamp)
{
    return { Kind::Release, key, timestamp, true };
}
Event FocusLost()
{
    return { Kind::FocusLost, {}, 0, false };
}

// What the control does with each event: a press raises "KeyDown", goes "to
// widget" alone or is "swallowed"; a release raises "KeyUp" or "nothing".
// A focus loss answers nothing ("-").
std::vector<std::string> Answers(const std::vector<Event>& events)
{
    HeldKeys keys;
    std::vector<std::string> answers;
    for (const Event& e : events) {
        switch (e.kind) {
        case Kind::Press:
            switch (keys.Pressed(e.key.identity, e.timestamp, e.autoRepeat, e.key.focusKey)) {
            case HeldKeys::Press::RaiseKeyDown:
                answers.emplace_back("KeyDown");
                break;
            case HeldKeys::Press::PassToWidget:
                answers.emplace_back("to widget");
                break;
            case HeldKeys::Press::Swallow:
                answers.emplace_back("swallowed");
                break;
            }
            break;
        case Kind::Release:
            answers.emplace_back(keys.Released(e.key.identity, e.timestamp, e.autoRepeat) ? "KeyUp" : "nothing");
            break;
        case Kind::FocusLost:
            keys.FocusLost();
            answers.emplace_back("-");
            break;
        }
    }
    return answers;
}

struct Case {
    const char* what;
    std::vector<Event> events;
    std::vector<std::string> answers;
};

// A held key repeats 660 ms after its press, then every 40 ms, each repeat a
// release and a press at one moment.
TEST(HeldKeys, AKeyEventIsTheControlsWhenItsKeyWasPressedThere)
{
    const std::vector<Case> cases {
        { "a key pressed here: its repeats raise KeyDown, its release KeyUp, once",
            { Press(kX, 1000), RepeatRelease(kX, 1660), Repeat(kX, 1660), RepeatRelease(kX, 1700), Repeat(kX, 1700),
                Release(kX, 1720), Release(kX, 1800) },
            { "KeyDown", "nothing", "KeyDown", "nothing", "KeyDown", "KeyUp", "nothing" } },
        { "a key pressed here, then the focus lost: its repeats and release raise nothing",
            { Press(kX, 1000), FocusLost(), RepeatRelease(kX, 1660), Repeat(kX, 1660), Release(kX, 1720) },
            { "KeyDown", "-", "nothing", "swallowed", "nothing" } },
        { "a key pressed elsewhere: its repeats and release raise nothing and type nothing",
            { RepeatRelease(kX, 1660), Repeat(kX, 1660), Release(kX, 1720) }, { "nothing", "swallowed", "nothing" } },
        { "a Tab held elsewhere: its repeats still move the focus on",
            { RepeatRelease(kTab, 1660), Repeat(kTab, 1660), RepeatRelease(kTab, 1700), Repeat(kTab, 1700),
                Release(kTab, 1720) },
            { "nothing", "to widget", "nothing", "to widget", "nothing" } },
        { "a Shift+Tab held elsewhere: its repeats still move the focus back",
            { RepeatRelease(kBacktab, 1660), Repeat(kBacktab, 1660), Release(kBacktab, 1720) },
            { "nothing", "to widget", "nothing" } },
        { "a Tab pressed here and kept by a handler: its repeats raise KeyDown",
            { Press(kTab, 1000), RepeatRelease(kTab, 1660), Repeat(kTab, 1660), Release(kTab, 1720) },
            { "KeyDown", "nothing", "KeyDown", "KeyUp" } },
        { "a Tab pressed here, then the focus lost: its repeats still move the focus",
            { Press(kTab, 1000), FocusLost(), RepeatRelease(kTab, 1660), Repeat(kTab, 1660), Release(kTab, 1720) },
            { "KeyDown", "-", "nothing", "to widget", "nothing" } },
        { "a key pressed twice with no release between is held once",
            { Press(kX, 1000), Press(kX, 1100), Release(kX, 1200), Release(kX, 1300) },
            { "KeyDown", "KeyDown", "KeyUp", "nothing" } },
        { "two keys held at once: each release ends its own key",
            { Press(kX, 1000), Press(kY, 1100), Release(kY, 1200), Repeat(kX, 1660), Release(kX, 1700),
                Repeat(kY, 1740), Repeat(kX, 1740) },
            { "KeyDown", "KeyDown", "KeyUp", "KeyDown", "KeyUp", "swallowed", "swallowed" } },

        // Repeats the toolkit did not mark: the stray release of a key and
        // its press at one moment.
        { "unmarked repeats of a key pressed elsewhere raise nothing and type nothing",
            { Release(kX, 1660), Press(kX, 1660), Release(kX, 1700), Press(kX, 1700), Release(kX, 1720) },
            { "nothing", "swallowed", "nothing", "swallowed", "nothing" } },
        { "unmarked repeats of a Tab held elsewhere still move the focus",
            { Release(kTab, 1660), Press(kTab, 1660), Release(kBacktab, 1700), Press(kBacktab, 1700) },
            { "nothing", "to widget", "nothing", "to widget" } },
        { "unmarked repeats of a key pressed here: each press raises KeyDown, each release KeyUp",
            { Press(kX, 1000), Release(kX, 1660), Press(kX, 1660), Release(kX, 1720) },
            { "KeyDown", "KeyUp", "KeyDown", "KeyUp" } },
        { "a press at another moment than the stray release is a new press",
            { Release(kX, 1660), Press(kX, 1661), Release(kX, 1720) }, { "nothing", "KeyDown", "KeyUp" } },
        { "a press and a stray release with no timestamp are a new press",
            { Release(kX, 0), Press(kX, 0), Release(kX, 0) }, { "nothing", "KeyDown", "KeyUp" } },
        { "a press of another key at the stray release's moment is a new press",
            { Release(kX, 1660), Press(kY, 1660), Release(kY, 1720) }, { "nothing", "KeyDown", "KeyUp" } },

        // The stray release is the last key event only: any other in between ends it.
        { "another key pressed in between", { Release(kX, 1660), Press(kY, 1660), Press(kX, 1660) },
            { "nothing", "KeyDown", "KeyDown" } },
        { "another key's stray release in between", { Release(kX, 1660), Release(kY, 1660), Press(kX, 1660) },
            { "nothing", "nothing", "KeyDown" } },
        { "the release of a key pressed here in between",
            { Press(kY, 1000), Release(kX, 1660), Release(kY, 1660), Press(kX, 1660) },
            { "KeyDown", "nothing", "KeyUp", "KeyDown" } },
        { "a marked repeat's release of another key in between",
            { Release(kX, 1660), RepeatRelease(kY, 1660), Press(kX, 1660) }, { "nothing", "nothing", "KeyDown" } },
        { "a marked repeat of another key in between", { Release(kX, 1660), Repeat(kY, 1660), Press(kX, 1660) },
            { "nothing", "swallowed", "KeyDown" } },
        { "the focus lost in between", { Release(kX, 1660), FocusLost(), Press(kX, 1660) },
            { "nothing", "-", "KeyDown" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Answers(c.events), c.answers);
    }
}

} // namespace
