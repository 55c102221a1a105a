#include "app/HeaderPictures.h"
#include "app/WebAddresses.h"
#include "support/ProgramFixture.h"
#include "support/Widgets.h"
#include "windows/AboutWindow.h"
#include "windows/MsgWindow.h"
#include "windows/SecondaryWindows.h"

#include <gtest/gtest.h>

namespace {

// The tests' own executable has no Resources folder beside its folder, so
// no header picture can be read until the tests point at the built bundle.
using HeaderlessWindows = ProgramFixture;

TEST_F(HeaderlessWindows, BuiltWithAnEmptyHeaderAndEachNewWindowTriesTheReadAgain)
{
    ASSERT_EQ(IconHdr(), nullptr);
    std::shared_ptr<class AboutWindow> about = AboutWindow();
    std::shared_ptr<class MsgWindow> help = MsgWindow();
    EXPECT_EQ(about->Canvas1()->Backdrop(), nullptr);
    EXPECT_EQ(help->Canvas1()->Backdrop(), nullptr);
    EXPECT_EQ(about->Label2()->Text(), "IKTO SI Conversion Tool ver. 1.0.13.3");
    EXPECT_NE(help->txtArea(), nullptr);
    // The empty header still leads to the store page.
    ASSERT_TRUE(Widgets::Activate(*help));
    Widgets::Click(help->Canvas1());
    EXPECT_EQ(openedAddresses, std::vector<std::string> { std::string(kStorePageAddress) });
    EXPECT_EQ(_ReportedExceptionCount(), 0);

    SecondaryWindows::UseBuiltBundle();
    about->Close();
    help->Close();
    // The new windows read the picture themselves, once it can be read.
    std::shared_ptr<Picture> aboutHeader = AboutWindow()->Canvas1()->Backdrop();
    ASSERT_NE(aboutHeader, nullptr);
    EXPECT_EQ(MsgWindow()->Canvas1()->Backdrop(), aboutHeader);
    EXPECT_EQ(IconHdr(), aboutHeader);
    _SetApplicationExecutablePath("");
}

} // namespace
