#include "converter/Window1.h"
#include "support/ConverterFixture.h"
#include "windows/AboutWindow.h"
#include "windows/MsgWindow.h"
#include "windows/SecondaryWindows.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using SecondaryWindows::MenuAction;
using States = std::vector<std::vector<std::string>>;

const std::string W1 = "Window1.Window1";
const std::string About = "AboutWindow.AboutWindow";
const std::string Help = "MsgWindow.MsgWindow";

struct ClosingCase {
    const char* name;
    bool helpOpen;
    bool aboutOpen;
    // The open windows as they change while the converter window closes.
    States states;
};

void PrintTo(const ClosingCase& c, std::ostream* os)
{
    *os << c.name;
}

class ConverterClosing : public ConverterFixture, public ::testing::WithParamInterface<ClosingCase> {
protected:
    void SetUp() override
    {
        ConverterFixture::SetUp();
        // As in a run: closing the last window ends it.
        App()->_CallOpen();
    }
};

TEST_P(ConverterClosing, ClosesTheAboutWindowThenTheHelpWindowAndEndsTheRun)
{
    const ClosingCase& c = GetParam();
    if (c.helpOpen)
        Widgets::Click(window->PBqsi());
    if (c.aboutOpen)
        MenuAction(*window, "Help", "About")->trigger();
    RuntimeProcessEvents();
    std::shared_ptr<Window> openedAbout = _GetImplicitWindow(About);
    std::shared_ptr<Window> openedHelp = _GetImplicitWindow(Help);
    ASSERT_EQ(openedAbout != nullptr, c.aboutOpen);
    ASSERT_EQ(openedHelp != nullptr, c.helpOpen);

    SecondaryWindows::ShownWindows shown;
    SecondaryWindows::OpenWindowsTimeline timeline;
    timeline.Look();
    // The converter window's close box.
    window->_TopLevelWidget()->close();
    timeline.Look();
    RuntimeProcessEvents();

    EXPECT_EQ(timeline.states, c.states);
    EXPECT_TRUE(window->_IsClosed());
    EXPECT_TRUE(_RuntimeOpenWindows().empty());
    EXPECT_EQ(_GetImplicitWindow(About), nullptr);
    EXPECT_EQ(_GetImplicitWindow(Help), nullptr);
    for (const std::shared_ptr<Window>& opened : { openedAbout, openedHelp }) {
        if (opened) {
            EXPECT_TRUE(opened->_IsClosed());
        }
    }
    // A window made only to be closed never appears.
    EXPECT_TRUE(shown.shown.empty());
    EXPECT_TRUE(_RuntimeQuitRequested());
    EXPECT_EQ(_ReportedExceptionCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Window1, ConverterClosing,
    ::testing::Values(
        ClosingCase { "NeitherOpen", false, false, States { { W1 }, { W1, About }, { W1 }, { W1, Help }, { W1 }, {} } },
        ClosingCase { "BothOpen", true, true, States { { W1, Help, About }, { W1, Help }, { W1 }, {} } },
        ClosingCase {
            "OnlyHelpOpen", true, false, States { { W1, Help }, { W1, Help, About }, { W1, Help }, { W1 }, {} } }),
    [](const ::testing::TestParamInfo<ClosingCase>& info) { return std::string(info.param.name); });

// Ctrl+Q, the Quit item's shortcut, pressed in the About window or in the
// help window (which shows no menu bar, but is served by the application's)
// while both are open: every window goes, each raising its Close once.
class QuitShortcut : public ConverterFixture, public ::testing::WithParamInterface<std::string> { };

TEST_P(QuitShortcut, ClosesEveryWindowFromTheWindowItIsPressedIn)
{
    Widgets::Click(window->PBqsi());
    MenuAction(*window, "Help", "About")->trigger();
    std::shared_ptr<class AboutWindow> about = AboutWindow();
    std::shared_ptr<class MsgWindow> help = MsgWindow();
    std::shared_ptr<Window> pressedIn = GetParam() == Help ? std::shared_ptr<Window>(help) : about;
    ASSERT_TRUE(Widgets::Activate(*pressedIn));
    SecondaryWindows::ShownWindows shown;
    SecondaryWindows::OpenWindowsTimeline timeline;
    timeline.Look();
    QTest::keyClick(pressedIn->_TopLevelWidget(), Qt::Key_Q, Qt::ControlModifier);
    RuntimeProcessEvents();
    EXPECT_TRUE(_RuntimeQuitRequested());
    for (const std::shared_ptr<Window>& w : std::vector<std::shared_ptr<Window>> { window, about, help })
        EXPECT_TRUE(w->_IsClosed());
    EXPECT_TRUE(_RuntimeOpenWindows().empty());
    EXPECT_EQ(timeline.states.back(), std::vector<std::string> {});
    EXPECT_TRUE(shown.shown.empty());
    EXPECT_EQ(_ReportedExceptionCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Window1, QuitShortcut, ::testing::Values(About, Help), [](const ::testing::TestParamInfo<std::string>& info) {
        return info.param == Help ? std::string("InTheHelpWindow") : std::string("InTheAboutWindow");
    });

// The whole run, as the user has it: the converter window open, Help >
// About and Info chosen, then Quit from the About window's menu. The event
// loop ends and the run's status is 0.
TEST_F(ProgramFixture, QuittingWithTheAboutAndHelpWindowsOpenEndsTheRunWithStatusZero)
{
    _MakeDefaultView();
    bool quitChosen = false;
    QTimer::singleShot(0, [&] {
        std::shared_ptr<class Window1> converter = Window1();
        MenuAction(*converter, "Help", "About")->trigger();
        Widgets::Click(converter->PBqsi());
        std::shared_ptr<class AboutWindow> about = AboutWindow();
        EXPECT_TRUE(about->_TopLevelWidget()->isVisible());
        EXPECT_TRUE(MsgWindow()->_TopLevelWidget()->isVisible());
        QAction* quit = MenuAction(*about, "&File", "&Quit");
        ASSERT_NE(quit, nullptr);
        quitChosen = true;
        quit->trigger();
    });
    // Should the loop not end by itself, fail rather than hang.
    QTimer::singleShot(10000, [] { QCoreApplication::exit(1); });
    _RuntimeRun();
    EXPECT_TRUE(quitChosen);
    EXPECT_TRUE(_RuntimeQuitRequested());
    EXPECT_TRUE(_RuntimeOpenWindows().empty());
    EXPECT_EQ(_ReportedExceptionCount(), 0);
    _Finalize();
    EXPECT_EQ(RuntimeExit(), 0);
}

} // namespace
