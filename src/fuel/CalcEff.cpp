#include "app/IktoSI.h"

#include "ConverterControl.h"
#include "Efficiency.h"

#include <array>
#include <string_view>

namespace {

using FieldAccessor = TextField* (Window1::*)() const;

// An efficiency field, the value of a figure that it shows and its display mask.
struct EfficiencyField {
    FieldAccessor field;
    double Efficiency::*value;
    std::string_view mask;
};

// In field order, which is also the order of every write.
constexpr std::array<EfficiencyField, 6> kEfficiencyFields { {
    { &Window1::txtMPGUS, &Efficiency::MPGUS, "##.##" },
    { &Window1::txtMPGUK, &Efficiency::MPGUK, "##.##" },
    { &Window1::txtL100km, &Efficiency::L100km, "###.##" },
    { &Window1::txtkmL, &Efficiency::kmL, "###.##" },
    { &Window1::txtWhkm, &Efficiency::Whkm, "####.##" },
    { &Window1::txtWhMileUS, &Efficiency::WhMileUS, "####.##" },
} };

// What runs when a field holds the focus: the energy field it reads the fuel
// from and the conversion from its unit. Only MPG-US works per US gallon.
struct Entry {
    FieldAccessor input;
    FieldAccessor BTUField;
    Efficiency (*convert)(double input, double BTUGal);
};

// In the order the focus is tested.
constexpr std::array<Entry, 6> kEntries { {
    { &Window1::txtMPGUS, &Window1::txtBTUGalUS, &EfficiencyFromMPGUS },
    { &Window1::txtMPGUK, &Window1::txtBTUGalUK, &EfficiencyFromMPGUK },
    { &Window1::txtL100km, &Window1::txtBTUGalUK, &EfficiencyFromL100km },
    { &Window1::txtkmL, &Window1::txtBTUGalUK, &EfficiencyFromkmL },
    { &Window1::txtWhkm, &Window1::txtBTUGalUK, &EfficiencyFromWhkm },
    { &Window1::txtWhMileUS, &Window1::txtBTUGalUK, &EfficiencyFromWhMileUS },
} };

bool HoldsFocus(FieldAccessor field)
{
    RectControl* focus = ConverterWindow()->Focus();
    return focus != nullptr && focus == ConverterControl(field);
}

// Both inputs are read as displayed before anything is written; the field
// typed into keeps the user's text.
void Run(const Entry& entry)
{
    const double input = CDbl(ConverterControl(entry.input)->Text());
    const double BTUGal = CDbl(ConverterControl(entry.BTUField)->Text());
    const Efficiency figure = entry.convert(input, BTUGal);
    for (const EfficiencyField& output : kEfficiencyFields) {
        if (output.field != entry.input)
            ConverterControl(output.field)->SetText(CStr(Format(figure.*output.value, output.mask)));
    }
}

} // namespace

void IktoSI::CalcEff()
{
    for (const Entry& entry : kEntries) {
        if (HoldsFocus(entry.input)) {
            Run(entry);
            return;
        }
    }
}
