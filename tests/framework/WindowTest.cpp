#include "support/TestWindow.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>

namespace {

using WindowTest = CleanState;

std::shared_ptr<MenuBar> OneMenuBar()
{
    auto bar = std::make_shared<MenuBar>();
    auto menu = std::make_shared<MenuItem>();
    menu->SetText("&File");
    bar->Append(menu);
    return bar;
}

// The top-level window is the content plus the menu bar. A content height
// near the largest integer must not overflow when the bar is added (the
// sanitizer build reports it); the window stays within what Qt can size.
TEST_F(WindowTest, TheLargestHeightWithAMenuBarStaysWithinQtsRange)
{
    for (bool resizeable : { false, true }) {
        SCOPED_TRACE(resizeable ? "resizeable" : "fixed size");
        auto window = MakeTestWindow([](TestWindow&) {});
        window->SetMenuBar(OneMenuBar());
        window->SetProperty("Resizeable", resizeable);
        for (const char* property : { "MinHeight", "MaxHeight", "Height" })
            window->SetProperty(property, std::numeric_limits<std::int32_t>::max());
        const int topHeight = window->_TopLevelWidget()->height();
        EXPECT_GT(topHeight, 0);
        EXPECT_LE(topHeight, QWIDGETSIZE_MAX);
        EXPECT_GT(window->Height(), 0);
        window->Close();
    }
}

} // namespace
