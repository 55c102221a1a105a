#include "support/ConverterFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMainWindow>
#include <QMenu>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using SpeedTemperature = ConverterFixture;

struct ReturnCase {
    TextField* (Window1::*field)() const;
    TextField* (Window1::*partner)() const;
    const char* typed;
    const char* shown;
    const char* caption;
};

TEST_F(SpeedTemperature, ReturnConvertsIntoThePartnerField)
{
    const std::vector<ReturnCase> cases {
        { &Window1::txtMPH, &Window1::txtKPH, "60", "97", "Calc km/h" },
        { &Window1::txtKPH, &Window1::txtMPH, "100", "62", "Calc mph" },
        { &Window1::txtTempF, &Window1::txtTempC, "-40", "-40.0", "Calc °C" },
        { &Window1::txtTempF, &Window1::txtTempC, "32", "0.0", "Calc °C" },
        { &Window1::txtTempF, &Window1::txtTempC, "98.6", "37.0", "Calc °C" },
        { &Window1::txtTempC, &Window1::txtTempF, "-18", "-0.4", "Calc °F" },
        { &Window1::txtTempC, &Window1::txtTempF, "-17", "1.4", "Calc °F" },
        { &Window1::txtMPH, &Window1::txtKPH, "abc", "NAN", "Calc km/h" },
        { &Window1::txtKPH, &Window1::txtMPH, "-100", "-62", "Calc mph" },
        // Large enough that every digit of the factor shows.
        { &Window1::txtMPH, &Window1::txtKPH, "1000000", "1609344", "Calc km/h" },
    };
    for (const ReturnCase& c : cases) {
        TextField* field = (window.get()->*c.field)();
        TextField* partner = (window.get()->*c.partner)();
        SCOPED_TRACE(field->Name() + " " + c.typed);
        field->SetText("");
        TypeInto(field, c.typed);
        PressReturn(field);
        EXPECT_EQ(partner->Text(), c.shown);
        EXPECT_EQ(field->Text(), c.typed);
        EXPECT_EQ(window->BevCalc()->Caption(), c.caption);
    }
}

TEST_F(SpeedTemperature, TheCalcButtonConvertsTheFocusedFieldAndKeepsTheFocus)
{
    TypeInto(window->txtKPH(), "100");
    Widgets::Click(window->BevCalc());
    EXPECT_EQ(window->txtMPH()->Text(), "62");
    EXPECT_EQ(window->Focus(), window->txtKPH());
    EXPECT_EQ(window->BevCalc()->Caption(), "Calc mph");

    TypeInto(window->txtTempC(), "37");
    Widgets::Click(window->BevCalc());
    EXPECT_EQ(window->txtTempF()->Text(), "98.6");
    EXPECT_EQ(window->Focus(), window->txtTempC());
}

TEST_F(SpeedTemperature, TheCalcButtonChangesNothingWithoutAFocusedFieldThatHoldsText)
{
    window->txtMPH()->SetText("60");
    window->txtTempF()->SetText("50");
    window->txtTempC()->SetText("20");
    auto texts = [&] {
        return std::vector<std::string> { window->txtMPH()->Text(), window->txtKPH()->Text(),
            window->txtTempF()->Text(), window->txtTempC()->Text(), window->BevCalc()->Caption() };
    };
    const auto before = texts();
    for (RectControl* focus : { static_cast<RectControl*>(window->txtKPH()),
             static_cast<RectControl*>(window->txtMPGUS()), static_cast<RectControl*>(window->comboMotive()) }) {
        Widgets::Focus(focus);
        ASSERT_EQ(window->Focus(), focus);
        Widgets::Click(window->BevCalc());
        EXPECT_EQ(texts(), before) << focus->Name();
    }
    window->_TopLevelWidget()->focusWidget()->clearFocus();
    ASSERT_EQ(window->Focus(), nullptr);
    window->BevCalc_Action(window->BevCalc());
    EXPECT_EQ(texts(), before);
}

