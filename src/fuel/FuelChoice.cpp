#include "app/IktoSI.h"

#include "ConverterControl.h"
#include "FuelCatalogue.h"
#include "ShowFuelEnergy.h"

#include <array>
#include <string>

namespace {

// A unit label with its wording for a plain fuel and for a GGE fuel.
struct UnitLabel {
    Label* (Window1::*label)() const;
    const char* plain;
    const char* gge;
};

// The labels that follow the fuel, in the order they are written. The Wh
// labels are left alone: Wh per km and per mile need no gasoline equivalent.
constexpr std::array<UnitLabel, 10> kUnitLabels { {
    { &Window1::lblBTUGalUS, "BTU/Gal-US", "BTU/Gal-US equiv." },
    { &Window1::lblBTUGalUK, "BTU/Gal-UK", "BTU/Gal-UK equiv." },
    { &Window1::lblBTULiter, "BTU/Liter", "BTU/Liter equiv." },
    { &Window1::lblkWhGalUS, "kWh/Gal-US", "kWh/Gal-US equiv." },
    { &Window1::lblkWhGalUK, "kWh/Gal-UK", "kWh/Gal-UK equiv." },
    { &Window1::lblkWhLiter, "kWh/Liter", "kWh/Liter equiv." },
    { &Window1::lblMPGUS, "MPG-US", "MPG-US equiv." },
    { &Window1::lblMPGUK, "MPG-UK", "MPG-UK equiv." },
    { &Window1::lblL100km, "Liters/100km", "Liters/100km equiv." },
    { &Window1::lblkmL, "km/Liter", "km/Liter equiv." },
} };

std::string FuelMenuText()
{
    return ConverterControl(&Window1::comboMotive)->Text();
}

} // namespace

void IktoSI::FuelChoice()
{
    ConverterControl(&Window1::txtFuelType)->SetText(FuelMenuText());

    bool gge = false;
    for (const FuelRow& row : kFuelCatalogue) {
        if (row.gge && FuelMenuText() == row.name) {
            gge = true;
            break;
        }
    }

    for (const UnitLabel& unit : kUnitLabels)
        ConverterControl(unit.label)->SetText(gge ? unit.gge : unit.plain);

    // A text that names no fuel leaves the energy fields as they were.
    for (const FuelRow& row : kFuelCatalogue) {
        if (FuelMenuText() == row.name) {
            ShowFuelEnergy(row.netBTUPerGalUS);
            break;
        }
    }

    // Runs after the energy fields show the new fuel: the conversion reads
    // its BTU text back from them.
    if (ConverterControl(&Window1::txtMPGUS)->Text() != "") {
        std::shared_ptr<IktoSI> app = App();
        NilCheck(app, "The application object");
        app->CalcEff();
    }
}
