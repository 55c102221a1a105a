#pragma once

// A fuel's energy content in the six units of the energy fields, each the
// exact double that goes to the field's display.
struct FuelEnergy {
    double BTUGalUS;
    double BTUGalUK;
    double BTULiter;
    double kWhGalUS;
    double kWhGalUK;
    double kWhLiter;
};

// The six values from net BTU per US gallon. The kWh values come from the
// unrounded BTU values, never from the whole numbers the fields show.
FuelEnergy FuelEnergyOf(double BTUGalUS);

// Writes the six energy fields of the converter window for net BTU per US
// gallon: txtBTUGalUS, txtBTUGalUK, txtBTULiter, txtkWhGalUS, txtkWhGalUK,
// txtkWhLiter, in this order, and nothing else.
void ShowFuelEnergy(double BTUGalUS);