TEST_F(SpeedTemperature, TheCaptionFollowsTheKeysAndTheFocus)
{
    Widgets::Focus(window->txtMPH());
    Widgets::Type(window->txtMPH(), "6");
    EXPECT_EQ(window->BevCalc()->Caption(), "Calc");
    Widgets::Type(window->txtMPH(), "0");
    EXPECT_EQ(window->BevCalc()->Caption(), "Calc km/h");
    Widgets::Focus(window->txtKPH());
    EXPECT_EQ(window->BevCalc()->Caption(), "Calc");
    // Return in an empty field converts nothing and names no conversion.
    PressReturn(window->txtKPH());
    EXPECT_EQ(window->BevCalc()->Caption(), "Calc");
    EXPECT_EQ(window->txtMPH()->Text(), "60");
}

// The menu bar taking the keys (Alt, a menu opened by its mnemonic) and
// giving them back moves no focus out of the field: the caption stays, and
// Edit > Copy chosen from the keyboard copies the field's text.
TEST_F(SpeedTemperature, UsingTheMenuBarFromTheKeyboardKeepsTheFocus)
{
    TypeInto(window->txtKPH(), "55");
    ASSERT_EQ(window->BevCalc()->Caption(), "Calc mph");
    auto* top = static_cast<QMainWindow*>(window->_TopLevelWidget());
    QWidget* field = Widgets::Of(window->txtKPH());
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);

    Widgets::Key(window->txtKPH(), Qt::Key_Alt);
    ASSERT_EQ(QApplication::focusWidget(), top->menuWidget()) << "Alt gave the menu bar no keys";
    EXPECT_EQ(window->Focus(), window->txtKPH());
    // The field shows that it has given up the keys, and keeps its
    // selection, as it does while a menu is open.
    const QImage whileTheMenuBarHoldsTheKeys = field->grab().toImage();
    QTest::keyClick(top->menuWidget(), Qt::Key_Escape);
    EXPECT_EQ(QApplication::focusWidget(), field);
    EXPECT_EQ(window->BevCalc()->Caption(), "Calc mph");

    QApplication::clipboard()->clear();
    Widgets::Key(window->txtKPH(), Qt::Key_E, Qt::AltModifier);
    auto* edit = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(edit, nullptr) << "Alt+E opened no menu";
    EXPECT_TRUE(field->grab().toImage() == whileTheMenuBarHoldsTheKeys)
        << "the field looks otherwise while the menu bar holds the keys than while a menu is open";
    QTest::keyClick(edit, Qt::Key_C);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "55");
    EXPECT_EQ(window->Focus(), window->txtKPH());
    EXPECT_EQ(window->BevCalc()->Caption(), "Calc mph");
}

TEST_F(SpeedTemperature, EveryKeyDownLetsTheKeyIn)
{
    using KeyDown = bool (Window1::*)(TextField*, std::string);
    const std::vector<std::pair<KeyDown, TextField* (Window1::*)() const>> handlers {
        { &Window1::txtMPH_KeyDown, &Window1::txtMPH }, { &Window1::txtKPH_KeyDown, &Window1::txtKPH },
        { &Window1::txtTempF_KeyDown, &Window1::txtTempF }, { &Window1::txtTempC_KeyDown, &Window1::txtTempC }
    };
    for (const auto& [handler, accessor] : handlers) {
        TextField* field = (window.get()->*accessor)();
        for (const char* text : { "", "12" }) {
            field->SetText(text);
            for (const std::string& key : { std::string("5"), Chr(13), Chr(8) })
                EXPECT_FALSE((window.get()->*handler)(field, key)) << field->Name();
        }
    }
}

TEST_F(SpeedTemperature, LongAndPastedTextConvertsAsItReads)
{
    const std::string longText = "1" + std::string(5000, '0');
    QApplication::clipboard()->setText(QString::fromStdString(longText));
    Widgets::Focus(window->txtMPH());
    QTest::keyClick(Widgets::Of(window->txtMPH()), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(window->txtMPH()->Text(), longText);
    PressReturn(window->txtMPH());
    EXPECT_EQ(window->txtKPH()->Text(), "INF");
    EXPECT_EQ(window->txtMPH()->Text(), longText);

    QApplication::clipboard()->setText("88 mph");
    window->txtMPH()->SetText("");
    QTest::keyClick(Widgets::Of(window->txtMPH()), Qt::Key_V, Qt::ControlModifier);
    PressReturn(window->txtMPH());
    EXPECT_EQ(window->txtKPH()->Text(), "142");
}

} // namespace
