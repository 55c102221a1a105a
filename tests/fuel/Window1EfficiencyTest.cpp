#include "FuelFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kFocusColor = 0xFFDBA6;
constexpr std::uint32_t kOrange = 0xFF9D00;

struct DefaultFuel {
    FuelFixture::Accessor field;
    const char* fuel;
};

const DefaultFuel kDefaults[] {
    { &Window1::txtMPGUS, "Summer Gasoline" },
    { &Window1::txtMPGUK, "Summer Gasoline" },
    { &Window1::txtL100km, "Summer Gasoline" },
    { &Window1::txtkmL, "Summer Gasoline" },
    { &Window1::txtWhkm, "Full Electric" },
    { &Window1::txtWhMileUS, "Full Electric" },
};

class EfficiencyHandlers : public FuelFixture {
protected:
    // Marks the fuel name and energy fields, so that a rewrite shows.
    void MarkFuelFields()
    {
        window->txtFuelType()->SetText("x");
        for (Accessor field : kEnergyFields)
            Field(field)->SetText("x");
    }

    std::vector<std::string> UnitLabels() const
    {
        std::vector<std::string> labels;
        for (Label* label : { window->lblBTUGalUS(), window->lblBTUGalUK(), window->lblBTULiter(),
                 window->lblkWhGalUS(), window->lblkWhGalUK(), window->lblkWhLiter(), window->lblMPGUS(),
                 window->lblMPGUK(), window->lblL100km(), window->lblkmL(), window->lblWhkm(), window->lblWhMileUS() })
            labels.push_back(label->Text());
        return labels;
    }
};

// Before any fuel is picked, typing shows the field's default fuel, switching
// between the two as the user moves between fields; the labels keep their
// plain wording and the other fields their text.
TEST_F(EfficiencyHandlers, TypingShowsTheDefaultFuelUntilAFuelIsPicked)
{
    const std::vector<std::string> labels = UnitLabels();
    for (const DefaultFuel& d : kDefaults) {
        SCOPED_TRACE(d.fuel);
        Field(d.field)->SetText("");
        MarkFuelFields();
        const std::vector<std::string> others = Texts(kEfficiencyFields);
        TypeInto(d.field, "7");
        EXPECT_EQ(Shown(&Window1::txtFuelType), d.fuel);
        EXPECT_EQ(Texts(kEnergyFields), k115400Texts);
        EXPECT_EQ(UnitLabels(), labels);
        std::vector<std::string> expected = others;
        for (std::size_t i = 0; i < kEfficiencyFields.size(); ++i)
            if (kEfficiencyFields[i] == d.field)
                expected[i] = "7";
        EXPECT_EQ(Texts(kEfficiencyFields), expected);
        // Deleting the last character shows it all the same.
        MarkFuelFields();
        Widgets::Key(Field(d.field), Qt::Key_Backspace);
        EXPECT_EQ(Shown(d.field), "");
        EXPECT_EQ(Shown(&Window1::txtFuelType), d.fuel);
        EXPECT_EQ(Texts(kEnergyFields), k115400Texts);
    }
    EXPECT_EQ(window->comboMotive()->Text(), "");
}

TEST_F(EfficiencyHandlers, AfterAPickTypingChangesNothingElse)
{
    PickFuel("CNG");
    const std::string fuel = Shown(&Window1::txtFuelType);
    const std::vector<std::string> energy = Texts(kEnergyFields);
    for (const DefaultFuel& d : kDefaults) {
        const std::vector<std::string> before = Texts(kEfficiencyFields);
        TypeInto(d.field, "7");
        Widgets::Key(Field(d.field), Qt::Key_Backspace);
        EXPECT_EQ(Shown(&Window1::txtFuelType), fuel);
        EXPECT_EQ(Texts(kEnergyFields), energy);
        EXPECT_EQ(Texts(kEfficiencyFields), before);
    }
}

// Return converts on its press, except in MPG-UK, which converts on its release.
TEST_F(EfficiencyHandlers, ReturnConvertsOnPressOrInMPGUKOnRelease)
{
    PickFuel("Summer Gasoline");
    for (std::size_t i = 0; i < kEfficiencyFields.size(); ++i) {
        const Accessor typedInto = kEfficiencyFields[i];
        const Accessor other = kEfficiencyFields[i == 0 ? 1 : 0];
        SCOPED_TRACE(i);
        for (Qt::Key returnKey : { Qt::Key_Return, Qt::Key_Enter }) {
            for (Accessor field : kEfficiencyFields)
                Field(field)->SetText("");
            TypeInto(typedInto, "20");
            QWidget* widget = Widgets::Of(Field(typedInto));
            // Other keys convert nothing.
            for (Qt::Key key : { Qt::Key_Escape, Qt::Key_Right, Qt::Key_Tab }) {
                QTest::keyPress(widget, key);
                QTest::keyRelease(widget, key);
                Widgets::Focus(Field(typedInto));
            }
            EXPECT_EQ(Shown(other), "");
            QTest::keyPress(widget, returnKey);
            EXPECT_EQ(Shown(other).empty(), typedInto == &Window1::txtMPGUK);
            QTest::keyRelease(widget, returnKey);
            EXPECT_NE(Shown(other), "");
            EXPECT_EQ(Shown(typedInto), "20");
        }
    }
}

// The focused efficiency field takes the focus colour; the one it left gets
// its orange back. Tab walks through them.
TEST_F(EfficiencyHandlers, FocusColourFollowsTheFocus)
{
    for (Accessor field : kEfficiencyFields)
        EXPECT_EQ(ShownBackColor(field), kOrange);
    Widgets::Focus(Field(&Window1::txtMPGUS));
    for (std::size_t step = 0; step < kEfficiencyFields.size(); ++step) {
        RectControl* focus = window->Focus();
        ASSERT_EQ(focus, Field(kEfficiencyFields[step])) << "Tab goes through the fields in order";
        for (Accessor field : kEfficiencyFields) {
            const bool focused = Field(field) == focus;
            EXPECT_EQ(ShownBackColor(field), focused ? kFocusColor : kOrange) << step;
            EXPECT_EQ(Field(field)->BackColor(), focused ? kFocusColor : kOrange) << step;
        }
        Widgets::KeyToFocus(Qt::Key_Tab);
    }
    // From MPG-US to MPG-UK.
    Widgets::Focus(Field(&Window1::txtMPGUS));
    Widgets::Focus(Field(&Window1::txtMPGUK));
    EXPECT_EQ(ShownBackColor(&Window1::txtMPGUS), kOrange);
    EXPECT_EQ(ShownBackColor(&Window1::txtMPGUK), kFocusColor);
    // Leaving the efficiency fields altogether.
    Widgets::Focus(window->txtMPH());
    for (Accessor field : kEfficiencyFields)
        EXPECT_EQ(ShownBackColor(field), kOrange);
}

} // namespace
