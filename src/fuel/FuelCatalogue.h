#pragma once

#include <array>
#include <string_view>

// One fuel the converter knows: the fuel menu's text for it, its net energy
// in BTU per US gallon (per gallon of gasoline equivalent for a GGE fuel,
// handled the same way) and whether it is rated per gasoline equivalent.
struct FuelRow {
    std::string_view name;
    double netBTUPerGalUS;
    bool gge;
};

// Every fuel, in the order of the fuel menu. A row is found by its whole
// name only: three rows share 115400.
inline constexpr std::array<FuelRow, 17> kFuelCatalogue { {
    { "Full Electric", 115400, true },
    { "Summer Diesel", 128700, false },
    { "Winter Diesel", 125700, false },
    { "Biodiesel", 117100, false },
    { "Summer Gasoline", 115400, false },
    { "Winter Gasoline", 112500, false },
    { "Gasohol", 112400, false },
    { "Aviation Gas", 112000, false },
    { "Butane", 93000, false },
    { "Propane-LPG", 83500, false },
    { "E85", 81600, false },
    { "Ethanol", 75700, false },
    { "LNG", 74700, false },
    { "Methanol", 56600, false },
    { "Liquid Hydrogen", 32500, false },
    { "CNG", 20300, false },
    { "CNG-GGE", 115400, true },
} };
