#include "FuelFixture.h"
#include "fuel/ShowFuelEnergy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Fuel {
    const char* name;
    const char* BTUGalUS;
    bool gge;
};

// The fuel menu as users know it.
const Fuel kFuels[] {
    { "Full Electric", "115400", true },
    { "Summer Diesel", "128700", false },
    { "Winter Diesel", "125700", false },
    { "Biodiesel", "117100", false },
    { "Summer Gasoline", "115400", false },
    { "Winter Gasoline", "112500", false },
    { "Gasohol", "112400", false },
    { "Aviation Gas", "112000", false },
    { "Butane", "93000", false },
    { "Propane-LPG", "83500", false },
    { "E85", "81600", false },
    { "Ethanol", "75700", false },
    { "LNG", "74700", false },
    { "Methanol", "56600", false },
    { "Liquid Hydrogen", "32500", false },
    { "CNG", "20300", false },
    { "CNG-GGE", "115400", true },
};

using LabelAccessor = Label* (Window1::*)() const;

const std::pair<LabelAccessor, const char*> kUnitLabels[] {
    { &Window1::lblBTUGalUS, "BTU/Gal-US" },
    { &Window1::lblBTUGalUK, "BTU/Gal-UK" },
    { &Window1::lblBTULiter, "BTU/Liter" },
    { &Window1::lblkWhGalUS, "kWh/Gal-US" },
    { &Window1::lblkWhGalUK, "kWh/Gal-UK" },
    { &Window1::lblkWhLiter, "kWh/Liter" },
    { &Window1::lblMPGUS, "MPG-US" },
    { &Window1::lblMPGUK, "MPG-UK" },
    { &Window1::lblL100km, "Liters/100km" },
    { &Window1::lblkmL, "km/Liter" },
};

class FuelChoice : public FuelFixture {
protected:
    void ExpectWording(bool gge)
    {
        for (auto [label, plain] : kUnitLabels)
            EXPECT_EQ((window.get()->*label)()->Text(), std::string(plain) + (gge ? " equiv." : "")) << plain;
        EXPECT_EQ(window->lblWhkm()->Text(), "Wh/km");
        EXPECT_EQ(window->lblWhMileUS()->Text(), "Wh/Mile-US");
        EXPECT_EQ(window->lblFuelTypeCombo()->Text(), "FUEL TYPE");
    }
};

TEST_F(FuelChoice, MenuOpensWithEveryFuelAndNoneChosen)
{
    auto* combo = static_cast<QComboBox*>(Widgets::Of(window->comboMotive()));
    std::vector<std::string> rows;
    for (int i = 0; i < combo->count(); ++i)
        rows.push_back(combo->itemText(i).toStdString());
    std::vector<std::string> expected;
    for (const Fuel& fuel : kFuels)
        expected.emplace_back(fuel.name);
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(window->comboMotive()->Text(), "");
    EXPECT_EQ(Shown(&Window1::txtFuelType), "");
    EXPECT_EQ(Texts(kEnergyFields), std::vector<std::string>(6, ""));
}

// Every pick, in menu order: each fuel's name, energy and unit wording
// replace the last fuel's, GGE wording coming and going.
TEST_F(FuelChoice, EveryFuelShowsItsNameEnergyAndWording)
{
    for (const Fuel& fuel : kFuels) {
        SCOPED_TRACE(fuel.name);
        PickFuel(fuel.name);
        EXPECT_EQ(window->comboMotive()->Text(), fuel.name);
        EXPECT_EQ(Shown(&Window1::txtFuelType), fuel.name);
        EXPECT_EQ(Shown(&Window1::txtBTUGalUS), fuel.BTUGalUS);
        ExpectWording(fuel.gge);
    }
}

TEST_F(FuelChoice, TheNameAloneDecides)
{
    // Three fuels share 115400: the same six texts, GGE wording or not by name.
    for (const char* name : { "CNG-GGE", "Full Electric", "Summer Gasoline" }) {
        SCOPED_TRACE(name);
        PickFuel(name);
        EXPECT_EQ(Texts(kEnergyFields), k115400Texts);
        ExpectWording(std::string(name) != "Summer Gasoline");
    }
    // "CNG" is not taken for "CNG-GGE", nor the reverse.
    PickFuel("CNG");
    EXPECT_EQ(Shown(&Window1::txtBTUGalUS), "20300");
    ExpectWording(false);
    PickFuel("CNG-GGE");
    EXPECT_EQ(Shown(&Window1::txtBTUGalUS), "115400");
    ExpectWording(true);
    PickFuel("Full Electric");
    PickFuel("Biodiesel");
    EXPECT_EQ(Shown(&Window1::txtBTUGalUS), "117100");
    ExpectWording(false);
}

