#include "converter/Window1.h"
#include "support/ConverterFixture.h"
#include "windows/MsgWindow.h"

#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The help text line by line: four headings, each followed by its
// paragraph, and an empty line before every heading but the first.
// clang-format off
const std::vector<std::string> kHelpLines {
    "TOOL TO ASSIST METRIC USERS OF THE ZORVANE ",
    "This tool was built as a temporary measure to assist the Metric System based users of the 'Zorvane'"
    " being sold on the Mac App Store until an updated version releases having the ablility to display"
    " metric, UK or USA values via user choice.",
    "",
    "TEMPERATURES AND SPEEDS",
    "Simply enter a speed value in either the km/h text box or the mph text box, press Enter or click on"
    " the 'Calc' button and whichever needs to be converted will convert instantly and automatically. "
    " Simply enter a temperature value in either the Temp °C text box or the °F text box, press Enter or"
    " click the 'Calc' button and whichever needs to be converted will convert instantly and"
    " automatically.",
    "",
    "FUEL ENERGY CONTENT VALUES IN YELLOW",
    "Use the combo button to the right of the Fuel Type text box to choose a Fuel Type.  Once you have"
    " made this choice all of the other yellow text boxes will instantly display their proper values. "
    " If you would like to see where we get the values being used in this tool, click the button titled"
    " 'See Fuel Info Detail' just above these Yellow text boxes and the window will expand and present"
    " you with such information.  Click the same button again to get rid of that information.",
    "",
    "FUEL EFFICIENCY VALUES DISPLAYED IN ORANGE",
    "Enter a known value into the proper Orange colored text box, press Enter or click the Calc button"
    " and the other Orange Fuel Efficiency values will instantly manifest.  For instance if the IKTO"
    " program shows 43 MPG, enter that value in the Orange colored MPG text box and all the other values"
    " in the Orange text boxes will be calculated and displayed instantly.  You can enter a value in any"
    " of the boxes, press the Enter key or click the 'Calc' button and the other Orange text boxes will"
    " manifest their calculated values instantly."
};
// clang-format on

std::string Joined(const std::vector<std::string>& lines, const std::string& lineEnd)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i ? lineEnd : "") + lines[i];
    return text;
}

class HelpText : public ConverterFixture {
protected:
    void PressInfo()
    {
        ASSERT_NE(window->PBqsi(), nullptr);
        Widgets::Click(window->PBqsi());
        RuntimeProcessEvents();
    }
};

TEST_F(HelpText, InfoShowsTheHelpWindowWithTheTitleAndTheTextByteForByte)
{
    ASSERT_EQ(_GetImplicitWindow("MsgWindow.MsgWindow"), nullptr);
    PressInfo();
    std::shared_ptr<class MsgWindow> help = MsgWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->_TopLevelWidget()->isVisible());
    EXPECT_EQ(help->Title(), "TOOL TO ASSIST METRIC USERS OF THE ZORVANE");
    EXPECT_EQ(help->_TopLevelWidget()->windowTitle().toStdString(), "TOOL TO ASSIST METRIC USERS OF THE ZORVANE");

    const std::string text = help->txtArea()->Text();
    EXPECT_EQ(text, Joined(kHelpLines, EndOfLine));
    EXPECT_EQ(EndOfLine, "\n");
    // Ten line ends and none at the end; the first line is the title and a space.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 10);
    EXPECT_NE(text.back(), '\n');
    EXPECT_EQ(text.substr(0, text.find('\n')), help->Title() + " ");
    // Two pieces, one heading.
    EXPECT_NE(text.find("\nTEMPERATURES AND SPEEDS\n"), std::string::npos);
    EXPECT_NE(text.find("Temp \xC2\xB0"
                        "C text box or the \xC2\xB0"
                        "F text box"),
        std::string::npos);
    // What the user sees is the same text.
    auto* edit = static_cast<QPlainTextEdit*>(help->txtArea()->_Widget());
    EXPECT_EQ(edit->toPlainText().toStdString(), Joined(kHelpLines, "\n"));
    EXPECT_EQ(edit->document()->blockCount(), 11);
}

TEST_F(HelpText, InfoAgainReplacesTheUsersEditsInTheSameWindow)
{
    PressInfo();
    std::shared_ptr<class MsgWindow> help = MsgWindow();
    ASSERT_TRUE(Widgets::Activate(*help));
    TextArea* area = help->txtArea();
    Widgets::Focus(area);
    QTest::keyClick(area->_Widget(), Qt::Key_A, Qt::ControlModifier);
    Widgets::Type(area, "my own notes");
    ASSERT_EQ(area->Text(), "my own notes");

    ASSERT_TRUE(Widgets::Activate(*window));
    PressInfo();
    EXPECT_EQ(MsgWindow(), help);
    // Shown again: it comes to the front, over the converter window.
    EXPECT_TRUE(QTest::qWaitForWindowActive(help->_TopLevelWidget(), 2000));
    EXPECT_EQ(help->txtArea()->Text(), Joined(kHelpLines, EndOfLine));
    EXPECT_EQ(static_cast<QPlainTextEdit*>(area->_Widget())->toPlainText().toStdString(), Joined(kHelpLines, "\n"));
    EXPECT_EQ(help->Title(), "TOOL TO ASSIST METRIC USERS OF THE ZORVANE");
}

TEST_F(HelpText, AClosedHelpWindowIsReplacedByAFreshOneWithTitleAndText)
{
    PressInfo();
    std::shared_ptr<class MsgWindow> first = MsgWindow();
    // The close box.
    first->_TopLevelWidget()->close();
    RuntimeProcessEvents();
    ASSERT_TRUE(first->_IsClosed());
    EXPECT_FALSE(first->_TopLevelWidget()->isVisible());

    ASSERT_TRUE(Widgets::Activate(*window));
    PressInfo();
    std::shared_ptr<class MsgWindow> second = MsgWindow();
    EXPECT_NE(second, first);
    EXPECT_TRUE(second->_TopLevelWidget()->isVisible());
    EXPECT_EQ(second->Title(), "TOOL TO ASSIST METRIC USERS OF THE ZORVANE");
    EXPECT_EQ(second->txtArea()->Text(), Joined(kHelpLines, EndOfLine));
    EXPECT_EQ(_ReportedExceptionCount(), 0);
}

} // namespace
