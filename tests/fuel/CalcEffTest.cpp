#include "FuelFixture.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The efficiency fields' display masks, in field order.
const char* const kMasks[] { "##.##", "##.##", "###.##", "###.##", "####.##", "####.##" };

struct Entry {
    std::size_t field;
    const char* typed;
    // The figure in every field, in field order; the typed field's is unused.
    double figure[6];
};

class CalcEff : public FuelFixture {
protected:
    // What a field shows for a figure under its mask.
    static std::vector<std::string> Expected(const Entry& entry)
    {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < 6; ++i)
            texts.push_back(i == entry.field ? entry.typed : Format(entry.figure[i], kMasks[i]));
        return texts;
    }
};

// Each field converts into the other five on Return, reading the fuel's
// energy as the fields display it: "115400" per US gallon for MPG-US,
// "138590" per UK gallon for the others (Summer Gasoline).
TEST_F(CalcEff, EachFieldConvertsIntoTheOtherFive)
{
    const Entry entries[] {
        { 0, "43", { 0, 51.640846796708765, 5.47010658915073, 18.280972184, 489.09860202414717, 787.1279034101134 } },
        { 1, "51.64", { 42.9992760648, 0, 5.4701962883811, 18.28066441099409, 489.1079584338451, 787.1429610919765 } },
        { 2, "5.47",
            { 43.00081907362765, 51.641853077148085, 0, 18.28132040405125, 489.0904076542601, 787.1147158500544 } },
        { 3, "18.28",
            { 42.99720700482546, 51.6375151614896, 5.470459518599562, 0, 489.1314946998149, 787.1808390405338 } },
        { 4, "200",
            { 105.15644065093815, 126.28767486761882, 2.236805267244891, 44.70609224437784, 0, 321.8688011589337 } },
        { 5, "300",
            { 112.822148882369, 135.49381062847516, 2.084825388124661, 47.965082917620805, 186.410987013865, 0 } },
    };
    PickFuel("Summer Gasoline");
    for (const Entry& entry : entries) {
        SCOPED_TRACE(entry.typed);
        for (Accessor field : kEfficiencyFields)
            Field(field)->SetText("");
        Enter(kEfficiencyFields[entry.field], entry.typed);
        EXPECT_EQ(Texts(kEfficiencyFields), Expected(entry));
        EXPECT_EQ(Texts(kEnergyFields), k115400Texts);
    }
}

TEST_F(CalcEff, ShowsTheFiguresUnderTheirMasks)
{
    PickFuel("Summer Gasoline");
    Enter(&Window1::txtMPGUS, "43");
    EXPECT_EQ(
        Texts(kEfficiencyFields), (std::vector<std::string> { "43", "51.64", "5.47", "18.28", "489.1", "787.13" }));
    // Again with the same texts: the same result.
    Widgets::Key(Field(&Window1::txtMPGUS), Qt::Key_Return);
    EXPECT_EQ(
        Texts(kEfficiencyFields), (std::vector<std::string> { "43", "51.64", "5.47", "18.28", "489.1", "787.13" }));
}

// Zero, text with no number and negative figures go through the formulas
// unguarded; the typed text always stays as typed.
TEST_F(CalcEff, BadInputGoesThroughTheFormulas)
{
    const Entry entries[] {
        { 0, "0", { 0, 0, kInf, 0, kInf, kInf } },
        { 4, "0", { kInf, kInf, 0, kInf, 0, 0 } },
        { 0, "abc", { kNaN, kNaN, kNaN, kNaN, kNaN, kNaN } },
        { 0, "", { kNaN, kNaN, kNaN, kNaN, kNaN, kNaN } },
    };
    PickFuel("Summer Gasoline");
    for (const Entry& entry : entries) {
        SCOPED_TRACE(std::string("\"") + entry.typed + "\"");
        for (Accessor field : kEfficiencyFields)
            Field(field)->SetText("");
        Enter(kEfficiencyFields[entry.field], entry.typed);
        EXPECT_EQ(Texts(kEfficiencyFields), Expected(entry));
    }
    EXPECT_EQ(Format(kInf, "##.##"), "INF");

    for (Accessor typedInto : kEfficiencyFields) {
        for (Accessor field : kEfficiencyFields)
            Field(field)->SetText("");
        Enter(typedInto, "-43");
        for (Accessor field : kEfficiencyFields)
            EXPECT_EQ(Shown(field).substr(0, 1), "-") << Shown(field);
        EXPECT_EQ(Shown(typedInto), "-43");
    }

    const std::string huge(400, '9');
    Field(&Window1::txtkmL)->SetText("");
    Enter(&Window1::txtkmL, huge.c_str());
    EXPECT_EQ(Shown(&Window1::txtkmL), huge);
    EXPECT_EQ(Shown(&Window1::txtL100km), "0");
}

// The orange Calc button takes no focus: the field being edited is converted.
TEST_F(CalcEff, CalcButtonConvertsTheFieldBeingEdited)
{
    PickFuel("Summer Gasoline");
    TypeInto(&Window1::txtL100km, "5.47");
    Widgets::Click(window->BevCalcOrange());
    EXPECT_EQ(window->Focus(), Field(&Window1::txtL100km));
    EXPECT_EQ(Texts(kEfficiencyFields),
        Expected({ 2, "5.47",
            { 43.00081907362765, 51.641853077148085, 0, 18.28132040405125, 489.0904076542601, 787.1147158500544 } }));
}

TEST_F(CalcEff, NothingHappensWithoutAnEfficiencyFieldFocused)
{
    PickFuel("Summer Gasoline");
    Enter(&Window1::txtMPGUS, "43");
    Field(&Window1::txtMPGUK)->SetText("1");
    const std::vector<std::string> before = Texts(kEfficiencyFields);
    for (RectControl* elsewhere : { static_cast<RectControl*>(window->txtMPH()),
             static_cast<RectControl*>(window->txtTempC()), static_cast<RectControl*>(window->comboMotive()) }) {
        Widgets::Focus(elsewhere);
        ASSERT_EQ(window->Focus(), elsewhere);
        Widgets::Click(window->BevCalcOrange());
        App()->CalcEff();
        EXPECT_EQ(Texts(kEfficiencyFields), before);
        EXPECT_EQ(Texts(kEnergyFields), k115400Texts);
    }
    // No control focused at all.
    QApplication::focusWidget()->clearFocus();
    QApplication::processEvents();
    ASSERT_EQ(window->Focus(), nullptr);
    App()->CalcEff();
    EXPECT_EQ(Texts(kEfficiencyFields), before);
}

} // namespace
