#pragma once

#include "converter/Window1.h"
#include "support/ProgramFixture.h"
#include "support/Widgets.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The program started up to its event loop with the converter window open
// and active, driven through its real widgets.
class ConverterFixture : public ProgramFixture {
public:
    using Accessor = TextField* (Window1::*)() const;

protected:
    static constexpr std::array<Accessor, 6> kEfficiencyFields { &Window1::txtMPGUS, &Window1::txtMPGUK,
        &Window1::txtL100km, &Window1::txtkmL, &Window1::txtWhkm, &Window1::txtWhMileUS };
    static constexpr std::array<Accessor, 6> kEnergyFields { &Window1::txtBTUGalUS, &Window1::txtBTUGalUK,
        &Window1::txtBTULiter, &Window1::txtkWhGalUS, &Window1::txtkWhGalUK, &Window1::txtkWhLiter };

    void SetUp() override
    {
        ProgramFixture::SetUp();
        window = Window1();
        ASSERT_NE(window, nullptr);
        ASSERT_NE(window->txtMPGUS(), nullptr) << "the converter window has no controls";
        ASSERT_TRUE(Widgets::Activate(*window));
    }

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

    // Picks a fuel with the mouse: a click opens the menu's list, a click on
    // the row picks it.
    void PickFuelWithTheMouse(std::string_view name)
    {
        auto* combo = static_cast<QComboBox*>(Widgets::Of(window->comboMotive()));
        const int row
            = combo->findText(QString::fromUtf8(name.data(), static_cast<int>(name.size())), Qt::MatchExactly);
        ASSERT_GE(row, 0) << name;
        Widgets::Click(window->comboMotive());
        QAbstractItemView* list = combo->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window(), 2000)) << "the fuel menu's list did not open";
        const QPoint at = list->visualRect(combo->model()->index(row, 0)).center();
        QTest::mouseMove(list->viewport(), at);
        // A release right after the list opened would count as the opening click's.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at, QApplication::doubleClickInterval());
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

    std::shared_ptr<class Window1> window;
};

// The six energy texts for 115400 BTU per US gallon.
inline const std::vector<std::string> k115400Texts { "115400", "138590", "30485", "33.846", "40.648", "8.941" };
