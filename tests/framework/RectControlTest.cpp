#include "support/TestWindow.h"
#include "support/Widgets.h"

#include <QRect>
#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

using RectControlTest = CleanState;

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct GeometryCase {
    const char* what;
    std::vector<std::pair<const char*, PropertyValue>> properties;
    QRect shown; // the widget's geometry, in its parent
    std::array<int, 4> kept; // Left, Top, Width, Height
};

// Positions and sizes a list can carry but no screen can show. The widget
// keeps to the range Qt can place (its rectangle arithmetic would overflow
// beyond it, which the sanitizer build reports); the control keeps the
// values it was given.
const std::vector<GeometryCase> kCases {
    { "ordinary bounds inside a parent control",
        { { "Left", std::int32_t { 30 } }, { "Top", std::int32_t { 50 } }, { "Width", std::int32_t { 40 } },
            { "Height", std::int32_t { 10 } }, { "InitialParent", std::string("parent") } },
        QRect(20, 30, 40, 10), { 30, 50, 40, 10 } },
    { "smallest height", { { "Height", kMin } }, QRect(0, 0, 0, 0), { 0, 0, 0, kMin } },
    { "largest left and width", { { "Left", kMax }, { "Width", kMax } }, QRect(QWIDGETSIZE_MAX, 0, QWIDGETSIZE_MAX, 0),
        { kMax, 0, kMax, 0 } },
    { "smallest left and top inside a parent control",
        { { "Left", kMin }, { "Top", kMin }, { "InitialParent", std::string("parent") } },
        QRect(-QWIDGETSIZE_MAX, -QWIDGETSIZE_MAX, 0, 0), { kMin, kMin, 0, 0 } },
};

TEST_F(RectControlTest, BoundsFarOutsideTheScreenKeepTheWidgetWithinQtsRange)
{
    for (const GeometryCase& c : kCases) {
        SCOPED_TRACE(c.what);
        Label* child = nullptr;
        auto window = MakeTestWindow([&](TestWindow& w) {
            w.Add<Label>("parent", 10, 20, 100, 40);
            child = w.Add<Label>("child", 0, 0, 0, 0);
        });
        for (const auto& [name, value] : c.properties)
            child->SetProperty(name, value);
        EXPECT_EQ(Widgets::Of(child)->geometry(), c.shown);
        EXPECT_EQ((std::array { child->Left(), child->Top(), child->Width(), child->Height() }), c.kept);
        window->Close();
    }
}

} // namespace
