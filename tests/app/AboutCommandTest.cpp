#include "app/IktoSI.h"
#include "converter/Window1.h"
#include "support/ProgramFixture.h"
#include "support/Widgets.h"
#include "windows/AboutWindow.h"
#include "windows/SecondaryWindows.h"

#include <gtest/gtest.h>

namespace {

using SecondaryWindows::MenuAction;
using AboutCommand = ProgramFixture;

TEST_F(AboutCommand, IsBoundAtStartUpAndWorksBeforeAnyWindowExists)
{
    std::shared_ptr<MenuHandlerDelegate> handler = App()->_MenuHandler("AppleAbout");
    ASSERT_NE(handler, nullptr);
    EXPECT_EQ(handler->Signature(), "(  ) as Boolean");
    EXPECT_FALSE(handler->IsWeak());
    EXPECT_EQ(handler->Target(), App());
    ASSERT_TRUE(_RuntimeOpenWindows().empty());
    EXPECT_TRUE(handler->Invoke());
    std::shared_ptr<Window> about = _GetImplicitWindow("AboutWindow.AboutWindow");
    ASSERT_NE(about, nullptr);
    RuntimeProcessEvents();
    EXPECT_TRUE(about->_TopLevelWidget()->isVisible());
    EXPECT_EQ(_RuntimeOpenWindows().size(), 1u);
}

TEST_F(AboutCommand, HelpAboutShowsTheSameWindowUntilItIsClosedThenANewOne)
{
    std::shared_ptr<class Window1> converter = Window1();
    RuntimeProcessEvents();
    QAction* about = MenuAction(*converter, "Help", "About");
    ASSERT_NE(about, nullptr);
    about->trigger();
    std::shared_ptr<class AboutWindow> first = AboutWindow();
    RuntimeProcessEvents();
    EXPECT_TRUE(first->_TopLevelWidget()->isVisible());

    // Again, from the converter window, which brings the same window to the
    // front, and from the About window's own menu.
    ASSERT_TRUE(Widgets::Activate(*converter));
    about->trigger();
    EXPECT_EQ(AboutWindow(), first);
    EXPECT_TRUE(QTest::qWaitForWindowActive(first->_TopLevelWidget(), 2000));
    MenuAction(*first, "Help", "About")->trigger();
    EXPECT_EQ(AboutWindow(), first);
    EXPECT_EQ(_RuntimeOpenWindows().size(), 2u);

    first->_TopLevelWidget()->close();
    RuntimeProcessEvents();
    ASSERT_TRUE(first->_IsClosed());
    about->trigger();
    std::shared_ptr<class AboutWindow> second = AboutWindow();
    EXPECT_NE(second, first);
    RuntimeProcessEvents();
    EXPECT_TRUE(second->_TopLevelWidget()->isVisible());
    EXPECT_EQ(second->Label2()->Text(), "IKTO SI Conversion Tool ver. 1.0.13.3");
    EXPECT_EQ(_ReportedExceptionCount(), 0);
}

} // namespace
