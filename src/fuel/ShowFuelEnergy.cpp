#include "ShowFuelEnergy.h"

#include "ConverterControl.h"
#include "FuelConstants.h"

#include <array>
#include <optional>
#include <string_view>

namespace {

// An energy field, the value it shows and its display mask.
struct EnergyField {
    TextField* (Window1::*field)() const;
    double FuelEnergy::*value;
    std::optional<std::string_view> mask;
};

// In field order, which is also the order of every write. The BTU per US
// gallon text is read back by the efficiency conversion, so it is written
// in full rather than under a mask.
constexpr std::array<EnergyField, 6> kEnergyFields { {
    { &Window1::txtBTUGalUS, &FuelEnergy::BTUGalUS, std::nullopt },
    { &Window1::txtBTUGalUK, &FuelEnergy::BTUGalUK, "######" },
    { &Window1::txtBTULiter, &FuelEnergy::BTULiter, "######" },
    { &Window1::txtkWhGalUS, &FuelEnergy::kWhGalUS, "###.###" },
    { &Window1::txtkWhGalUK, &FuelEnergy::kWhGalUK, "###.###" },
    { &Window1::txtkWhLiter, &FuelEnergy::kWhLiter, "###.###" },
} };

} // namespace

FuelEnergy FuelEnergyOf(double BTUGalUS)
{
    const double UK = BTUGalUS * GalUSPerGalUK;
    const double L = BTUGalUS * GalUSPerLiter;
    return { BTUGalUS, UK, L, BTUGalUS * KWhPerBTU, UK * KWhPerBTU, L * KWhPerBTU };
}

void ShowFuelEnergy(double BTUGalUS)
{
    const FuelEnergy energy = FuelEnergyOf(BTUGalUS);
    for (const EnergyField& shown : kEnergyFields) {
        const double value = energy.*shown.value;
        ConverterControl(shown.field)->SetText(shown.mask ? Format(value, *shown.mask) : CStr(value));
    }
}
