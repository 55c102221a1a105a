#include "support/TestWindow.h"

#include <QApplication>
#include <QClipboard>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TextControlTest = CleanState;

struct Case {
    const char* what;
    bool readOnly;
    bool password;
    const char* text;
    bool selectAll;
    EditCommand command;
    bool applies;
    // The text once the command has been carried out (or refused).
    const char* after;
};

// The Edit menu's rules, alike for the one-line field and the text area
// (which has no password mode). The clipboard holds "xy".
const std::vector<Case> kCases {
    { "cut a selection", false, false, "abc", true, EditCommand::Cut, true, "" },
    { "copy a selection", false, false, "abc", true, EditCommand::Copy, true, "abc" },
    { "paste over a selection", false, false, "abc", true, EditCommand::Paste, true, "xy" },
    { "delete a selection", false, false, "abc", true, EditCommand::Clear, true, "" },
    { "select all", false, false, "abc", false, EditCommand::SelectAll, true, "abc" },
    { "no undo for text set by code", false, false, "abc", false, EditCommand::Undo, false, "abc" },
    { "cut without a selection", false, false, "abc", false, EditCommand::Cut, false, "abc" },
    { "copy without a selection", false, false, "abc", false, EditCommand::Copy, false, "abc" },
    { "delete without a selection", false, false, "abc", false, EditCommand::Clear, false, "abc" },
    { "select all of nothing", false, false, "", false, EditCommand::SelectAll, false, "" },
    { "read-only: no cut", true, false, "abc", true, EditCommand::Cut, false, "abc" },
    { "read-only: copy", true, false, "abc", true, EditCommand::Copy, true, "abc" },
    { "read-only: no paste", true, false, "abc", true, EditCommand::Paste, false, "abc" },
    { "read-only: no delete", true, false, "abc", true, EditCommand::Clear, false, "abc" },
    { "read-only: select all", true, false, "abc", false, EditCommand::SelectAll, true, "abc" },
    { "password: no cut", false, true, "abc", true, EditCommand::Cut, false, "abc" },
    { "password: no copy", false, true, "abc", true, EditCommand::Copy, false, "abc" },
    { "password: delete", false, true, "abc", true, EditCommand::Clear, true, "" },
};

template <class C> void Check(const Case& c)
{
    C* control = nullptr;
    auto window = MakeTestWindow([&](TestWindow& w) { control = w.Add<C>("text", 10, 10, 200, 60); });
    ASSERT_NE(control, nullptr);
    control->SetText(c.text);
    control->SetReadOnly(c.readOnly);
    if (c.password)
        control->SetProperty("Password", true);
    if (c.selectAll)
        control->_EditCommand(EditCommand::SelectAll, true);
    QApplication::clipboard()->setText("xy");
    EXPECT_EQ(control->_EditCommand(c.command, false), c.applies);
    EXPECT_EQ(control->_EditCommand(c.command, true), c.applies);
    EXPECT_EQ(control->Text(), c.after);
    window->Close();
}

TEST_F(TextControlTest, TheEditCommandsFollowTheSameRulesInTheFieldAndTheArea)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        {
            SCOPED_TRACE("TextField");
            Check<TextField>(c);
        }
        if (!c.password) {
            SCOPED_TRACE("TextArea");
            Check<TextArea>(c);
        }
    }
}

} // namespace
