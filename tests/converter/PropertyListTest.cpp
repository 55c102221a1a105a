#include "converter/PropertyList.h"
#include "converter/Window1Properties.h"
#include "framework/Exceptions.h"
#include "framework/SetProperties.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

namespace {

// Keeps every property it is given, in order.
struct Recorder : PropertyTarget {
    std::vector<std::pair<std::string, PropertyValue>> set;
    void SetProperty(std::string_view name, const PropertyValue& value) override
    {
        set.emplace_back(std::string(name), value);
    }
};

std::vector<std::uint8_t> Bytes(std::initializer_list<std::string> parts)
{
    std::vector<std::uint8_t> out;
    for (const std::string& part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

std::string B(std::initializer_list<int> bytes)
{
    std::string out;
    for (int b : bytes)
        out += static_cast<char>(b);
    return out;
}

TEST(PropertyList, ConverterWindowListIsPinnedByteForByte)
{
    const std::vector<std::uint8_t> expected = Bytes({
        "Placement ",
        B({ 0, 0, 0, 2 }),
        "Width ",
        B({ 0, 0, 0x01, 0xF9 }),
        "Height ",
        B({ 0, 0, 0, 0xA1 }),
        "MinWidth ",
        B({ 0, 0, 0, 0x40 }),
        "MinHeight ",
        B({ 0, 0, 0, 0x40 }),
        "MaxWidth ",
        B({ 0, 0, 0x7D, 0x00 }),
        "MaxHeight ",
        B({ 0, 0, 0x7D, 0x00 }),
        "Frame ",
        B({ 0, 0, 0, 7 }),
        "Composite ",
        B({ 0 }),
        "HasBackColor ",
        B({ 1 }),
        "BackColor ",
        B({ 0x48, 0x3E, 0x37 }),
        "Title ",
        B({ 0, 0, 0, 31 }),
        "IKTO Interim SI Conversion Tool",
        "Visible ",
        B({ 1 }),
        "FullScreen ",
        B({ 0 }),
        "MenuBarVisible ",
        B({ 1 }),
        "CloseButton ",
        B({ 1 }),
        "Resizeable ",
        B({ 0 }),
        "LiveResize ",
        B({ 0 }),
        "MaximizeButton ",
        B({ 0 }),
        "MinimizeButton ",
        B({ 1 }),
        "MacProcID ",
        B({ 0, 0, 0, 0 }),
    });
    ASSERT_EQ(kWindow1Properties.size(), 298u);
    EXPECT_EQ(std::vector<std::uint8_t>(kWindow1Properties.begin(), kWindow1Properties.end()), expected);
    // Nothing follows the last value.
    const std::string tail = "MacProcID " + B({ 0, 0, 0, 0 });
    EXPECT_TRUE(std::equal(tail.rbegin(), tail.rend(), kWindow1Properties.rbegin(),
        [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; }));

    Recorder window;
    _SetProperties(window, plist::Bytes(kWindow1Properties));
    ASSERT_EQ(window.set.size(), 21u);
    EXPECT_EQ(window.set[10], (std::pair<std::string, PropertyValue> { "BackColor", RGBColor { 0x483E37 } }));
    EXPECT_EQ(window.set[11].second, PropertyValue { std::string("IKTO Interim SI Conversion Tool") });
    EXPECT_EQ(window.set[20], (std::pair<std::string, PropertyValue> { "MacProcID", std::int32_t { 0 } }));
}

inline constexpr std::array kEdgeEntries {
    plist::Str("Name", "lblWhmile11132"),
    plist::Int("Index", plist::kNoControlArray),
    plist::Int("Top", 32),
    plist::Int("TabIndex", 32),
    plist::Str("Text", "Temp °F"),
    plist::Color("TextColor", 0x483E37),
    plist::Bool("Bold", true),
    plist::Str("InitialParent", ""),
};
inline constexpr auto kEdgeList = plist::EncodePropertyList<kEdgeEntries>();
inline constexpr auto kEdgeReversedEntries = plist::Reversed(kEdgeEntries);
inline constexpr auto kEdgeReversed = plist::EncodePropertyList<kEdgeReversedEntries>();

TEST(PropertyList, ValuesAreEncodedInTheWidthOfTheirType)
{
    const std::vector<std::uint8_t> expected
        = Bytes({ "Name ", B({ 0, 0, 0, 14 }), "lblWhmile11132", "Index ", B({ 0x80, 0, 0, 0 }), "Top ",
            B({ 0, 0, 0, 0x20 }), "TabIndex ", B({ 0, 0, 0, 0x20 }), "Text ", B({ 0, 0, 0, 8 }),
            "Temp \xC2\xB0"
            "F",
            "TextColor ", B({ 0x48, 0x3E, 0x37 }), "Bold ", B({ 1 }), "InitialParent ", B({ 0, 0, 0, 0 }) });
    EXPECT_EQ(std::vector<std::uint8_t>(kEdgeList.begin(), kEdgeList.end()), expected);

    Recorder control;
    _SetProperties(control, plist::Bytes(kEdgeList));
    const std::vector<std::pair<std::string, PropertyValue>> values {
        { "Name", std::string("lblWhmile11132") },
        { "Index", std::int32_t { -2147483647 - 1 } },
        { "Top", std::int32_t { 32 } },
        { "TabIndex", std::int32_t { 32 } },
        { "Text", std::string("Temp °F") },
        { "TextColor", RGBColor { 0x483E37 } },
        { "Bold", true },
        { "InitialParent", std::string() },
    };
    EXPECT_EQ(control.set, values);

    // The same entries in reverse order set the same values.
    Recorder reversed;
    _SetProperties(reversed, plist::Bytes(kEdgeReversed));
    std::vector<std::pair<std::string, PropertyValue>> backwards(values.rbegin(), values.rend());
    EXPECT_EQ(reversed.set, backwards);
}

// A text as long as the fuel information panel's, with its tabs and
// carriage returns, must still encode at compile time.
inline constexpr auto kLongText = [] {
    std::array<char, 1500> text {};
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = i % 40 == 38 ? '\t' : i % 40 == 39 ? '\r' : static_cast<char>('a' + i % 26);
    return text;
}();
inline constexpr std::array kLongEntries {
    plist::Str("Text", std::string_view(kLongText.data(), kLongText.size())),
    plist::Bool("ReadOnly", true),
};
inline constexpr auto kLongList = plist::EncodePropertyList<kLongEntries>();

TEST(PropertyList, LongTextsEncodeWithTheirByteCount)
{
    const std::string text(kLongText.begin(), kLongText.end());
    const std::vector<std::uint8_t> expected = Bytes({ "Text ", B({ 0, 0, 0x05, 0xDC }), text, "ReadOnly ", B({ 1 }) });
    EXPECT_EQ(std::vector<std::uint8_t>(kLongList.begin(), kLongList.end()), expected);

    Recorder control;
    _SetProperties(control, plist::Bytes(kLongList));
    const std::vector<std::pair<std::string, PropertyValue>> values {
        { "Text", text },
        { "ReadOnly", true },
    };
    EXPECT_EQ(control.set, values);
}

} // namespace
