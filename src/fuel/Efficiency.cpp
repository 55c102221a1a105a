#include "Efficiency.h"

#include "FuelConstants.h"

// Every operation below is one double operation in the association written:
// the figures must match the ones users compare against to the last bit.

Efficiency EfficiencyFromMPGUS(double MPGUS, double BTUGalUS)
{
    Efficiency e {};
    e.MPGUS = MPGUS;
    e.MPGUK = MPGUS * GalUSPerGalUK;
    e.L100km = L100kmTimesMPGUK / e.MPGUK;
    e.kmL = MPGUS * kmLPerMPGUS;
    e.KWhGal = BTUGalUS / BTUPerKWh;
    e.Whkm = ((e.KWhGal / MPGUS) * WhPerKWh) * MilesPerKm;
    e.WhMileUS = (e.KWhGal / MPGUS) * WhPerKWh;
    return e;
}

Efficiency EfficiencyFromMPGUK(double MPGUK, double BTUGalUK)
{
    Efficiency e {};
    e.MPGUK = MPGUK;
    e.MPGUS = MPGUK * GalUKPerGalUS;
    e.L100km = L100kmTimesMPGUK / MPGUK;
    e.kmL = e.MPGUS * kmLPerMPGUS;
    e.KWhGal = BTUGalUK / BTUPerKWh;
    e.Whkm = ((e.KWhGal / MPGUK) * WhPerKWh) * MilesPerKm;
    e.WhMileUS = (e.KWhGal / MPGUK) * WhPerKWh;
    return e;
}

Efficiency EfficiencyFromL100km(double L100km, double BTUGalUK)
{
    Efficiency e {};
    e.L100km = L100km;
    e.MPGUK = L100kmTimesMPGUK / L100km;
    e.MPGUS = e.MPGUK * GalUKPerGalUS;
    e.kmL = e.MPGUS * kmLPerMPGUS;
    e.KWhGal = BTUGalUK / BTUPerKWh;
    e.Whkm = ((e.KWhGal / e.MPGUK) * WhPerKWh) * MilesPerKm;
    e.WhMileUS = (e.KWhGal / e.MPGUK) * WhPerKWh;
    return e;
}

Efficiency EfficiencyFromkmL(double kmL, double BTUGalUK)
{
    Efficiency e {};
    e.kmL = kmL;
    e.MPGUK = kmL * MPGUKPerkmL;
    e.MPGUS = e.MPGUK * GalUKPerGalUS;
    e.L100km = L100kmTimesMPGUK / e.MPGUK;
    e.KWhGal = BTUGalUK / BTUPerKWh;
    e.Whkm = ((e.KWhGal / e.MPGUK) * WhPerKWh) * MilesPerKm;
    e.WhMileUS = (e.KWhGal / e.MPGUK) * WhPerKWh;
    return e;
}

Efficiency EfficiencyFromWhkm(double Whkm, double BTUGalUK)
{
    Efficiency e {};
    e.Whkm = Whkm;
    e.KWhGal = BTUGalUK / BTUPerKWh;
    e.MPGUK = ((e.KWhGal * WhPerKWh) * MilesPerKm) / Whkm;
    e.MPGUS = e.MPGUK * GalUKPerGalUS;
    e.L100km = L100kmTimesMPGUK / e.MPGUK;
    e.kmL = e.MPGUS * kmLPerMPGUS;
    e.WhMileUS = (e.KWhGal / e.MPGUK) * WhPerKWh;
    return e;
}

Efficiency EfficiencyFromWhMileUS(double WhMileUS, double BTUGalUK)
{
    Efficiency e {};
    e.WhMileUS = WhMileUS;
    e.KWhGal = BTUGalUK / BTUPerKWh;
    e.Whkm = WhMileUS / KmPerMileForWh;
    e.MPGUK = ((e.KWhGal * WhPerKWh) * MilesPerKm) / e.Whkm;
    e.MPGUS = e.MPGUK * GalUKPerGalUS;
    e.L100km = L100kmTimesMPGUK / e.MPGUK;
    e.kmL = e.MPGUS * kmLPerMPGUS;
    return e;
}
