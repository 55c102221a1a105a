#include "windows/AboutWindow.h"
#include "app/HeaderPictures.h"
#include "app/MenuBar1.h"
#include "app/WebAddresses.h"
#include "support/ProgramFixture.h"
#include "support/Widgets.h"
#include "windows/SecondaryWindows.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using SecondaryWindows::OnScreen;

using AboutWindowTest = SecondaryWindows::Fixture;
using SecondaryWindows::InWindow;

TEST_F(AboutWindowTest, AFixedDarkWindowWithTheHeaderAndThreeYellowLines)
{
    std::shared_ptr<class AboutWindow> about = AboutWindow();
    ASSERT_NE(about, nullptr);
    RuntimeProcessEvents();
    QWidget* top = about->_TopLevelWidget();
    QWidget* content = about->_ContentWidget();
    // Visible by its layout alone, untitled, 528 x 229 on dark grey.
    EXPECT_TRUE(top->isVisible());
    EXPECT_EQ(about->Title(), "");
    EXPECT_TRUE(top->windowTitle().isEmpty());
    EXPECT_EQ(content->size(), QSize(528, 229));
    EXPECT_EQ(content->palette().color(QPalette::Window), QColor(0x34, 0x34, 0x34));
    // The program's menu bar, the same object as the converter window's.
    EXPECT_EQ(about->MenuBar(), MenuBar1());
    EXPECT_NE(SecondaryWindows::MenuAction(*about, "Help", "About"), nullptr);
    EXPECT_NE(SecondaryWindows::MenuAction(*about, "&File", "&Quit"), nullptr);

    struct Expected {
        RectControl* control;
        QRect inWindow;
    };
    for (const Expected& e : {
             Expected { about->Canvas2(), QRect(11, 4, 510, 217) },
             Expected { about->Canvas1(), QRect(11, 11, 508, 142) },
             Expected { about->Label2(), QRect(2, 156, 519, 16) },
             Expected { about->Label3(), QRect(2, 174, 519, 16) },
             Expected { about->Label1(), QRect(2, 193, 519, 16) },
         }) {
        ASSERT_NE(e.control, nullptr);
        EXPECT_EQ(InWindow(*about, e.control), e.inWindow) << e.control->Name();
    }
    // The header picture lies inside the container.
    EXPECT_EQ(about->Canvas1()->_Widget()->parentWidget(), about->Canvas2()->_Widget());
    ASSERT_NE(IconHdr(), nullptr);
    EXPECT_EQ(about->Canvas1()->Backdrop(), IconHdr());
    EXPECT_EQ(about->Canvas2()->Backdrop(), nullptr);

    EXPECT_EQ(about->Label2()->Text(), "IKTO SI Conversion Tool ver. 1.0.13.3");
    EXPECT_EQ(about->Label3()->Text(), "Support:  " + std::string(kSupportAddress));
    EXPECT_FALSE(about->Label1()->Text().empty());
    for (Label* label : { about->Label1(), about->Label2(), about->Label3() }) {
        auto* shown = static_cast<QLabel*>(label->_Widget());
        EXPECT_EQ(shown->text().toStdString(), label->Text());
        EXPECT_EQ(shown->palette().color(QPalette::WindowText), QColor(0xFF, 0xFD, 0x03));
        EXPECT_TRUE(shown->alignment() & Qt::AlignHCenter);
        EXPECT_EQ(label->TextUnit(), 0);
        EXPECT_EQ(label->TextSize(), 0.0f);
    }
    // A reserved domain: the address leads nowhere real.
    EXPECT_NE(kSupportAddress.find(".example.com/"), std::string_view::npos);
}

TEST_F(AboutWindowTest, CannotBeResizedAndHasOnlyACloseButton)
{
    std::shared_ptr<class AboutWindow> about = AboutWindow();
    RuntimeProcessEvents();
    QWidget* top = about->_TopLevelWidget();
    EXPECT_FALSE(about->Resizeable());
    EXPECT_EQ(top->minimumSize(), top->maximumSize());
    top->resize(900, 700);
    RuntimeProcessEvents();
    EXPECT_EQ(about->_ContentWidget()->size(), QSize(528, 229));
    EXPECT_EQ(about->Width(), 528);
    EXPECT_EQ(about->Height(), 229);
    const Qt::WindowFlags flags = top->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
}

