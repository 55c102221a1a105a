#include "fuel/ShowFuelEnergy.h"
#include "FuelFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double kUnset = std::numeric_limits<double>::quiet_NaN();

struct EnergyCase {
    double BTUGalUS;
    // BTU per UK gallon, BTU per litre, kWh per US gallon, per UK gallon, per
    // litre; kUnset where no value is expected.
    double BTUGalUK, BTULiter, kWhGalUS, kWhGalUK, kWhLiter;
};

// The kWh figures come from the unrounded BTU figures: E85's 97997.51... shows
// as 97998, which would give 28.743 per UK gallon, where the true value is 28.742.
TEST(FuelEnergy, GivesTheExactDoubles)
{
    const EnergyCase cases[] {
        { 115400, 138589.62140326027, 30485.454569999998, 33.846499188, 40.64795067842874, 8.941299075817296 },
        { 112500, 135106.8666192962, kUnset, kUnset, 39.626468382350374, kUnset },
        { 81600, 97997.51392119617, kUnset, kUnset, 28.742398399998137, kUnset },
        { 112000, kUnset, kUnset, kUnset, 39.450350745095484, kUnset },
        { 83500, kUnset, kUnset, 24.490317870000002, kUnset, kUnset },
        { 20300, kUnset, kUnset, kUnset, 7.150376072548557, kUnset },
    };
    for (const EnergyCase& c : cases) {
        SCOPED_TRACE(c.BTUGalUS);
        const FuelEnergy e = FuelEnergyOf(c.BTUGalUS);
        EXPECT_EQ(e.BTUGalUS, c.BTUGalUS);
        const std::pair<double, double> pairs[] { { e.BTUGalUK, c.BTUGalUK }, { e.BTULiter, c.BTULiter },
            { e.kWhGalUS, c.kWhGalUS }, { e.kWhGalUK, c.kWhGalUK }, { e.kWhLiter, c.kWhLiter } };
        for (auto [actual, expected] : pairs) {
            if (!std::isnan(expected)) {
                EXPECT_EQ(actual, expected);
            }
        }
    }
}

using ShowFuelEnergyFields = FuelFixture;

// The texts in the six fields, txtBTUGalUS to txtkWhLiter; "" where not checked.
TEST_F(ShowFuelEnergyFields, WritesTheSixTexts)
{
    const struct {
        double BTUGalUS;
        std::vector<std::string> texts;
    } cases[] {
        { 115400, k115400Texts },
        { 112500, { "112500", "135107", "", "", "39.626", "" } },
        { 81600, { "81600", "97998", "", "", "28.742", "" } },
        { 32500, { "32500", "39031", "8586", "9.532", "11.448", "2.518" } },
        // Applying the same value again gives the same texts.
        { 32500, { "32500", "39031", "8586", "9.532", "11.448", "2.518" } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.BTUGalUS);
        ShowFuelEnergy(c.BTUGalUS);
        const std::vector<std::string> shown = Texts(kEnergyFields);
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (!c.texts[i].empty()) {
                EXPECT_EQ(shown[i], c.texts[i]) << "energy field " << i;
            }
        }
        EXPECT_EQ(CDbl(Shown(&Window1::txtBTUGalUS)), c.BTUGalUS);
    }
}

TEST_F(ShowFuelEnergyFields, TouchesNothingButTheEnergyFields)
{
    ShowFuelEnergy(115400);
    EXPECT_EQ(Shown(&Window1::txtFuelType), "");
    EXPECT_EQ(Texts(kEfficiencyFields), std::vector<std::string>(6, ""));
    EXPECT_EQ(window->lblBTUGalUS()->Text(), "BTU/Gal-US");
    EXPECT_EQ(window->comboMotive()->Text(), "");
}

} // namespace
