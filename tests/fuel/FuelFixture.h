#pragma once

#include "converter/Window1.h"
#include "support/ConverterFixture.h"
#include "support/Widgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPalette>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The converter window's fuel and efficiency controls, reached by their
// accessors and read as the user sees them.
class FuelFixture : public ConverterFixture {
public:
    using Accessor = TextField* (Window1::*)() const;

protected:
    static constexpr std::array<Accessor, 6> kEfficiencyFields { &Window1::txtMPGUS, &Window1::txtMPGUK,
        &Window1::txtL100km, &Window1::txtkmL, &Window1::txtWhkm, &Window1::txtWhMileUS };
    static constexpr std::array<Accessor, 6> kEnergyFields { &Window1::txtBTUGalUS, &Window1::txtBTUGalUK,
        &Window1::txtBTULiter, &Window1::txtkWhGalUS, &Window1::txtkWhGalUK, &Window1::txtkWhLiter };

    using ConverterFixture::TypeInto;

    TextField* Field(Accessor accessor) const { return (window.get()->*accessor)(); }
    std::string Text(Accessor accessor) const { return Field(accessor)->Text(); }

    // What the user sees in the field, straight from its widget.
    std::string Shown(Accessor accessor) const
    {
        return static_cast<QLineEdit*>(Widgets::Of(Field(accessor)))->text().toStdString();
    }

    template <std::size_t N> std::vector<std::string> Texts(const std::array<Accessor, N>& fields) const
    {
        std::vector<std::string> texts;
        for (Accessor field : fields)
            texts.push_back(Shown(field));
        return texts;
    }

    // Picks a fuel as the user's pick from the menu's list arrives.
    void PickFuel(std::string_view name)
    {
        auto* combo = static_cast<QComboBox*>(Widgets::Of(window->comboMotive()));
        const int row
            = combo->findText(QString::fromUtf8(name.data(), static_cast<int>(name.size())), Qt::MatchExactly);
        ASSERT_GE(row, 0) << name;
        emit combo->activated(row);
        QApplication::processEvents();
    }

    // Opens the fuel menu's list with a click; the list then holds the keys.
    void OpenFuelList()
    {
        auto* combo = static_cast<QComboBox*>(Widgets::Of(window->comboMotive()));
        // Clicks closer together than a double click would count as one.
        QTest::mouseClick(
            combo, Qt::LeftButton, Qt::NoModifier, combo->rect().center(), QApplication::doubleClickInterval());
        ASSERT_TRUE(QTest::qWaitFor([&] { return combo->view()->isVisible(); }, 2000))
            << "the fuel menu's list did not open";
    }

    // Picks a fuel with the mouse: a click opens the menu's list, a click on
    // the row picks it.
    void PickFuelWithTheMouse(std::string_view name)
    {
        auto* combo = static_cast<QComboBox*>(Widgets::Of(window->comboMotive()));
        const int row
            = combo->findText(QString::fromUtf8(name.data(), static_cast<int>(name.size())), Qt::MatchExactly);
        ASSERT_GE(row, 0) << name;
        const int apart = QApplication::doubleClickInterval();
        ASSERT_NO_FATAL_FAILURE(OpenFuelList());
        QAbstractItemView* list = combo->view();
        const QPoint at = list->visualRect(combo->model()->index(row, 0)).center();
        // The pointer moves onto the row, then clicks it. The move goes to the
        // list itself: a list that is not on screen yet gets no moves from
        // the test's pointer.
        QMouseEvent move(
            QEvent::MouseMove, at, list->viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(list->viewport(), &move);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at, apart);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !list->window()->isVisible(); }, 2000)) << "the list stayed open";
        QApplication::processEvents();
    }

    // Gives the field the focus and types the text into it, as the user does.
    void TypeInto(Accessor accessor, const char* text)
    {
        Widgets::Focus(Field(accessor));
        Widgets::Type(Field(accessor), text);
    }

    // Types into the field and presses Return.
    void Enter(Accessor accessor, const char* text)
    {
        TypeInto(accessor, text);
        Widgets::Key(Field(accessor), Qt::Key_Return);
    }

    std::uint32_t ShownBackColor(Accessor accessor) const
    {
        return Widgets::Of(Field(accessor))->palette().color(QPalette::Base).rgb() & 0xFFFFFF;
    }
};

// The six energy texts for 115400 BTU per US gallon.
inline const std::vector<std::string> k115400Texts { "115400", "138590", "30485", "33.846", "40.648", "8.941" };
