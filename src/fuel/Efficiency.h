#pragma once

// One fuel-efficiency figure in the six units of the efficiency fields, with
// the fuel's kWh per gallon that the two Wh figures were computed from.
struct Efficiency {
    double MPGUS;
    double MPGUK;
    double L100km;
    double kmL;
    double Whkm;
    double WhMileUS;
    double KWhGal;
};

// The figure from one typed unit and the fuel's energy content. From MPG-US
// the energy is BTU per US gallon; from every other unit it is BTU per UK
// gallon, and MPG-US is reached only through MPG-UK. Nothing is validated:
// zero gives infinities, text with no number NaN, as the arithmetic says.
Efficiency EfficiencyFromMPGUS(double MPGUS, double BTUGalUS);
Efficiency EfficiencyFromMPGUK(double MPGUK, double BTUGalUK);
Efficiency EfficiencyFromL100km(double L100km, double BTUGalUK);
Efficiency EfficiencyFromkmL(double kmL, double BTUGalUK);
Efficiency EfficiencyFromWhkm(double Whkm, double BTUGalUK);
Efficiency EfficiencyFromWhMileUS(double WhMileUS, double BTUGalUK);
