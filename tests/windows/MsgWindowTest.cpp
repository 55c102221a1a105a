#include "windows/MsgWindow.h"
#include "app/HeaderPictures.h"
#include "app/WebAddresses.h"
#include "converter/Window1.h"
#include "support/ProgramFixture.h"
#include "support/Widgets.h"
#include "windows/MsgWindowProperties.h"
#include "windows/SecondaryWindows.h"

#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <string_view>

namespace {

using HelpWindowTest = SecondaryWindows::Fixture;
using SecondaryWindows::InWindow;

TEST_F(HelpWindowTest, OpensUntitledAndEmptyWithTheHeaderAboveTheTextArea)
{
    std::shared_ptr<class MsgWindow> help = MsgWindow();
    ASSERT_NE(help, nullptr);
    RuntimeProcessEvents();
    QWidget* top = help->_TopLevelWidget();
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(help->Title(), "Untitled");
    EXPECT_EQ(top->windowTitle().toStdString(), "Untitled");
    // No menu bar: the content is the whole window.
    EXPECT_EQ(help->MenuBar(), nullptr);
    EXPECT_EQ(static_cast<QMainWindow*>(top)->menuWidget(), nullptr);
    EXPECT_EQ(help->_ContentWidget()->size(), QSize(541, 439));
    EXPECT_TRUE(help->Resizeable());
    EXPECT_FALSE(top->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(top->windowFlags() & Qt::WindowMinimizeButtonHint);

    TextArea* area = help->txtArea();
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(InWindow(*help, area), QRect(11, 149, 523, 277));
    EXPECT_EQ(area->Text(), "");
    EXPECT_FALSE(area->ReadOnly());
    EXPECT_FALSE(area->Border());
    EXPECT_EQ(area->TextSize(), 10.0f);
    EXPECT_EQ(area->TextUnit(), 0);
    auto* edit = static_cast<QPlainTextEdit*>(area->_Widget());
    EXPECT_EQ(edit->font().pixelSize(), 10);
    EXPECT_EQ(edit->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(edit->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_FALSE(edit->isReadOnly());

    ASSERT_NE(help->Canvas1(), nullptr);
    EXPECT_EQ(InWindow(*help, help->Canvas1()), QRect(11, 1, 519, 148));
    ASSERT_NE(IconHdr(), nullptr);
    EXPECT_EQ(help->Canvas1()->Backdrop(), IconHdr());
}

TEST_F(HelpWindowTest, ControlListsRunFromTheirLastEntryBackToName)
{
    auto starts = [](const auto& list, std::string_view text) {
        return std::string_view(reinterpret_cast<const char*>(list.data()), text.size()) == text;
    };
    auto ends = [](const auto& list, std::string_view text) {
        return std::string_view(reinterpret_cast<const char*>(list.data()) + list.size() - text.size(), text.size())
            == text;
    };
    using namespace std::string_view_literals;
    EXPECT_TRUE(starts(kMsgTxtAreaProperties, "DataField \0\0\0\0"sv));
    EXPECT_TRUE(ends(kMsgTxtAreaProperties, "Index \x80\0\0\0Name \0\0\0\x07txtArea"sv));
    EXPECT_TRUE(starts(kMsgCanvas1Properties, "InitialParent \0\0\0\0"sv));
    EXPECT_TRUE(ends(kMsgCanvas1Properties,
        "Index \x80\0\0\0Name \0\0\0\x07"
        "Canvas1"sv));
    // The window's own list keeps the usual order.
    EXPECT_TRUE(starts(kMsgWindowProperties, "Placement \0\0\0\x03"sv));
}

TEST_F(HelpWindowTest, ResizingKeepsTheTextAreasDistanceToEveryEdgeAndTheHeaderInPlace)
{
    std::shared_ptr<class MsgWindow> help = MsgWindow();
    RuntimeProcessEvents();
    QWidget* top = help->_TopLevelWidget();
    TextArea* area = help->txtArea();
    for (QSize size :
        { QSize(900, 800), QSize(541, 439), QSize(300, 250), QSize(64, 64), QSize(2000, 1500), QSize(541, 439) }) {
        top->resize(size);
        RuntimeProcessEvents();
        ASSERT_EQ(help->_ContentWidget()->size(), size);
        EXPECT_EQ(help->Width(), size.width());
        EXPECT_EQ(help->Height(), size.height());
        // 11 from the left, 149 from the top, 7 from the right, 13 from the bottom.
        EXPECT_EQ(area->Left(), 11);
        EXPECT_EQ(area->Top(), 149);
        EXPECT_EQ(size.width() - (area->Left() + area->Width()), 7) << size.width();
        EXPECT_EQ(size.height() - (area->Top() + area->Height()), 13) << size.height();
        if (area->Width() > 0 && area->Height() > 0) {
            EXPECT_EQ(InWindow(*help, area), QRect(11, 149, size.width() - 18, size.height() - 162));
        }
        EXPECT_EQ(InWindow(*help, help->Canvas1()), QRect(11, 1, 519, 148));
    }
}

TEST_F(HelpWindowTest, OneSharedWindowUntilClosedThenAFreshUntitledEmptyOne)
{
    std::shared_ptr<class MsgWindow> first = MsgWindow();
    EXPECT_EQ(MsgWindow(), first);
    EXPECT_EQ(_GetImplicitWindow("MsgWindow.MsgWindow"), first);
    first->SetTitle("Something else");
    first->txtArea()->SetText("left over");
    first->Close();
    EXPECT_EQ(_GetImplicitWindow("MsgWindow.MsgWindow"), nullptr);
    std::shared_ptr<class MsgWindow> second = MsgWindow();
    EXPECT_NE(second, first);
    EXPECT_EQ(second->Title(), "Untitled");
    EXPECT_EQ(second->txtArea()->Text(), "");
}

TEST_F(HelpWindowTest, EveryHelpWindowDrawsItsScrollBarWithTheSamePalette)
{
    // The style keeps its drawings of scroll bars under the identity of their
    // palette: a palette new to each help window would leave a set behind for
    // every window opened with Info and closed.
    std::shared_ptr<class Window1> converter = Window1();
    auto openAndClose = [&] {
        converter->PBqsi()->Push();
        RuntimeProcessEvents();
        std::shared_ptr<class MsgWindow> help = MsgWindow();
        auto* edit = static_cast<QPlainTextEdit*>(help->txtArea()->_Widget());
        EXPECT_TRUE(edit->verticalScrollBar()->isVisible());
        EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xFF));
        EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(0x00, 0x00, 0x00));
        const qint64 palette = edit->verticalScrollBar()->palette().cacheKey();
        help->Close();
        RuntimeProcessEvents();
        return palette;
    };
    const qint64 first = openAndClose();
    for (int round = 0; round < 3; ++round)
        EXPECT_EQ(openAndClose(), first) << "round " << round;
}

TEST_F(HelpWindowTest, HeaderClickOpensTheStorePageAndLeavesTitleAndText)
{
    std::shared_ptr<class MsgWindow> help = MsgWindow();
    ASSERT_TRUE(Widgets::Activate(*help));
    help->SetTitle("Title");
    help->txtArea()->SetText("Text");
    Widgets::Click(help->txtArea());
    EXPECT_TRUE(openedAddresses.empty());
    for (QPoint at : { QPoint(5, 5), QPoint(260, 74), QPoint(518, 147) }) {
        openedAddresses.clear();
        Widgets::Click(help->Canvas1(), at);
        EXPECT_EQ(openedAddresses, std::vector<std::string> { std::string(kStorePageAddress) });
    }
    EXPECT_EQ(help->Title(), "Title");
    EXPECT_EQ(help->txtArea()->Text(), "Text");
    // The header takes no focus from the text area.
    EXPECT_EQ(help->Focus(), help->txtArea());
}

// The help window shows no menu bar, but the application's serves it: an
// Edit shortcut acts once, on the text area that holds the focus.
TEST_F(HelpWindowTest, EditShortcutsActOnceOnTheTextArea)
{
    std::shared_ptr<class MsgWindow> help = MsgWindow();
    ASSERT_TRUE(Widgets::Activate(*help));
    Widgets::Click(help->txtArea());
    QApplication::clipboard()->setText("xy");
    QTest::keyClick(help->txtArea()->_Widget(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(help->txtArea()->Text(), "xy");
    QTest::keyClick(help->txtArea()->_Widget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(help->txtArea()->Text(), "");
}

TEST_F(HelpWindowTest, ClassRecordHasTwoHooksAndSixOperations)
{
    const ClassRecord& record = MsgWindowClass();
    EXPECT_EQ(record.fullName, "MsgWindow.MsgWindow");
    EXPECT_EQ(record.base, &WindowClass());
    const std::size_t inherited = WindowClass().methods.size();
    EXPECT_EQ(std::vector<std::string>(record.methods.begin() + static_cast<long>(inherited), record.methods.end()),
        (std::vector<std::string> {
            "Layout", "CreateControls", "_CreateControls0", "txtArea", "Canvas1", "Canvas1_MouseDown" }));
    ASSERT_EQ(record.members.size(), 6u);
    EXPECT_EQ(record.members[2].attributes.back(), (Attribute { "Hidden", "" }));
    EXPECT_TRUE(record.hooks.Layout && record.hooks.CreateControls);
    EXPECT_FALSE(record.hooks.AddMenuHandlers);
    EXPECT_FALSE(record.hooks.Close);
}

} // namespace
