#include "fuel/Efficiency.h"
#include "fuel/FuelConstants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace {

constexpr double kUnset = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Case {
    const char* what;
    Efficiency (*convert)(double, double);
    double input;
    double BTUGal;
    // The expected figure; kUnset where no value is expected.
    Efficiency expected;
};

void ExpectFigure(const Efficiency& actual, const Efficiency& expected)
{
    const struct {
        const char* name;
        double Efficiency::*value;
    } values[] { { "MPGUS", &Efficiency::MPGUS }, { "MPGUK", &Efficiency::MPGUK }, { "L100km", &Efficiency::L100km },
        { "kmL", &Efficiency::kmL }, { "Whkm", &Efficiency::Whkm }, { "WhMileUS", &Efficiency::WhMileUS },
        { "KWhGal", &Efficiency::KWhGal } };
    for (const auto& v : values) {
        if (!std::isnan(expected.*v.value)) {
            EXPECT_EQ(actual.*v.value, expected.*v.value) << v.name;
        }
    }
}

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.what << " " << c.input;
}

class EfficiencyConversion : public ::testing::TestWithParam<Case> { };

// Each unit's conversion gives these doubles bit for bit; the inputs are the
// texts users type and the energy texts the fields show ("115400", "138590").
TEST_P(EfficiencyConversion, GivesTheExactDoubles)
{
    const Case& c = GetParam();
    ExpectFigure(c.convert(c.input, c.BTUGal), c.expected);
}

// Fields: MPGUS, MPGUK, L100km, kmL, Whkm, WhMileUS, KWhGal.
INSTANTIATE_TEST_SUITE_P(SixUnits, EfficiencyConversion,
    ::testing::Values(Case { "MPGUS", &EfficiencyFromMPGUS, 43, 115400,
                          { 43, 51.640846796708765, 5.47010658915073, 18.280972184, 489.09860202414717,
                              787.1279034101134, 33.84649984663488 } },
        Case { "MPGUK", &EfficiencyFromMPGUK, 51.64, 138590,
            { 42.9992760648, 51.64, 5.4701962883811, 18.28066441099409, 489.1079584338451, 787.1429610919765,
                kUnset } },
        Case { "L100km", &EfficiencyFromL100km, 5.47, 138590,
            { 43.00081907362765, 51.641853077148085, 5.47, 18.28132040405125, 489.0904076542601, 787.1147158500544,
                kUnset } },
        Case { "kmL", &EfficiencyFromkmL, 18.28, 138590,
            { 42.99720700482546, 51.6375151614896, 5.470459518599562, 18.28, 489.1314946998149, 787.1808390405338,
                kUnset } },
        Case { "Whkm", &EfficiencyFromWhkm, 200, 138590,
            { 105.15644065093815, 126.28767486761882, 2.236805267244891, 44.70609224437784, 200, 321.8688011589337,
                kUnset } },
        Case { "WhMileUS", &EfficiencyFromWhMileUS, 300, 138590,
            { 112.822148882369, 135.49381062847516, 2.084825388124661, 47.965082917620805, 186.410987013865, 300,
                kUnset } },
        // Zero goes through the formulas: divisions by it give infinity.
        Case { "MPGUS zero", &EfficiencyFromMPGUS, 0, 115400, { 0, 0, kInf, 0, kInf, kInf, kUnset } },
        Case { "Whkm zero", &EfficiencyFromWhkm, 0, 138590, { kInf, kInf, 0, kInf, 0, 0, kUnset } },
        // A figure taken to MPG-UK and back does not come home exactly.
        Case { "MPGUK round trip", &EfficiencyFromMPGUK, 51.640846796708765, 138590,
            { 42.99998117025025, kUnset, kUnset, kUnset, kUnset, kUnset, kUnset } }),
    [](const ::testing::TestParamInfo<Case>& info) {
        std::string name = info.param.what;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        }
        return name;
    });

TEST(EfficiencyConversionRules, WhPerKmIsWhPerMileInKmExceptFromWhPerMile)
{
    for (auto convert : { &EfficiencyFromMPGUS, &EfficiencyFromMPGUK, &EfficiencyFromL100km, &EfficiencyFromkmL }) {
        const Efficiency e = convert(20, 138590);
        EXPECT_EQ(e.Whkm, e.WhMileUS * MilesPerKm);
    }
    // From Wh per mile the km figure divides by the Wh conversions' own km per mile.
    EXPECT_EQ(EfficiencyFromWhMileUS(300, 138590).Whkm, 300 / 1.6093472);
    EXPECT_NE(EfficiencyFromWhMileUS(300, 138590).Whkm, 186.41135767120016);
}

TEST(EfficiencyConversionRules, BadInputsPassThroughTheArithmetic)
{
    // Text with no number reads as NaN, which every figure then carries.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Efficiency fromNothing = EfficiencyFromMPGUS(nan, 115400);
    for (double v : { fromNothing.MPGUK, fromNothing.L100km, fromNothing.kmL, fromNothing.Whkm, fromNothing.WhMileUS })
        EXPECT_TRUE(std::isnan(v));
    // A negative figure stays negative in every unit.
    for (auto convert : { &EfficiencyFromMPGUS, &EfficiencyFromMPGUK, &EfficiencyFromL100km, &EfficiencyFromkmL,
             &EfficiencyFromWhkm, &EfficiencyFromWhMileUS }) {
        const Efficiency e = convert(-43, 138590);
        for (double v : { e.MPGUS, e.MPGUK, e.L100km, e.kmL, e.Whkm, e.WhMileUS })
            EXPECT_LT(v, 0);
    }
}

} // namespace
