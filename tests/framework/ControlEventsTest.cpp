#include "support/TestWindow.h"
#include "support/Widgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
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

    void Bind(RectControl* control, ControlEvent event)
    {
        RuntimeAddEventHandler(control, event,
            RuntimeCreateDelegate<bool, const EventArgs&>(
                recorder->Log(ControlEventName(event)), recorder, "( RectControl )", 1));
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
