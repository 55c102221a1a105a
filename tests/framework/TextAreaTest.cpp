#include "support/TestWindow.h"

#include <QApplication>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

QPlainTextEdit* EditorOf(TextArea* area)
{
    return static_cast<QPlainTextEdit*>(area->_Widget());
}

std::uint32_t Shown(TextArea* area, QPalette::ColorGroup group, QPalette::ColorRole role)
{
    return EditorOf(area)->palette().color(group, role).rgb() & 0xFFFFFFu;
}

struct Colours {
    std::uint32_t back;
    std::uint32_t text;
};

// The colours a text area is given, one pair after the other, and what it shows at the end.
struct ColourCase {
    std::vector<Colours> given;
    Colours shown;
};

class TextAreaTest : public CleanState {
protected:
    void TearDown() override
    {
        if (window)
            window->Close();
        TestWindow::Build() = {};
        RuntimeProcessEvents();
        CleanState::TearDown();
    }

    std::shared_ptr<TestWindow> window;
};

TEST_F(TextAreaTest, ShowsTheColoursItWasLastGiven)
{
    const std::vector<ColourCase> cases {
        { { { 0xFFFFFF, 0x000000 } }, { 0xFFFFFF, 0x000000 } },
        { { { 0xFFFF00, 0x000000 } }, { 0xFFFF00, 0x000000 } },
        { { { 0xFFFFFF, 0xCC0000 } }, { 0xFFFFFF, 0xCC0000 } },
        { { { 0x483E37, 0xFFFD03 } }, { 0x483E37, 0xFFFD03 } },
        // Back to plain colours after others: the earlier ones must not stay.
        { { { 0x483E37, 0xFFFD03 }, { 0xFFFFFF, 0x000000 } }, { 0xFFFFFF, 0x000000 } },
        { { { 0xFFFF00, 0x000000 }, { 0xFFFFFF, 0x000000 } }, { 0xFFFFFF, 0x000000 } },
    };
    std::vector<TextArea*> areas;
    window = MakeTestWindow([&](TestWindow& w) {
        for (std::size_t i = 0; i < cases.size(); ++i)
            areas.push_back(w.Add<TextArea>("area" + std::to_string(i), 10, 10 + 30 * static_cast<int>(i), 80, 25));
    });
    for (std::size_t i = 0; i < cases.size(); ++i) {
        for (const Colours& colours : cases[i].given) {
            areas[i]->SetBackColor(colours.back);
            areas[i]->SetTextColor(colours.text);
        }
        for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
            EXPECT_EQ(Shown(areas[i], group, QPalette::Base), cases[i].shown.back) << "case " << i;
            EXPECT_EQ(Shown(areas[i], group, QPalette::Text), cases[i].shown.text) << "case " << i;
        }
    }
}

TEST_F(TextAreaTest, AreasInTheDesktopsOwnColoursShareOnePaletteWithTheirScrollBars)
{
    // The style keeps its drawings of scroll bars under the identity of their
    // palette: areas that each bring a new one leave a set behind apiece.
    const QPalette desktop = QApplication::palette("QPlainTextEdit");
    const std::uint32_t back = desktop.color(QPalette::Base).rgb() & 0xFFFFFFu;
    const std::uint32_t text = desktop.color(QPalette::Text).rgb() & 0xFFFFFFu;
    TextArea* first = nullptr;
    TextArea* second = nullptr;
    window = MakeTestWindow([&](TestWindow& w) {
        first = w.Add<TextArea>("first", 10, 10, 120, 60);
        second = w.Add<TextArea>("second", 10, 80, 120, 60);
    });
    for (TextArea* area : { first, second }) {
        area->SetBackColor(back);
        area->SetTextColor(text);
        area->SetText(std::string(40, '\r'));
    }
    RuntimeProcessEvents();
    QScrollBar* firstBar = EditorOf(first)->verticalScrollBar();
    QScrollBar* secondBar = EditorOf(second)->verticalScrollBar();
    ASSERT_TRUE(firstBar->isVisible());
    ASSERT_TRUE(secondBar->isVisible());
    EXPECT_EQ(firstBar->palette().cacheKey(), secondBar->palette().cacheKey());
    EXPECT_EQ(Shown(first, QPalette::Active, QPalette::Base), back);
    EXPECT_EQ(Shown(second, QPalette::Active, QPalette::Text), text);
}

} // namespace
