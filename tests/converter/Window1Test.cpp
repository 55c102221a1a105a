#include "converter/Window1.h"
#include "app/MenuBar1.h"
#include "app/WebAddresses.h"
#include "support/ProgramFixture.h"
#include "support/Widgets.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

using ConverterWindow = ProgramFixture;

TEST_F(ConverterWindow, OneSharedWindowUntilItCloses)
{
    std::shared_ptr<class Window1> first = Window1();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Window1(), first);
    EXPECT_EQ(_GetImplicitWindow("Window1.Window1"), first);
    first->Close();
    EXPECT_EQ(_GetImplicitWindow("Window1.Window1"), nullptr);
    std::shared_ptr<class Window1> second = Window1();
    EXPECT_NE(second, first);
    EXPECT_EQ(Window1(), second);
}

TEST_F(ConverterWindow, OpensWithItsLayoutAndTheSharedMenuBar)
{
    std::shared_ptr<class Window1> window = Window1();
    RuntimeProcessEvents();
    EXPECT_EQ(window->Title(), "IKTO Interim SI Conversion Tool");
    EXPECT_EQ(window->MenuBar(), MenuBar1());
    EXPECT_EQ(window->MenuBar(), App()->MenuBar());
    EXPECT_FALSE(window->Resizeable());
    EXPECT_TRUE(window->MinimizeButton());
    EXPECT_FALSE(window->MaximizeButton());
    // Shown by its layout, without a call of Show.
    EXPECT_TRUE(window->Visible());
    QWidget* top = window->_TopLevelWidget();
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(top->windowTitle().toStdString(), "IKTO Interim SI Conversion Tool");
    QWidget* content = window->_ContentWidget();
    EXPECT_EQ(content->size(), QSize(505, 161));
    EXPECT_EQ(content->palette().color(QPalette::Window), QColor(0x48, 0x3E, 0x37));
    EXPECT_TRUE(content->autoFillBackground());
    // The menu bar stands above the content area, with the three menus.
    auto* menuBar = static_cast<QMainWindow*>(top)->menuBar();
    QStringList menus;
    for (QAction* action : menuBar->actions())
        menus << action->text();
    EXPECT_EQ(menus, (QStringList { "&File", "&Edit", "Help" }));
    EXPECT_EQ(top->height(), 161 + menuBar->height());
}

TEST_F(ConverterWindow, HeightChangesKeepTheTopEdgeWhileTheWindowFitsTheScreen)
{
    std::shared_ptr<class Window1> window = Window1();
    RuntimeProcessEvents();
    QWidget* top = window->_TopLevelWidget();
    const QRect area = top->screen()->availableGeometry();
    const int y = top->geometry().y();
    window->SetHeight(650);
    RuntimeProcessEvents();
    EXPECT_EQ(window->_ContentWidget()->height(), 650);
    if (y + top->frameGeometry().height() <= area.bottom() + 1)
        EXPECT_EQ(top->geometry().y(), y);
    else
        EXPECT_EQ(top->frameGeometry().bottom(), area.bottom());
    const int openedAt = top->geometry().y();
    window->SetHeight(161);
    RuntimeProcessEvents();
    EXPECT_EQ(window->_ContentWidget()->height(), 161);
    EXPECT_EQ(top->geometry().y(), openedAt);
}

TEST_F(ConverterWindow, HeaderPictureClickOpensTheStorePageOnce)
{
    std::shared_ptr<class Window1> window = Window1();
    for (auto [x, y] : { std::pair { 0, 0 }, std::pair { 63, 63 }, std::pair { -5, 1000 } }) {
        openedAddresses.clear();
        EXPECT_FALSE(window->Canvas1_MouseDown(nullptr, x, y));
        EXPECT_EQ(openedAddresses, std::vector<std::string> { std::string(kStorePageAddress) });
    }
    EXPECT_EQ(kStorePageAddress.find("example.com") != std::string::npos, true);
}

TEST_F(ConverterWindow, MenuItemAccessorsFindTheItemsOfTheBar)
{
    std::shared_ptr<class Window1> window = Window1();
    EXPECT_EQ(window->FileQuit(), MenuBar1()->_Lookup("FileQuit"));
    EXPECT_NE(window->FileQuit(), nullptr);
    EXPECT_EQ(window->FileQuit()->Parent(), window->FileMenu().get());
    EXPECT_EQ(window->AppleAbout()->Text(), "About");
    EXPECT_EQ(window->EditSelectAll()->Text(), "Select &All");
}

TEST_F(ConverterWindow, ClassRecordListsTheOperationsInOrder)
{
    const ClassRecord& record = Window1Class();
    EXPECT_EQ(record.fullName, "Window1.Window1");
    EXPECT_EQ(record.base, &WindowClass());
    const std::vector<std::string>& methods = record.methods;
    const std::size_t own = methods.size() - WindowClass().methods.size();
    EXPECT_EQ(own, 98u);
    const auto first = methods.begin() + static_cast<long>(WindowClass().methods.size());
    EXPECT_EQ(*first, "Layout");
    EXPECT_EQ(*(first + 4), "txtMPGUS");
    EXPECT_EQ(*(first + 44), "BevCalcOrange");
    EXPECT_EQ(*(first + 45), "txtMPGUS_TextChange");
    EXPECT_EQ(*(first + 83), "BevCalcOrange_Action");
    EXPECT_EQ(*(first + 84), "HelpMenu");
    EXPECT_EQ(methods.back(), "Event_Close");
    ASSERT_EQ(record.members.size(), 98u);
    EXPECT_EQ(record.members[2].attributes.back().first, "Hidden");
}

TEST_F(ConverterWindow, QuitClosesEveryWindowAndEndsTheRun)
{
    std::shared_ptr<class Window1> window = Window1();
    RuntimeProcessEvents();
    ASSERT_TRUE(window->FileQuit()->_PerformAction(window.get()));
    EXPECT_TRUE(window->_IsClosed());
    EXPECT_TRUE(_RuntimeOpenWindows().empty());
    EXPECT_TRUE(_RuntimeQuitRequested());
}

TEST_F(ConverterWindow, ClosingTheLastWindowEndsTheRunOnceAutoQuitIsSet)
{
    std::shared_ptr<class Window1> window = Window1();
    App()->_CallOpen();
    EXPECT_TRUE(App()->AutoQuit());
    EXPECT_FALSE(_RuntimeQuitRequested());
    window->_CloseRequested();
    EXPECT_TRUE(_RuntimeQuitRequested());
}

} // namespace