// With MPG-US empty no conversion runs, whatever another field holds.
TEST_F(FuelChoice, MPGUSEmptyConvertsNothing)
{
    TypeInto(&Window1::txtWhkm, "200");
    PickFuel("E85");
    EXPECT_EQ(Shown(&Window1::txtWhkm), "200");
    for (Accessor field :
        { &Window1::txtMPGUS, &Window1::txtMPGUK, &Window1::txtL100km, &Window1::txtkmL, &Window1::txtWhMileUS })
        EXPECT_EQ(Shown(field), "");
}

// A pick converts again the focused field's figure for the new fuel, exactly
// as Return in that field would.
TEST_F(FuelChoice, PickConvertsTheFocusedFigureForTheNewFuel)
{
    Enter(&Window1::txtMPGUS, "43");
    const std::vector<std::string> gasoline = Texts(kEfficiencyFields);

    PickFuel("E85");
    const std::vector<std::string> e85 = Texts(kEfficiencyFields);
    // The MPG, litre and km figures stay; the Wh figures follow E85's energy.
    EXPECT_EQ(std::vector(e85.begin(), e85.begin() + 4), std::vector(gasoline.begin(), gasoline.begin() + 4));
    EXPECT_NE(e85[4], gasoline[4]);
    EXPECT_NE(e85[5], gasoline[5]);
    Widgets::Key(Field(&Window1::txtMPGUS), Qt::Key_Return);
    EXPECT_EQ(Texts(kEfficiencyFields), e85);

    // With the focus in Wh/km, the typed Wh per km is converted with the new
    // fuel's energy per UK gallon, and keeps its text.
    Widgets::Focus(Field(&Window1::txtWhkm));
    const std::string whkm = Shown(&Window1::txtWhkm);
    PickFuel("CNG");
    const std::vector<std::string> cng = Texts(kEfficiencyFields);
    EXPECT_EQ(cng[4], whkm);
    EXPECT_NE(cng[0], "43");
    EXPECT_NE(cng[1], e85[1]);
    EXPECT_NE(cng[2], e85[2]);
    EXPECT_NE(cng[3], e85[3]);
    Widgets::Key(Field(&Window1::txtWhkm), Qt::Key_Return);
    EXPECT_EQ(Texts(kEfficiencyFields), cng);
}

// Picked with the mouse, the fuel converts the figure being typed: the
// click leaves the focus (and its colour) in the field.
TEST_F(FuelChoice, AMousePickConvertsTheFigureBeingTyped)
{
    TypeInto(&Window1::txtMPGUS, "43");
    PickFuelWithTheMouse("E85");
    EXPECT_EQ(window->comboMotive()->Text(), "E85");
    EXPECT_EQ(window->Focus(), Field(&Window1::txtMPGUS));
    EXPECT_EQ(ShownBackColor(&Window1::txtMPGUS), 0xFFDBA6u);
    EXPECT_EQ(
        Texts(kEfficiencyFields), (std::vector<std::string> { "43", "51.64", "5.47", "18.28", "345.84", "556.58" }));
}

TEST_F(FuelChoice, AMousePickWithMPGUSEmptyConvertsNothing)
{
    TypeInto(&Window1::txtMPGUK, "51.64");
    PickFuelWithTheMouse("E85");
    EXPECT_EQ(window->Focus(), Field(&Window1::txtMPGUK));
    EXPECT_EQ(Texts(kEfficiencyFields), (std::vector<std::string> { "", "51.64", "", "", "", "" }));
}

TEST_F(FuelChoice, FocusOutsideTheEfficiencyFieldsConvertsNothing)
{
    Enter(&Window1::txtMPGUS, "43");
    const std::vector<std::string> before = Texts(kEfficiencyFields);
    TypeInto(&Window1::txtMPH, "60");
    PickFuel("Methanol");
    EXPECT_EQ(Shown(&Window1::txtBTUGalUS), "56600");
    EXPECT_EQ(Texts(kEfficiencyFields), before);
}

// A fuel choice with no row picked: the name is emptied, the wording is
// plain, and the energy fields keep the last fuel's texts.
TEST_F(FuelChoice, NoFuelPickedKeepsTheEnergyFields)
{
    ShowFuelEnergy(115400);
    window->lblMPGUS()->SetText("MPG-US equiv.");
    window->txtFuelType()->SetText("Full Electric");
    App()->FuelChoice();
    EXPECT_EQ(Shown(&Window1::txtFuelType), "");
    ExpectWording(false);
    EXPECT_EQ(Texts(kEnergyFields), k115400Texts);
}

} // namespace
