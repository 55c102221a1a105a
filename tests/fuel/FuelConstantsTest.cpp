#include "fuel/FuelConstants.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

namespace {

struct ConstantBits {
    const char* name;
    double value;
    std::uint64_t bits;
};

// The factors the conversions were calibrated with, to the last bit.
TEST(FuelConstants, HoldTheirExactDoubles)
{
    const ConstantBits constants[] {
        { "GalUSPerGalUK", GalUSPerGalUK, 0x3FF3371744E2D4F2 },
        { "GalUSPerLiter", GalUSPerLiter, 0x3FD0E831E2D11B10 },
        { "KWhPerBTU", KWhPerBTU, 0x3F3338B5F7C8CCD7 },
        { "GalUKPerGalUS", GalUKPerGalUS, 0x3FEAA5439124551F },
        { "L100kmTimesMPGUK", L100kmTimesMPGUK, 0x4071A7B1EA4B965F },
        { "MPGUKPerkmL", MPGUKPerkmL, 0x40069935A6C726E0 },
        { "kmLPerMPGUS", kmLPerMPGUS, 0x3FDB3579BD0DF08C },
        { "BTUPerKWh", BTUPerKWh, 0x40AAA3056D5CFAAD },
        { "WhPerKWh", WhPerKWh, 0x408F400000000000 },
        { "MilesPerKm", MilesPerKm, 0x3FE3E245D5774053 },
        { "KmPerMileForWh", KmPerMileForWh, 0x3FF9BFE2D97E8BF7 },
    };
    for (const ConstantBits& c : constants)
        EXPECT_EQ(std::bit_cast<std::uint64_t>(c.value), c.bits) << c.name;
}

TEST(FuelConstants, GallonFactorsAreNotReciprocals)
{
    EXPECT_EQ(GalUSPerGalUK * GalUKPerGalUS, 0.9999995620988431);
}

} // namespace
