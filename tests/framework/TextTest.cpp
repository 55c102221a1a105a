#include "framework/Text.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FormatCase {
    double value;
    const char* mask;
    const char* text;
};

TEST(Format, RendersValuesUnderTheProgramsMasks)
{
    const std::vector<FormatCase> cases {
        { 138589.62140326027, "######", "138590" },
        { 30485.454569999998, "######", "30485" },
        { 39.450350745095484, "###.###", "39.45" },
        { 33.846499188, "###.###", "33.846" },
        { 40.64795067842874, "###.###", "40.648" },
        { 8.941299075817296, "###.###", "8.941" },
        { 24.490317870000002, "###.###", "24.49" },
        { 7.150376072548557, "###.###", "7.15" },
        { 39.626468382350374, "###.###", "39.626" },
        { 28.742398399998137, "###.###", "28.742" },
        { 96.56064, "####", "97" },
        { -96.56064, "####", "-97" },
        { 62.137119, "####", "62" },
        { -0.3999999999999986, "-##.0", "-0.4" },
        { -40, "-##.0", "-40.0" },
        { 0, "##.0", "0.0" },
        { 37, "##.0", "37.0" },
        { 1.3999999999999986, "##.0", "1.4" },
        { 51.640846796708765, "##.##", "51.64" },
        { 5.47010658915073, "###.##", "5.47" },
        { 489.09860202414717, "####.##", "489.1" },
        { 787.1279034101134, "####.##", "787.13" },
        { 0.5, "##.##", "0.5" },
        { 0.5, "####", "1" },
        { 0.4, "####", "0" },
        // Exact halves go away from zero.
        { 2.5, "####", "3" },
        { -2.5, "####", "-3" },
        { 0.125, "#.##", "0.13" },
        // Wider than the mask: every integer digit stays.
        { 1234567.0, "##.0", "1234567.0" },
        // A negative value keeps its sign under a mask without "-"; one that
        // rounds to zero shows none.
        { -5.25, "###.##", "-5.25" },
        { -0.001, "##.##", "0" },
        { -0.0, "##.0", "0.0" },
        { 1e-300, "##.##", "0" },
        { 7, "00.00", "07.00" },
        { 12.5, "", "13" },
        { kInf, "####", "INF" },
        { -kInf, "-##.0", "-INF" },
        { kNaN, "##.##", "NAN" },
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(Format(c.value, c.mask), c.text) << c.value << " under \"" << c.mask << "\"";
}

TEST(Format, NeverCutsTheIntegerDigitsOfHugeValues)
{
    const std::string text = Format(1e300, "####");
    EXPECT_EQ(text.size(), 301u);
    EXPECT_EQ(text.substr(0, 4), "1000");
    EXPECT_EQ(Format(-std::numeric_limits<double>::max(), "#").size(), 310u);
}

TEST(Format, IgnoresTheLocale)
{
    const char* set = std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_EQ(Format(1234.5, "####.##"), "1234.5");
    EXPECT_EQ(CDbl("1234.5"), 1234.5);
    if (set)
        std::setlocale(LC_ALL, "C");
}

TEST(Format, ReadsBackWithinHalfAUnitOfItsLastPlace)
{
    std::mt19937_64 random(20261210);
    std::uniform_real_distribution<double> spread(-1e6, 1e6);
    for (int i = 0; i < 20000; ++i) {
        const double v = i < 1000 ? i + 1 : spread(random);
        EXPECT_LE(std::fabs(CDbl(Format(v, "######")) - v), 0.5) << v;
        EXPECT_LE(std::fabs(CDbl(Format(v, "###.###")) - v), 0.0005 + 1e-9) << v;
    }
}

struct ReadCase {
    const char* text;
    double value;
};

TEST(CDbl, ReadsTheLeadingNumber)
{
    const std::vector<ReadCase> cases {
        { "43", 43 },
        { "  12 mpg", 12 },
        { "\t-40", -40 },
        { "+7", 7 },
        { "98.6", 98.6 },
        { "1,5", 1.5 },
        { ".5", 0.5 },
        { "5.", 5 },
        { "1e3", 1000 },
        { "2.5E-1x", 0.25 },
        { "3e", 3 },
        { "3e+", 3 },
        { "115400", 115400 },
        { "-0", -0.0 },
        { "1e999", kInf },
        { "-1e999", -kInf },
        { "1e-999", 0 },
        { "INF", kInf },
        { "-inf", -kInf },
        { "Infinity", kInf },
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(CDbl(c.text), c.value) << '"' << c.text << '"';
    EXPECT_TRUE(std::signbit(CDbl("-0")));
}

TEST(CDbl, TextWithNoNumberIsNaN)
{
    for (const char* text : { "", "   ", "abc", "-", ".", "e5", "mph 60", "nan", "NAN" })
        EXPECT_TRUE(std::isnan(CDbl(text))) << '"' << text << '"';
}

TEST(CDbl, CopesWithVeryLongText)
{
    std::string digits(2'000'000, '9');
    EXPECT_EQ(CDbl(digits), kInf);
    std::string zeros = "0." + std::string(1'000'000, '0') + "1";
    EXPECT_EQ(CDbl(zeros), 0);
    EXPECT_TRUE(std::isnan(CDbl(std::string(1'000'000, 'x'))));
}

TEST(CStr, WritesTheShortestTextThatReadsBack)
{
    EXPECT_EQ(CStr(115400.0), "115400");
    EXPECT_EQ(CStr(20300.0), "20300");
    EXPECT_EQ(CStr(1000000.0), "1000000");
    EXPECT_EQ(CStr(0.5), "0.5");
    EXPECT_EQ(CStr(kInf), "INF");
    EXPECT_EQ(CStr(kNaN), "NAN");
    EXPECT_EQ(CStr(std::string("39.45")), "39.45");
    EXPECT_EQ(CStr("text"), "text");
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        const double v = std::bit_cast<double>(random());
        if (std::isnan(v))
            continue;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(CDbl(CStr(v))), std::bit_cast<std::uint64_t>(v)) << CStr(v);
    }
}

TEST(Chr, GivesOneCharacterTexts)
{
    EXPECT_EQ(Chr(13), "\r");
    EXPECT_EQ(Chr(65), "A");
    EXPECT_EQ(Chr(0xB0), "\xC2\xB0");
    EXPECT_EQ(EndOfLine, "\n");
}

} // namespace
