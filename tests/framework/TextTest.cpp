#include "framework/Text.h"
#include "support/MachineNeeds.h"

#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

std::uint64_t Bits(double value)
{
    return std::bit_cast<std::uint64_t>(value);
}

// Text with a long run of one character between a head and a tail. Built by
// appending to the head: `"head" + std::string(count, fill)` inserts at the
// front of the run, and g++ 12 at -O2 and above warns falsely (-Wrestrict)
// about overlapping copies inside that library path.
std::string Filled(std::string_view head, std::size_t count, char fill, std::string_view tail = {})
{
    std::string text(head);
    text.append(count, fill);
    text.append(tail);
    return text;
}

struct FormatCase {
    double value;
    std::string mask;
    std::string text;
};

const std::vector<FormatCase>& FormatCases()
{
    static const std::vector<FormatCase> cases {
        // The values the converters show.
        { 138589.62140326027, "######", "138590" },
        { 30485.454569999998, "######", "30485" },
        { 135106.8666192962, "######", "135107" },
        { 97997.51392119617, "######", "97998" },
        { 39.450350745095484, "###.###", "39.45" },
        { 33.846499188, "###.###", "33.846" },
        { 40.64795067842874, "###.###", "40.648" },
        { 8.941299075817296, "###.###", "8.941" },
        { 24.490317870000002, "###.###", "24.49" },
        { 7.150376072548557, "###.###", "7.15" },
        { 39.626468382350374, "###.###", "39.626" },
        { 28.742398399998137, "###.###", "28.742" },
        { 51.640846796708765, "##.##", "51.64" },
        { 5.47010658915073, "###.##", "5.47" },
        { 489.09860202414717, "####.##", "489.1" },
        { 787.1279034101134, "####.##", "787.13" },
        { 96.56064, "####", "97" },
        { -96.56064, "####", "-97" },
        { 62.137119, "####", "62" },
        { -0.3999999999999986, "-##.0", "-0.4" },
        { -40, "-##.0", "-40.0" },
        { 0, "##.0", "0.0" },
        { 37, "##.0", "37.0" },
        { 1.3999999999999986, "##.0", "1.4" },
        { 0.5, "##.##", "0.5" },
        // Exact halves go away from zero.
        { 2.5, "####", "3" },
        { -2.5, "####", "-3" },
        { 0.125, "#.##", "0.13" },
        { -0.375, "#.##", "-0.38" },
        { 0.5, "####", "1" },
        // Rounded from the binary value, once: these lie just below a half.
        { 2.675, "#.##", "2.67" },
        { 1.005, "#.##", "1" },
        { 0.045, "#.##", "0.04" },
        { 0.49999999999999994, "####", "0" },
        { 1.4999999999999998, "####", "1" },
        { 0.9999999999999999, "#.###", "1" },
        // Wider than the mask, and the smallest values.
        { 1234567.0, "##.0", "1234567.0" },
        { 999.9996, "###.###", "1000" },
        { 1e-300, "##.##", "0" },
        { std::numeric_limits<double>::denorm_min(), "#", "0" },
        // Sign: kept under a mask without "-", not doubled by one with it,
        // gone when the value rounds to zero.
        { -5.25, "###.##", "-5.25" },
        { -5.25, "-###.##", "-5.25" },
        { -0.001, "##.##", "0" },
        { -0.04, "-##.0", "0.0" },
        { -0.0, "##.0", "0.0" },
        { -0.0, "####", "0" },
        // Forced digits, odd and empty masks.
        { 7, "00.00", "07.00" },
        { 7.5, "000", "008" },
        { 0.25, "#.0", "0.3" },
        { 12.5, "", "13" },
        { 12.5, ".", "13" },
        { 12.5, "-", "13" },
        { 12.34, "#.#.#", "12.34" },
        { 12.5, "abc", "13" },
        // Not numbers.
        { kInf, "####", "INF" },
        { -kInf, "-##.0", "-INF" },
        { kNaN, "##.##", "NAN" },
        { -kNaN, "#", "NAN" },
    };
    return cases;
}

TEST(Format, RendersValuesUnderMasks)
{
    for (const FormatCase& c : FormatCases())
        EXPECT_EQ(Format(c.value, c.mask), c.text) << c.value << " under \"" << c.mask << "\"";
}

TEST(Format, KeepsEveryDigitOfExtremeValuesAndMasks)
{
    const std::string huge = Format(1e300, "####");
    EXPECT_EQ(huge.size(), 301u);
    EXPECT_EQ(CDbl(huge), 1e300);
    EXPECT_EQ(huge.substr(0, 20), "10000000000000000525");
    EXPECT_EQ(Format(-std::numeric_limits<double>::max(), "#").size(), 310u);

    // More places than any double has: the exact expansion, nothing invented.
    EXPECT_EQ(Format(0.1, Filled(".", 2000, '#')), "0.1000000000000000055511151231257827021181583404541015625");
    EXPECT_EQ(Format(0.5, Filled(".", 2000, '0')), Filled("0.5", 1999, '0'));
    EXPECT_EQ(Format(1, std::string(3000, '0')), std::string(2999, '0') + "1");
}

