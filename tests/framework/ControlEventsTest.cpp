#include "support/TestWindow.h"
#include "support/Widgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

// Records every event it is handed, and answers KeyDown with `keepKeys`.
class Recorder : public Object {
public:
    std::vector<std::string> events;
    bool keepKeys = false;

    std::function<bool(Object*, const EventArgs&)> Log(std::string what)
    {
        return [this, what](Object*, const EventArgs& args) {
            events.push_back(what + (args.key.empty() ? std::string() : ":" + Escape(args.key)));
            return what == "KeyDown" && keepKeys;
        };
    }

    static std::string Escape(const std::string& key)
    {
        if (key.size() == 1 && static_cast<unsigned char>(key[0]) < 32)
            return "#" + std::to_string(static_cast<int>(key[0]));
        if (key == "\x7f")
            return "#127";
        return key;
    }
};

class ControlEvents : public CleanState {
protected:
    void SetUp() override
    {
        recorder = std::make_shared<Recorder>();
        window = MakeTestWindow([this](TestWindow& w) {
            field = w.Add<TextField>("field", 10, 10, 80, 20);
            other = w.Add<TextField>("other", 10, 40, 80, 20);
            bevel = w.Add<BevelButton>("bevel", 10, 70, 60, 20);
            bevel->SetProperty("AcceptFocus", false);
            menu = w.Add<PopupMenu>("menu", 10, 100, 20, 17);
            menu->SetProperty("ListIndex", std::int32_t { 0 });
            canvas = w.Add<Canvas>("canvas", 100, 10, 64, 64);
            for (ControlEvent e : { ControlEvent::TextChange, ControlEvent::GotFocus, ControlEvent::LostFocus,
                     ControlEvent::KeyDown, ControlEvent::KeyUp })
                Bind(field, e);
            Bind(bevel, ControlEvent::Action);
            Bind(menu, ControlEvent::Open);
            Bind(menu, ControlEvent::Change);
            Bind(canvas, ControlEvent::MouseDown);
        });
        ASSERT_TRUE(Widgets::Activate(*window));
    }

    // Events of a control other than `field` are logged with a prefix.
    void Bind(RectControl* control, ControlEvent event, const std::string& prefix = "")
    {
        RuntimeAddEventHandler(control, event,
            RuntimeCreateDelegate<bool, const EventArgs&>(
                recorder->Log(prefix + ControlEventName(event)), recorder, "( RectControl )", 1));
    }

    std::shared_ptr<Recorder> recorder;
    std::shared_ptr<TestWindow> window;
    TextField* field = nullptr;
    TextField* other = nullptr;
    BevelButton* bevel = nullptr;
    PopupMenu* menu = nullptr;
    Canvas* canvas = nullptr;
};

TEST_F(ControlEvents, KeyDownComesBeforeTheKeyEntersTheField)
{
    Widgets::Focus(field);
    recorder->events.clear();
    std::string textAtKeyDown = "unset";
    RuntimeAddEventHandler(field, ControlEvent::KeyDown,
        RuntimeCreateDelegate<bool, const EventArgs&>(
            [&](Object*, const EventArgs& args) {
                textAtKeyDown = static_cast<TextField*>(args.control)->Text();
                return false;
            },
            nullptr, "( TextField, String ) as Boolean", 0));
    Widgets::Type(field, "7");
    EXPECT_EQ(textAtKeyDown, "");
    EXPECT_EQ(field->Text(), "7");
    EXPECT_EQ(recorder->events, (std::vector<std::string> { "KeyDown:7", "TextChange", "KeyUp:7" }));
}

TEST_F(ControlEvents, KeyDownTrueKeepsTheKeyFromTheField)
{
    Widgets::Focus(field);
    recorder->keepKeys = true;
    Widgets::Type(field, "12");
    EXPECT_EQ(field->Text(), "");
    recorder->keepKeys = false;
    Widgets::Type(field, "3");
    EXPECT_EQ(field->Text(), "3");
}

