#include "support/TestWindow.h"
#include "support/Widgets.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ButtonControlTest = CleanState;

struct Case {
    const char* what;
    // The property that decides whether a click takes the focus.
    const char* focusProperty;
    bool value;
    bool takesFocus;
};

const std::vector<Case> kCases {
    { "push button in the tab order", "TabStop", true, true },
    { "push button outside the tab order", "TabStop", false, false },
    { "bevel button that accepts the focus", "AcceptFocus", true, true },
    { "bevel button that accepts no focus", "AcceptFocus", false, false },
};

// Both buttons show their caption, raise Action once for a click or a Push,
// and take the focus from the field with a click only when they may.
template <class B> void Check(const Case& c)
{
    TextField* field = nullptr;
    B* button = nullptr;
    auto window = MakeTestWindow([&](TestWindow& w) {
        field = w.Add<TextField>("field", 10, 10, 80, 20);
        button = w.Add<B>("button", 10, 40, 80, 20);
    });
    ASSERT_TRUE(Widgets::Activate(*window));
    int actions = 0;
    RuntimeAddEventHandler(button, ControlEvent::Action,
        RuntimeCreateDelegate<bool, const EventArgs&>(
            [&](Object*, const EventArgs&) {
                ++actions;
                return false;
            },
            nullptr, "", 0));
    button->SetProperty(c.focusProperty, c.value);
    button->SetProperty("Caption", std::string("Calc"));
    EXPECT_EQ(button->Caption(), "Calc");
    EXPECT_EQ(static_cast<QPushButton*>(Widgets::Of(button))->text(), "Calc");

    Widgets::Focus(field);
    Widgets::Click(button);
    EXPECT_EQ(actions, 1);
    EXPECT_EQ(window->Focus(), c.takesFocus ? static_cast<RectControl*>(button) : field);
    button->Push();
    EXPECT_EQ(actions, 2);
    window->Close();
}

TEST_F(ButtonControlTest, BothButtonsClickAndTakeTheFocusAsTheirPropertySays)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        if (std::string(c.focusProperty) == "TabStop")
            Check<PushButton>(c);
        else
            Check<BevelButton>(c);
    }
}

} // namespace
