#include "FuelFixture.h"

#include <QMenu>

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
        std::vector<std::string> expected;
        for (std::size_t i = 0; i < kEfficiencyFields.size(); ++i)
            expected.push_back(kEfficiencyFields[i] == d.field ? "7" : others[i]);
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

// Return typed into a field converts there however long it is held: MPG-UK
// once, on the release; the other fields on the press and at each repeat.
TEST_F(EfficiencyHandlers, ReturnHeldInItsOwnFieldConvertsThere)
{
    PickFuel("Summer Gasoline");
    TypeInto(&Window1::txtMPGUK, "51.64");
    Widgets::PressKey(*window, Qt::Key_Return);
    Widgets::RepeatKey(*window, Qt::Key_Return, 2);
    EXPECT_EQ(Shown(&Window1::txtMPGUS), "");
    Widgets::ReleaseKey(*window, Qt::Key_Return);
    EXPECT_NE(Shown(&Window1::txtMPGUS), "");

    Field(&Window1::txtMPGUS)->SetText("");
    TypeInto(&Window1::txtL100km, "4.5");
    Widgets::PressKey(*window, Qt::Key_Return);
    EXPECT_NE(Shown(&Window1::txtMPGUS), "");
    Field(&Window1::txtMPGUS)->SetText("");
    Widgets::RepeatKey(*window, Qt::Key_Return);
    EXPECT_NE(Shown(&Window1::txtMPGUS), "");
    Widgets::ReleaseKey(*window, Qt::Key_Return);
    EXPECT_EQ(Shown(&Window1::txtL100km), "4.5");
}

// Return or Enter that picks a fuel from the list or an item of the Edit menu
// belongs to the list or the menu: its repeats and its release, which reach
// the field once the list or the menu has closed, convert nothing.
TEST_F(EfficiencyHandlers, AKeyThatPicksAFuelOrAMenuItemConvertsNothing)
{
    struct Case {
        const char* what;
        Accessor field;
        const char* figure;
        Qt::Key key;
        bool editMenu;
    };
    const Case cases[] {
        { "a fuel picked with Return from MPG-UK", &Window1::txtMPGUK, "51.64", Qt::Key_Return, false },
        { "a fuel picked with Enter from MPG-UK", &Window1::txtMPGUK, "51.64", Qt::Key_Enter, false },
        { "Select All picked with Return in MPG-UK", &Window1::txtMPGUK, "51.64", Qt::Key_Return, true },
        { "a fuel picked with Return from Liters/100km", &Window1::txtL100km, "4.5", Qt::Key_Return, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (Accessor field : kEfficiencyFields)
            Field(field)->SetText("");
        ASSERT_TRUE(Widgets::Activate(*window));
        TypeInto(c.field, c.figure);
        const std::string fuel = window->comboMotive()->Text();
        if (c.editMenu) {
            Widgets::ClickKey(*window, Qt::Key_E, Qt::AltModifier);
            ASSERT_NE(qobject_cast<QMenu*>(QApplication::activePopupWidget()), nullptr) << "Alt+E opened no menu";
            Widgets::ClickKey(*window, Qt::Key_Up);
        } else {
            ASSERT_NO_FATAL_FAILURE(OpenFuelList());
            Widgets::ClickKey(*window, Qt::Key_Down);
        }
        Widgets::PressKey(*window, c.key);
        ASSERT_EQ(QApplication::activePopupWidget(), nullptr) << "the key picked nothing";
        if (c.editMenu)
            EXPECT_EQ(Field(c.field)->SelText(), c.figure);
        else
            EXPECT_NE(window->comboMotive()->Text(), fuel);
        Widgets::RepeatKey(*window, c.key, 2);
        Widgets::ReleaseKey(*window, c.key);
        EXPECT_EQ(window->Focus(), Field(c.field));
        for (Accessor field : kEfficiencyFields)
            EXPECT_EQ(Shown(field), field == c.field ? c.figure : "");
    }
}

// Return held in one field while Tab moves the focus on is the first
// field's: its repeats and its release run nothing in the next one, so
// MPG-UK does not convert back over the figure typed into MPG-US.
TEST_F(EfficiencyHandlers, ReturnHeldWhileTabMovesOnRunsNothingInTheNextField)
{
    struct Case {
        Accessor heldIn;
        const char* figure;
        Accessor next;
    };
    for (const Case& c : { Case { &Window1::txtMPGUS, "43.001", &Window1::txtMPGUK },
             Case { &Window1::txtMPGUK, "51.64", &Window1::txtL100km } }) {
        for (Accessor field : kEfficiencyFields)
            Field(field)->SetText("");
        TypeInto(c.heldIn, c.figure);
        Widgets::PressKey(*window, Qt::Key_Return);
        Widgets::ClickKey(*window, Qt::Key_Tab);
        ASSERT_EQ(window->Focus(), Field(c.next));
        const std::vector<std::string> texts = Texts(kEfficiencyFields);
        Widgets::RepeatKey(*window, Qt::Key_Return, 2);
        Widgets::ReleaseKey(*window, Qt::Key_Return);
        EXPECT_EQ(Texts(kEfficiencyFields), texts);
        EXPECT_EQ(Shown(c.heldIn), c.figure);
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