TEST_F(ControlEvents, KeysWithoutTextGiveControlCharacters)
{
    Widgets::Focus(field);
    Widgets::Type(field, "ab");
    const std::vector<std::pair<Qt::Key, std::string>> cases { { Qt::Key_Return, "KeyDown:#13" },
        { Qt::Key_Enter, "KeyDown:#13" }, { Qt::Key_Backspace, "KeyDown:#8" }, { Qt::Key_Escape, "KeyDown:#27" },
        { Qt::Key_Delete, "KeyDown:#127" }, { Qt::Key_Left, "KeyDown:#28" }, { Qt::Key_Right, "KeyDown:#29" },
        { Qt::Key_Up, "KeyDown:#30" }, { Qt::Key_Down, "KeyDown:#31" } };
    for (const auto& [key, expected] : cases) {
        recorder->events.clear();
        Widgets::Key(field, key);
        ASSERT_FALSE(recorder->events.empty()) << expected;
        EXPECT_EQ(recorder->events.front(), expected);
    }
    // A modifier alone and a Ctrl chord are no key events of the field.
    recorder->events.clear();
    Widgets::Key(field, Qt::Key_Shift);
    Widgets::Key(field, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(recorder->events, std::vector<std::string> {});
}

// A held key repeats in the field it was pressed in: each repeat raises
// KeyDown and types, and the release raises KeyUp once.
TEST_F(ControlEvents, AHeldKeyRepeatsInItsField)
{
    Widgets::Focus(field);
    recorder->events.clear();
    Widgets::PressKey(*window, Qt::Key_X);
    Widgets::RepeatKey(*window, Qt::Key_X, 2);
    Widgets::ReleaseKey(*window, Qt::Key_X);
    EXPECT_EQ(field->Text(), "xxx");
    EXPECT_EQ(recorder->events,
        (std::vector<std::string> {
            "KeyDown:x", "TextChange", "KeyDown:x", "TextChange", "KeyDown:x", "TextChange", "KeyUp:x" }));
}

// A held Tab goes on from control to control, and a held Shift+Tab back;
// the repeats that reach a control where the key was not pressed raise
// nothing there, and move on. The toolkit may mark the repeats or miss the
// mark.
TEST_F(ControlEvents, AHeldTabWalksOnThroughTheControls)
{
    Bind(other, ControlEvent::KeyDown, "other.");
    Bind(other, ControlEvent::KeyUp, "other.");
    menu->AddRow("First");
    struct Case {
        const char* what;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        RectControl* from;
        std::vector<RectControl*> steps;
        std::vector<std::string> events;
    };
    const std::vector<Case> cases {
        { "Tab", Qt::Key_Tab, Qt::NoModifier, field, { other, menu, field },
            { "KeyDown:#9", "LostFocus", "GotFocus" } },
        { "Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, menu, { other, field, menu }, { "GotFocus", "LostFocus" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Widgets::Focus(c.from);
        recorder->events.clear();
        Widgets::PressKey(*window, c.key, c.modifiers);
        EXPECT_EQ(window->Focus(), c.steps[0]);
        Widgets::RepeatKey(*window, c.key, 1, Widgets::RepeatMark::Marked, c.modifiers);
        EXPECT_EQ(window->Focus(), c.steps[1]);
        Widgets::RepeatKey(*window, c.key, 1, Widgets::RepeatMark::Missed, c.modifiers);
        EXPECT_EQ(window->Focus(), c.steps[2]);
        Widgets::ReleaseKey(*window, c.key, c.modifiers);
        EXPECT_EQ(recorder->events, c.events);
    }
}

// A key is known by its place on the keyboard where the platform tells it:
// with Shift pressed while 1 is held, 1 is released as "!", and that
// release is still the one of the key the field saw pressed. Events that
// come from no keyboard are known by their key code, and never taken for
// those of a physical key.
TEST_F(ControlEvents, AKeyIsKnownByItsPlaceOnTheKeyboard)
{
    struct KeyEvent {
        QEvent::Type type;
        int key;
        Qt::KeyboardModifiers modifiers;
        quint32 scanCode;
        const char* text;
    };
    constexpr auto press = QEvent::KeyPress;
    constexpr auto release = QEvent::KeyRelease;
    struct Case {
        const char* what;
        std::vector<KeyEvent> keys;
        std::vector<std::string> events;
    };
    const std::vector<Case> cases {
        { "1 released as ! with Shift pressed meanwhile",
            { { press, Qt::Key_1, Qt::NoModifier, 10, "1" }, { press, Qt::Key_Shift, Qt::ShiftModifier, 50, "" },
                { release, Qt::Key_Exclam, Qt::ShiftModifier, 10, "!" },
                { release, Qt::Key_Shift, Qt::NoModifier, 50, "" } },
            { "KeyDown:1", "TextChange", "KeyUp:!" } },
        { "two keys of the keyboard held at once",
            { { press, Qt::Key_1, Qt::NoModifier, 10, "1" }, { press, Qt::Key_2, Qt::NoModifier, 11, "2" },
                { release, Qt::Key_2, Qt::NoModifier, 11, "2" }, { release, Qt::Key_1, Qt::NoModifier, 10, "1" } },
            { "KeyDown:1", "TextChange", "KeyDown:2", "TextChange", "KeyUp:2", "KeyUp:1" } },
        { "two keys from no keyboard held at once",
            { { press, Qt::Key_1, Qt::NoModifier, 0, "1" }, { press, Qt::Key_2, Qt::NoModifier, 0, "2" },
                { release, Qt::Key_2, Qt::NoModifier, 0, "2" }, { release, Qt::Key_1, Qt::NoModifier, 0, "1" } },
            { "KeyDown:1", "TextChange", "KeyDown:2", "TextChange", "KeyUp:2", "KeyUp:1" } },
        { "a key from no keyboard whose code is the number of a key of the keyboard",
            { { press, Qt::Key_Q, Qt::NoModifier, Qt::Key_1, "q" }, { release, Qt::Key_1, Qt::NoModifier, 0, "1" },
                { release, Qt::Key_Q, Qt::NoModifier, Qt::Key_1, "q" } },
            { "KeyDown:q", "TextChange", "KeyUp:q" } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Widgets::Focus(other);
        Widgets::Focus(field);
        recorder->events.clear();
        for (const KeyEvent& k : c.keys) {
            QKeyEvent event(k.type, k.key, k.modifiers, k.scanCode, 0, 0, QString::fromLatin1(k.text));
            QApplication::sendEvent(Widgets::Of(field), &event);
        }
        EXPECT_EQ(recorder->events, c.events);
    }
}

// A key whose press went to a list, another control or another window is
// not the field's: its repeats and its release raise nothing and type
// nothing in whichever field holds the focus when they come.
TEST_F(ControlEvents, AKeyPressedElsewhereRaisesNothingInTheField)
{
    Bind(other, ControlEvent::KeyDown, "other.");
    Bind(other, ControlEvent::KeyUp, "other.");
    for (const char* row : { "First", "Second" })
        menu->AddRow(row);
    auto* combo = static_cast<QComboBox*>(Widgets::Of(menu));
    auto openList = [&] {
        Widgets::Click(menu);
        ASSERT_TRUE(combo->view()->isVisible()) << "the list did not open";
    };
    QWidget elsewhere;
    elsewhere.resize(100, 50);
    struct Case {
        const char* what;
        Qt::Key key;
        std::function<void()> press;
    };
    const std::vector<Case> cases {
        { "Return picks a row of the list", Qt::Key_Return,
            [&] {
                openList();
                Widgets::ClickKey(*window, Qt::Key_Down);
                Widgets::PressKey(*window, Qt::Key_Return);
                EXPECT_FALSE(combo->view()->isVisible()) << "Return picked no row";
            } },
        { "the list opens and closes while the key is held", Qt::Key_X,
            [&] {
                Widgets::PressKey(*window, Qt::Key_X);
                openList();
                Widgets::ClickKey(*window, Qt::Key_Escape);
            } },
        { "Tab moves the focus while Return is held", Qt::Key_Return,
            [&] {
                Widgets::PressKey(*window, Qt::Key_Return);
                Widgets::ClickKey(*window, Qt::Key_Tab);
                EXPECT_EQ(window->Focus(), other);
            } },
        { "another window takes the keys while the key is held", Qt::Key_X,
            [&] {
                Widgets::PressKey(*window, Qt::Key_X);
                elsewhere.show();
                elsewhere.activateWindow();
                ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere, 2000));
                ASSERT_TRUE(Widgets::Activate(*window));
                EXPECT_EQ(window->Focus(), field);
            } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        field->SetText("");
        other->SetText("");
        ASSERT_TRUE(Widgets::Activate(*window));
        Widgets::Focus(field);
        ASSERT_NO_FATAL_FAILURE(c.press());
        const std::pair<std::string, std::string> texts { field->Text(), other->Text() };
        recorder->events.clear();
        Widgets::RepeatKey(*window, c.key, 2);
        Widgets::RepeatKey(*window, c.key, 2, Widgets::RepeatMark::Missed);
        Widgets::ReleaseKey(*window, c.key);
        EXPECT_EQ(recorder->events, std::vector<std::string> {});
        EXPECT_EQ((std::pair { field->Text(), other->Text() }), texts);
        elsewhere.hide();
    }
}

TEST_F(ControlEvents, TextChangeComesFromTheUserNotFromCode)
{
    Widgets::Focus(field);
    recorder->events.clear();
    field->SetText("42");
    EXPECT_EQ(recorder->events, std::vector<std::string> {});
    auto textChanges
        = [&] { return std::count(recorder->events.begin(), recorder->events.end(), std::string("TextChange")); };
    Widgets::Key(field, Qt::Key_Backspace);
    EXPECT_EQ(field->Text(), "4");
    EXPECT_EQ(textChanges(), 1);
    QTest::keyClick(Widgets::Of(field), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->Text(), "42");
    EXPECT_EQ(textChanges(), 2);
}

TEST_F(ControlEvents, FocusEventsAndWindowFocusFollowTheKeyboard)
{
    Widgets::Focus(field);
    EXPECT_EQ(window->Focus(), field);
    recorder->events.clear();
    Widgets::Focus(other);
    EXPECT_EQ(window->Focus(), other);
    EXPECT_EQ(recorder->events, std::vector<std::string> { "LostFocus" });
    Widgets::Focus(field);
    EXPECT_EQ(recorder->events, (std::vector<std::string> { "LostFocus", "GotFocus" }));
}

TEST_F(ControlEvents, AClickOnAButtonThatAcceptsNoFocusLeavesTheFocus)
{
    Widgets::Focus(other);
    recorder->events.clear();
    Widgets::Click(bevel);
    EXPECT_EQ(recorder->events, std::vector<std::string> { "Action" });
    EXPECT_EQ(window->Focus(), other);
}

// A click on a popup menu leaves the focus where it was, as a click on such a
// button does; Tab still reaches the menu, and a click on a field moves the
// focus into it.
TEST_F(ControlEvents, AClickOnAPopupMenuLeavesTheFocusTabReachesIt)
{
    menu->AddRow("First");
    Widgets::Click(other);
    EXPECT_EQ(window->Focus(), other);
    Widgets::KeyToFocus(Qt::Key_Tab);
    EXPECT_EQ(window->Focus(), menu);

    Widgets::Click(field);
    EXPECT_EQ(window->Focus(), field);
    recorder->events.clear();
    Widgets::Click(menu);
    auto* combo = static_cast<QComboBox*>(Widgets::Of(menu));
    ASSERT_TRUE(combo->view()->isVisible());
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    EXPECT_FALSE(combo->view()->isVisible());
    EXPECT_EQ(window->Focus(), field);
    EXPECT_EQ(recorder->events, std::vector<std::string> {});
}

TEST_F(ControlEvents, PopupMenuShowsNoRowUntilTheUserPicksOne)
{
    EXPECT_EQ(recorder->events, std::vector<std::string> { "Open" });
    for (const char* row : { "First", "Second", "Third" })
        menu->AddRow(row);
    EXPECT_EQ(menu->ListCount(), 3);
    EXPECT_EQ(menu->ListIndex(), -1);
    EXPECT_EQ(menu->Text(), "");
    auto* combo = static_cast<QComboBox*>(Widgets::Of(menu));
    recorder->events.clear();
    combo->activated(1);
    EXPECT_EQ(menu->Text(), "Second");
    combo->activated(1);
    EXPECT_EQ(recorder->events, (std::vector<std::string> { "Change", "Change" }));
    // The list opens wide enough to read its rows, however narrow the menu.
    EXPECT_GT(combo->view()->minimumWidth(), combo->width());
}

TEST_F(ControlEvents, MouseDownGetsThePositionInTheControl)
{
    std::pair<int, int> at;
    RuntimeAddEventHandler(canvas, ControlEvent::MouseDown,
        RuntimeCreateDelegate<bool, const EventArgs&>(
            [&](Object*, const EventArgs& args) {
                at = { args.x, args.y };
                return false;
            },
            nullptr, "( Canvas, Int32, Int32 ) as Boolean", 0));
    Widgets::Click(canvas, QPoint(5, 7));
    EXPECT_EQ(at, (std::pair<int, int> { 5, 7 }));
    EXPECT_EQ(recorder->events, (std::vector<std::string> { "Open", "MouseDown" }));
}

TEST_F(ControlEvents, ReadOnlyFieldStillTakesAClickAndCopies)
{
    field->SetReadOnly(true);
    field->SetProperty("TabStop", false);
    field->SetText("138590");
    Widgets::Click(field);
    EXPECT_EQ(window->Focus(), field);
    QTest::keyClick(Widgets::Of(field), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(field->SelText(), "138590");
    EXPECT_FALSE(field->_EditCommand(EditCommand::Paste, false));
    EXPECT_TRUE(field->_EditCommand(EditCommand::Copy, false));
}

} // namespace