TEST_F(AboutWindowTest, OnlyAClickOnTheSupportLineOpensTheSupportAddress)
{
    std::shared_ptr<class AboutWindow> about = AboutWindow();
    ASSERT_TRUE(Widgets::Activate(*about));
    QWindow* screenWindow = about->_TopLevelWidget()->windowHandle();
    struct Click {
        const char* what;
        QPoint at;
        bool opens;
    };
    // Points of the window's content area; the clicks land where the user's would.
    for (const Click& click : {
             Click { "version line", QPoint(264, 163), false },
             Click { "support line", QPoint(264, 181), true },
             Click { "support line, left end", QPoint(4, 176), true },
             Click { "copyright notice", QPoint(264, 200), false },
             Click { "header picture", QPoint(264, 80), false },
             Click { "container below the lines", QPoint(264, 217), false },
         }) {
        openedAddresses.clear();
        QTest::mouseClick(screenWindow, Qt::LeftButton, Qt::NoModifier, OnScreen(*about, click.at));
        RuntimeProcessEvents();
        EXPECT_EQ(openedAddresses,
            click.opens ? std::vector<std::string> { std::string(kSupportAddress) } : std::vector<std::string> {})
            << click.what;
    }
    // Clicking changes nothing of the window.
    EXPECT_EQ(about->Label3()->Text(), "Support:  " + std::string(kSupportAddress));
    EXPECT_EQ(AboutWindow(), about);
}

TEST_F(AboutWindowTest, OneSharedWindowUntilClosedThenAFreshOneWithTheSameContent)
{
    std::shared_ptr<class AboutWindow> first = AboutWindow();
    EXPECT_EQ(AboutWindow(), first);
    EXPECT_EQ(_GetImplicitWindow("AboutWindow.AboutWindow"), first);
    first->Close();
    EXPECT_EQ(_GetImplicitWindow("AboutWindow.AboutWindow"), nullptr);
    std::shared_ptr<class AboutWindow> second = AboutWindow();
    EXPECT_NE(second, first);
    EXPECT_EQ(second->Label2()->Text(), "IKTO SI Conversion Tool ver. 1.0.13.3");
    EXPECT_EQ(second->Label3()->Text(), first->Label3()->Text());
    EXPECT_EQ(second->MenuBar(), first->MenuBar());

    // The window's own menu handler holds it strongly; once closed, nothing keeps it.
    std::weak_ptr<class AboutWindow> gone = first;
    first.reset();
    RuntimeProcessEvents();
    EXPECT_TRUE(gone.expired());
}

TEST_F(AboutWindowTest, ItsOwnAboutHandlerOnlyAnswersHandled)
{
    std::shared_ptr<class AboutWindow> about = AboutWindow();
    std::shared_ptr<MenuHandlerDelegate> handler = about->_MenuHandler("About");
    ASSERT_NE(handler, nullptr);
    EXPECT_EQ(handler->Signature(), "(  ) as Boolean");
    EXPECT_FALSE(handler->IsWeak());
    EXPECT_EQ(handler->Target(), about);
    const std::size_t open = _RuntimeOpenWindows().size();
    EXPECT_TRUE(handler->Invoke());
    EXPECT_EQ(_RuntimeOpenWindows().size(), open);
    EXPECT_EQ(about->_MenuHandler("AppleAbout"), nullptr);
    // Its item accessors find the items of the shared bar.
    EXPECT_EQ(about->AppleAbout(), MenuBar1()->_Lookup("AppleAbout"));
    EXPECT_EQ(about->FileQuit(), MenuBar1()->_Lookup("FileQuit"));
    EXPECT_NE(about->FileQuit(), nullptr);
}

TEST_F(AboutWindowTest, ClassRecordNamesItsOperationsAndHooks)
{
    const ClassRecord& record = AboutWindowClass();
    EXPECT_EQ(record.fullName, "AboutWindow.AboutWindow");
    EXPECT_EQ(record.base, &WindowClass());
    const std::size_t inherited = WindowClass().methods.size();
    ASSERT_EQ(record.methods.size(), inherited + 24);
    const std::vector<std::string> own(record.methods.begin() + static_cast<long>(inherited), record.methods.end());
    EXPECT_EQ(std::vector<std::string>(own.begin(), own.begin() + 10),
        (std::vector<std::string> { "Layout", "CreateControls", "_CreateControls0", "Canvas2", "Canvas1", "Label1",
            "Label2", "Label3", "Label3_MouseDown", "HelpMenu" }));
    EXPECT_EQ(own[21], "FileQuit");
    EXPECT_EQ(own[22], "AddMenuHandlers");
    EXPECT_EQ(own[23], "_About_Action");
    ASSERT_EQ(record.members.size(), 24u);
    EXPECT_EQ(record.members[2].attributes.back(), (Attribute { "Hidden", "" }));
    EXPECT_EQ(record.members[8].signature, "( Label, Int32, Int32 ) as Boolean");
    EXPECT_TRUE(record.hooks.Layout && record.hooks.CreateControls && record.hooks.AddMenuHandlers);
    EXPECT_FALSE(record.hooks.Close);
}

} // namespace
