#include "framework/SetProperties.h"
#include "framework/Exceptions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

using Setting = std::pair<std::string, PropertyValue>;

// Keeps every property it is given, in order.
struct Recorder : PropertyTarget {
    std::vector<Setting> set;
    void SetProperty(std::string_view name, const PropertyValue& value) override
    {
        set.emplace_back(std::string(name), value);
    }
};

// Raw bytes, written out by hand.
std::string B(std::initializer_list<int> bytes)
{
    std::string out;
    for (int b : bytes)
        out += static_cast<char>(b);
    return out;
}

struct EntryCase {
    std::string bytes;
    Setting expected;
};

// One entry of each width, with the values that a reader which searched for
// spaces, read little-endian or read unsigned would get wrong.
const std::vector<EntryCase> kEntries {
    { "TabIndex " + B({ 0, 0, 0, 0x20 }), { "TabIndex", std::int32_t { 32 } } },
    { "Top " + B({ 0, 0, 0, 0x20 }), { "Top", std::int32_t { 32 } } },
    { "Index " + B({ 0x80, 0, 0, 0 }), { "Index", std::numeric_limits<std::int32_t>::min() } },
    { "Width " + B({ 0, 0, 0x01, 0xF9 }), { "Width", std::int32_t { 505 } } },
    { "Left " + B({ 0xFF, 0xFF, 0xFF, 0xFE }), { "Left", std::int32_t { -2 } } },
    { "Text " + B({ 0, 0, 0, 8 }) + "Temp \xC2\xB0" + "F",
        { "Text",
            std::string("Temp \xC2\xB0"
                        "F") } },
    { "Caption " + B({ 0, 0, 0, 3 }) + "a b", { "Caption", std::string("a b") } },
    { "DataField " + B({ 0, 0, 0, 0 }), { "DataField", std::string() } },
    { "BackColor " + B({ 0x48, 0x3E, 0x37 }), { "BackColor", RGBColor { 0x483E37 } } },
    { "TextColor " + B({ 0x20, 0x20, 0x20 }), { "TextColor", RGBColor { 0x202020 } } },
    { "Visible " + B({ 1 }), { "Visible", true } },
    { "Bold " + B({ 0 }), { "Bold", false } },
    { "Italic " + B({ 0x20 }), { "Italic", true } },
};

TEST(SetProperties, ReadsEachValueByTheWidthOfItsType)
{
    for (const EntryCase& entry : kEntries) {
        Recorder target;
        _SetProperties(target, std::string_view(entry.bytes));
        EXPECT_EQ(target.set, std::vector<Setting> { entry.expected }) << entry.expected.first;
    }
}

TEST(SetProperties, EntriesFollowOneAnotherInEitherOrder)
{
    std::string forward;
    std::string backward;
    std::vector<Setting> expected;
    for (const EntryCase& entry : kEntries) {
        forward += entry.bytes;
        backward = entry.bytes + backward;
        expected.push_back(entry.expected);
    }

    Recorder first;
    _SetProperties(first, std::string_view(forward));
    EXPECT_EQ(first.set, expected);

    Recorder second;
    _SetProperties(second, std::string_view(backward));
    EXPECT_EQ(second.set, std::vector<Setting>(expected.rbegin(), expected.rend()));
}

TEST(SetProperties, AnEmptyListSetsNothing)
{
    Recorder target;
    _SetProperties(target, std::string_view());
    EXPECT_TRUE(target.set.empty());
}

TEST(SetProperties, BrokenListsThrowNamingThePropertyAndKeepWhatCameBefore)
{
    const std::string before = "Bold " + B({ 1 });
    const std::vector<std::pair<std::string, std::string>> cases {
        { "Visible", "Visible" }, // inside a name: no space follows
        { "Visible ", "Visible" }, // no Boolean byte
        { "Width " + B({ 0, 0 }), "Width" }, // inside an Integer
        { "BackColor " + B({ 0x48, 0x3E }), "BackColor" }, // inside a Color
        { "Title " + B({ 0, 0 }), "Title" }, // inside a String's count
        { "Title " + B({ 0, 0, 0, 9 }) + "short", "Title" }, // the count runs past the end
        { "Title " + B({ 0xFF, 0xFF, 0xFF, 0xFF }) + "x", "Title" }, // a count near 2^32
        { "Colour " + B({ 1, 2, 3 }), "Colour" }, // no such property
    };
    for (const auto& [broken, property] : cases) {
        const std::string list = before + broken;
        Recorder target;
        try {
            _SetProperties(target, std::string_view(list));
            ADD_FAILURE() << "no exception for " << property;
        } catch (const RuntimeException& e) {
            EXPECT_NE(std::string(e.what()).find('"' + property + '"'), std::string::npos) << e.what();
        }
        EXPECT_EQ(target.set, std::vector<Setting> { Setting("Bold", true) }) << property;
    }
}

TEST(SetProperties, UnknownNamesAreReportedAsSuch)
{
    const std::string list = "Foo " + B({ 1 });
    Recorder target;
    try {
        _SetProperties(target, std::string_view(list));
        ADD_FAILURE() << "no exception";
    } catch (const RuntimeException& e) {
        EXPECT_EQ(std::string(e.what()), "Unknown property \"Foo\" in property list");
    }
    EXPECT_TRUE(target.set.empty());
}

// The list is a view into a larger buffer whose next bytes would complete
// the entry or form a valid one: the reader must stop at the view's end.
TEST(SetProperties, NeverReadsPastTheEndOfItsList)
{
    const std::string whole = "Bold " + B({ 1 }) + "Visible " + B({ 0 });
    Recorder target;
    _SetProperties(target, std::string_view(whole).substr(0, 6));
    EXPECT_EQ(target.set, std::vector<Setting> { Setting("Bold", true) });

    const std::vector<std::string> cutShort {
        "Width " + B({ 0, 0, 0x01, 0xF9 }),
        "Title " + B({ 0, 0, 0, 2 }) + "ab",
        "Visible " + B({ 1 }),
    };
    for (const std::string& entry : cutShort) {
        const std::string buffer = entry + "Bold " + B({ 1 });
        Recorder cut;
        EXPECT_THROW(_SetProperties(cut, std::string_view(buffer).substr(0, entry.size() - 1)), RuntimeException)
            << entry;
        EXPECT_TRUE(cut.set.empty()) << entry;
    }

    const std::vector<std::uint8_t> bytes(whole.begin(), whole.end());
    Recorder fromSpan;
    _SetProperties(fromSpan, std::span<const std::uint8_t>(bytes).first(6));
    EXPECT_EQ(fromSpan.set, std::vector<Setting> { Setting("Bold", true) });
}

} // namespace
