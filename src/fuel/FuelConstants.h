#pragma once

// The unit factors of the fuel and efficiency conversions. Each value is the
// exact double the conversions were calibrated with: they are not derived
// from one another, and two of them are deliberately not reciprocals.

// Miles in one kilometre: efficiency figures per mile become per km with it,
// and so do speeds.
inline constexpr double MilesPerKm = 0.62137119;

// US gallons in one UK gallon: BTU per UK gallon, and MPG-UK from MPG-US.
inline constexpr double GalUSPerGalUK = 1.200949925504855;
// US gallons in one litre: BTU per litre.
inline constexpr double GalUSPerLiter = 0.26417205;
// kWh in one BTU, for the energy fields.
inline constexpr double KWhPerBTU = 0.00029329722;

// UK gallons in one US gallon: MPG-US from MPG-UK. Its product with
// GalUSPerGalUK is not quite 1, so a round trip does not come back exactly.
inline constexpr double GalUKPerGalUS = 0.83267382;
// Litres per 100 km times miles per UK gallon.
inline constexpr double L100kmTimesMPGUK = 282.480936332;
// Miles per UK gallon in one km per litre.
inline constexpr double MPGUKPerkmL = 2.82480936332;
// km per litre in one mile per US gallon.
inline constexpr double kmLPerMPGUS = 0.425138888;
// BTU in one kWh: the efficiency conversion divides by it instead of
// multiplying by KWhPerBTU.
inline constexpr double BTUPerKWh = 3409.5106;
// Wh in one kWh.
inline constexpr double WhPerKWh = 1000;
// km in one mile for Wh per mile to Wh per km; the speed conversion uses
// 1.609344 instead.
inline constexpr double KmPerMileForWh = 1.6093472;