TEST(Format, IgnoresTheLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (!german)
        SKIP_FOR_LACK_OF("the de_DE.UTF-8 locale");
    EXPECT_EQ(Format(1234.5, "####.##"), "1234.5");
    EXPECT_EQ(CStr(0.25), "0.25");
    EXPECT_EQ(CDbl("1234.5"), 1234.5);
    EXPECT_EQ(CDbl("1234,5"), 1234.5);
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(Format, ReadsBackWithinHalfAUnitOfItsLastPlace)
{
    std::mt19937_64 random(20261210);
    std::uniform_real_distribution<double> fraction(0.0, 1.0);
    for (int i = 1; i <= 999999; i += 17) {
        const double v = (i % 2 ? 1 : -1) * (i + fraction(random));
        EXPECT_LE(std::fabs(CDbl(Format(v, "######")) - v), 0.5) << v;
        EXPECT_LE(std::fabs(CDbl(Format(v / 1000, "###.###")) - v / 1000), 0.0005 + 1e-12) << v / 1000;
    }
}

struct ReadCase {
    std::string text;
    double value;
};

TEST(CDbl, ReadsTheLeadingNumber)
{
    const std::vector<ReadCase> cases {
        { "43", 43 },
        { "  12 mpg", 12 },
        { "\t -40", -40 },
        { "+7", 7 },
        { "98.6", 98.6 },
        { "1,5", 1.5 },
        { "1.5.3", 1.5 },
        { ".5", 0.5 },
        { "-,25", -0.25 },
        { "5.", 5 },
        { "007", 7 },
        { "0x10", 0 },
        { "1e3", 1000 },
        { "2.5E-1x", 0.25 },
        { "3e", 3 },
        { "3e+", 3 },
        { "3E-x", 3 },
        { "115400", 115400 },
        { "0.1", 0.1 },
        { "138589.62140326027", 138589.62140326027 },
        { "4.9406564584124654e-324", std::numeric_limits<double>::denorm_min() },
        { "2.4703282292062328e-324", std::numeric_limits<double>::denorm_min() },
        { "2e-324", 0 },
        { "1.7976931348623157e308", std::numeric_limits<double>::max() },
        { "1.7976931348623159e308", kInf },
        // Halfway between two doubles goes to even; a digit far beyond
        // breaks the tie.
        { "9007199254740993", 9007199254740992.0 },
        { Filled("9007199254740993.", 1000, '0', "1"), 9007199254740994.0 },
        { "1e999", kInf },
        { "-1e999", -kInf },
        { "1e-999", 0 },
        { "1e99999999999999999999999", kInf },
        { "0e99999999999999999999999", 0 },
        { "INF", kInf },
        { "-inf", -kInf },
        { "+Infinity", kInf },
        { " INFINITY!", kInf },
        { "inf mph", kInf },
        { "-INF.", -kInf },
        // As an input method commits them in its full-width mode.
        { "－１，２３４，５６７．８９０e＋２", -123456789 },
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(CDbl(c.text), c.value) << '"' << c.text.substr(0, 40) << '"';
    EXPECT_TRUE(std::signbit(CDbl("-0")));
    EXPECT_TRUE(std::signbit(CDbl("-0.000")));
    EXPECT_TRUE(std::signbit(CDbl("-1e-999")));
}

TEST(CDbl, ReadsDigitGroupingOnlyWhereItCanMeanNothingElse)
{
    const std::vector<ReadCase> cases {
        // Grouped, with the other mark or none as the decimal mark.
        { "1,234.5", 1234.5 },
        { "1.234,5", 1234.5 },
        { "1,234,567", 1234567 },
        { "1.234.567", 1234567 },
        { "1,234,567.25", 1234567.25 },
        { "123,456.7", 123456.7 },
        { "-1,234.5", -1234.5 },
        { "1,234.", 1234 },
        { "0,001.5", 1.5 },
        { "12,345,678,901,234,567,890", 12345678901234567890.0 },
        { "1,234.5e2", 123450 },
        { "1.234.567e-3", 1234.567 },
        { "1,234.5e", 1234.5 },
        { "1,234.5 mpg", 1234.5 },
        { "  1.234,5km/h", 1234.5 },
        // A lone mark is the decimal mark, whatever follows it.
        { "12,5", 12.5 },
        { "1,234", 1.234 },
        { "1.234 km", 1.234 },
        { "5,", 5 },
        { ",5", 0.5 },
        // Marks that do not group are read up to the second one, as always.
        { "1.2.3", 1.2 },
        { "1,23.4", 1.23 },
        { "1234,567.8", 1234.567 },
        { ",234.5", 0.234 },
        { "1,234,56", 1.234 },
        { "1,2345,678", 1.2345 },
        { "1.234.5", 1.234 },
        { "1,234,", 1.234 },
        { "1,,234", 1 },
        { "1,234.567,8", 1.234 },
        { "1,234.5.6", 1.234 },
        { "1.2.3e5", 1.2 },
        { "", kNaN },
    };
    for (const ReadCase& c : cases) {
        const double value = CDbl(c.text);
        if (std::isnan(c.value))
            EXPECT_TRUE(std::isnan(value)) << '"' << c.text << '"';
        else
            EXPECT_EQ(Bits(value), Bits(c.value)) << '"' << c.text << "\" reads as " << value;
    }
}

TEST(CDbl, TextWithNoNumberIsNaN)
{
    // The words are read whole: a text that only begins with one holds no number.
    for (const char* text : { "", "   ", "abc", "-", "+", ".", ",", "-.", "e5", "mph 60", "nan", "NAN", "-NaN", "IN",
             "Info", "inflation", "-Infinite", "INFINITY2", "INF_", "nanny", "NaN5", "Infa", "INFA", "Infz", "INFZ",
             // Characters whose UTF-8 differs from a full-width digit's in one byte.
             "\uFF50\uFF11", "\u2F11\uFF11" })
        EXPECT_TRUE(std::isnan(CDbl(text))) << '"' << text << '"';
    // Only the text given is read, not what may follow it in memory.
    EXPECT_TRUE(std::isnan(CDbl(std::string_view("INFINITY").substr(0, 5))));
}

TEST(CDbl, CopesWithVeryLongText)
{
    EXPECT_EQ(CDbl(std::string(2'000'000, '9')), kInf);
    EXPECT_EQ(CDbl(Filled("0.", 2'000'000, '0', "1")), 0);
    EXPECT_EQ(CDbl(Filled("1", 2'000'000, '0', "e-2000000")), 1);
    EXPECT_EQ(CDbl(Filled("0.", 2'000'000, '0', "15e2000001")), 1.5);
    EXPECT_EQ(CDbl(Filled("1.25", 2'000'000, '0', "7")), 1.25);
    EXPECT_EQ(CDbl(Filled("12", 2'000'000, ' ')), 12);
    std::string grouped = "1";
    for (int i = 0; i < 500'000; ++i)
        grouped += ",000";
    EXPECT_EQ(CDbl(grouped + ".5e-1499999"), 10);
    EXPECT_EQ(CDbl(grouped + ",00e9"), 1);
    EXPECT_TRUE(std::isnan(CDbl(std::string(2'000'000, 'x'))));
    EXPECT_TRUE(std::isnan(CDbl(std::string(2'000'000, ' '))));
}

TEST(CStr, WritesThePlainText)
{
    EXPECT_EQ(CStr(115400.0), "115400");
    EXPECT_EQ(CStr(20300.0), "20300");
    EXPECT_EQ(CStr(1e14), "100000000000000");
    // Whole numbers are written in full below 1e15 only; above, the shorter
    // of the plain and the exponent form.
    EXPECT_EQ(CStr(999999999999999.0), "999999999999999");
    EXPECT_EQ(CStr(-999999999999999.0), "-999999999999999");
    EXPECT_EQ(CStr(1e15), "1e+15");
    EXPECT_EQ(CStr(1e15 + 1), "1000000000000001");
    EXPECT_EQ(CStr(0.5), "0.5");
    EXPECT_EQ(CStr(0.1), "0.1");
    EXPECT_EQ(CStr(kInf), "INF");
    EXPECT_EQ(CStr(-kInf), "-INF");
    EXPECT_EQ(CStr(kNaN), "NAN");
    EXPECT_EQ(CStr(0), "0");
    EXPECT_EQ(CStr(std::string("39.45")), "39.45");
    EXPECT_EQ(CStr("abc"), "abc");
    EXPECT_EQ(CStr(""), "");
    EXPECT_EQ(CStr(Format(-0.3999999999999986, "-##.0")), "-0.4");
}

TEST(CStr, ReadsBackAsTheSameDouble)
{
    std::vector<double> values { 0.0, -0.0, 115400, 0.1, 1e15, 1e-5, 1e300, kInf, -kInf,
        std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
        std::numeric_limits<double>::denorm_min() };
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> spread(-1e6, 1e6);
    for (int i = 0; i < 5000; ++i) {
        values.push_back(std::bit_cast<double>(random()));
        values.push_back(spread(random));
    }
    for (double v : values) {
        if (std::isnan(v))
            continue;
        EXPECT_EQ(Bits(CDbl(CStr(v))), Bits(v)) << CStr(v);
    }
    EXPECT_TRUE(std::isnan(CDbl(CStr(kNaN))));
}

TEST(Chr, GivesOneCharacterTexts)
{
    EXPECT_EQ(Chr(13), "\r");
    EXPECT_EQ(Chr(65), "A");
    EXPECT_EQ(Chr(0), std::string(1, '\0'));
    EXPECT_EQ(Chr(0xB0), "\xC2\xB0");
    EXPECT_EQ(Chr(0x20AC), "\xE2\x82\xAC");
    EXPECT_EQ(Chr(0x1F600), "\xF0\x9F\x98\x80");
    for (int code : { -1, 0xD800, 0x110000, std::numeric_limits<int>::min() })
        EXPECT_EQ(Chr(code), "") << code;
    EXPECT_EQ(EndOfLine, "\n");
}

} // namespace
