#include "ShowFuelEnergy.h"

#include "ConverterControl.h"
#include "FuelConstants.h"

FuelEnergy FuelEnergyOf(double BTUGalUS)
{
    const double UK = BTUGalUS * GalUSPerGalUK;
    const double L = BTUGalUS * GalUSPerLiter;
    return { BTUGalUS, UK, L, BTUGalUS * KWhPerBTU, UK * KWhPerBTU, L * KWhPerBTU };
}

void ShowFuelEnergy(double BTUGalUS)
{
    const FuelEnergy energy = FuelEnergyOf(BTUGalUS);
    // The BTU per US gallon text is read back by the efficiency conversion,
    // so it is written in full rather than under a mask.
    ConverterControl(&Window1::txtBTUGalUS)->SetText(CStr(energy.BTUGalUS));
    ConverterControl(&Window1::txtBTUGalUK)->SetText(Format(energy.BTUGalUK, "######"));
    ConverterControl(&Window1::txtBTULiter)->SetText(Format(energy.BTULiter, "######"));
    ConverterControl(&Window1::txtkWhGalUS)->SetText(Format(energy.kWhGalUS, "###.###"));
    ConverterControl(&Window1::txtkWhGalUK)->SetText(Format(energy.kWhGalUK, "###.###"));
    ConverterControl(&Window1::txtkWhLiter)->SetText(Format(energy.kWhLiter, "###.###"));
}
