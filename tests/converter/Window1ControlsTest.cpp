#include "app/WebAddresses.h"
#include "converter/Window1Bindings.h"
#include "support/ConverterFixture.h"
#include "support/Widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

enum class Kind { TextField, Label, Canvas, PopupMenu, PushButton, TextArea, BevelButton };

struct Expected {
    const char* name;
    Kind kind;
    int left, top, width, height;
    int textSize;
    int tabIndex;
};

// The window's controls as the user finds them, in the order they are made.
const std::vector<Expected> kControls {
    { "txtMPGUS", Kind::TextField, 431, 53, 55, 12, 11, 35 },
    { "txtMPGUK", Kind::TextField, 431, 69, 55, 12, 11, 36 },
    { "txtL100km", Kind::TextField, 431, 85, 55, 12, 11, 37 },
    { "txtkmL", Kind::TextField, 431, 101, 55, 12, 11, 38 },
    { "txtWhkm", Kind::TextField, 431, 117, 55, 12, 11, 39 },
    { "txtBTUGalUS", Kind::TextField, 245, 53, 55, 12, 11, 21 },
    { "lblMPGUS", Kind::Label, 327, 49, 99, 20, 11, 31 },
    { "lblMPGUK", Kind::Label, 327, 66, 99, 20, 11, 32 },
    { "lblL100km", Kind::Label, 303, 82, 123, 20, 11, 28 },
    { "lblkmL", Kind::Label, 327, 98, 99, 20, 11, 33 },
    { "lblWhkm", Kind::Label, 327, 114, 99, 20, 11, 34 },
    { "txtWhMileUS", Kind::TextField, 431, 133, 55, 12, 11, 40 },
    { "lblWhMileUS", Kind::Label, 313, 130, 113, 20, 11, 29 },
    { "lblBTUGalUS", Kind::Label, 134, 50, 106, 20, 11, 13 },
    { "txtBTUGalUK", Kind::TextField, 245, 69, 55, 12, 11, 22 },
    { "lblBTUGalUK", Kind::Label, 134, 67, 106, 20, 11, 14 },
    { "txtBTULiter", Kind::TextField, 245, 85, 55, 12, 11, 23 },
    { "lblBTULiter", Kind::Label, 134, 82, 106, 20, 11, 15 },
    { "txtkWhGalUS", Kind::TextField, 245, 101, 55, 12, 11, 24 },
    { "lblkWhGalUS", Kind::Label, 134, 98, 106, 20, 11, 16 },
    { "txtkWhGalUK", Kind::TextField, 245, 117, 55, 12, 11, 25 },
    { "lblkWhGalUK", Kind::Label, 134, 114, 106, 20, 11, 17 },
    { "txtkWhLiter", Kind::TextField, 245, 133, 55, 12, 11, 26 },
    { "lblkWhLiter", Kind::Label, 134, 129, 106, 20, 11, 18 },
    { "txtMPH", Kind::TextField, 63, 81, 55, 12, 11, 7 },
    { "lblWhmile11121", Kind::Label, 18, 78, 40, 20, 11, 4 },
    { "txtKPH", Kind::TextField, 63, 97, 55, 12, 11, 8 },
    { "lblWhmile11131", Kind::Label, 18, 93, 40, 20, 11, 5 },
    { "lblFuelTypeCombo", Kind::Label, 133, 34, 70, 20, 11, 12 },
    { "Canvas1", Kind::Canvas, 4, 4, 64, 64, 0, 0 },
    { "txtTempF", Kind::TextField, 63, 113, 55, 12, 11, 9 },
    { "lblWhmile11132", Kind::Label, 9, 110, 49, 20, 11, 1 },
    { "txtTempC", Kind::TextField, 63, 129, 55, 12, 11, 10 },
    { "lblWhmile111111", Kind::Label, 9, 125, 49, 20, 11, 2 },
    { "comboMotive", Kind::PopupMenu, 303, 36, 20, 17, 10, 27 },
    { "txtFuelType", Kind::TextField, 208, 37, 93, 12, 10, 20 },
    { "PBqsi", Kind::PushButton, 70, 5, 36, 18, 10, 11 },
    { "TextArea1", Kind::TextArea, 6, 161, 494, 483, 11, 3 },
    { "PBViewFuel", Kind::PushButton, 191, 7, 132, 18, 10, 19 },
    { "BevCalc", Kind::BevelButton, 59, 61, 62, 16, 10, 6 },
    { "BevCalcOrange", Kind::BevelButton, 427, 32, 62, 16, 10, 42 },
};

bool IsOfKind(RectControl* control, Kind kind)
{
    switch (kind) {
    case Kind::TextField:
        return dynamic_cast<TextField*>(control);
    case Kind::Label:
        return dynamic_cast<Label*>(control);
    case Kind::Canvas:
        return dynamic_cast<Canvas*>(control);
    case Kind::PopupMenu:
        return dynamic_cast<PopupMenu*>(control);
    case Kind::PushButton:
        return dynamic_cast<PushButton*>(control);
    case Kind::TextArea:
        return dynamic_cast<TextArea*>(control);
    case Kind::BevelButton:
        return dynamic_cast<BevelButton*>(control);
    }
    return false;
}

using ConverterControls = ConverterFixture;

TEST_F(ConverterControls, HoldsTheFortyOneControlsAtTheirRectangles)
{
    const auto& controls = window->_Controls();
    ASSERT_EQ(controls.size(), kControls.size());
    std::vector<int> tabIndices;
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const Expected& expected = kControls[i];
        SCOPED_TRACE(expected.name);
        RectControl* control = controls[i].get();
        EXPECT_EQ(control->Name(), expected.name);
        EXPECT_EQ(window->_ControlByName(expected.name), control);
        EXPECT_TRUE(IsOfKind(control, expected.kind));
        EXPECT_EQ(control->_Widget()->geometry(), QRect(expected.left, expected.top, expected.width, expected.height));
        EXPECT_EQ(control->_Widget()->font().pixelSize(), expected.textSize > 0 ? expected.textSize : -1);
        EXPECT_EQ(control->TabIndex(), expected.tabIndex);
        tabIndices.push_back(expected.tabIndex);
    }
    std::sort(tabIndices.begin(), tabIndices.end());
    std::vector<int> used;
    for (int i = 0; i <= 42; ++i)
        if (i != 30 && i != 41)
            used.push_back(i);
    EXPECT_EQ(tabIndices, used);
}

TEST_F(ConverterControls, AccessorsReturnTheRegisteredControls)
{
    const std::vector<std::pair<const char*, RectControl*>> accessors {
        { "txtMPGUS", window->txtMPGUS() },
        { "txtMPGUK", window->txtMPGUK() },
        { "txtL100km", window->txtL100km() },
        { "txtkmL", window->txtkmL() },
        { "txtWhkm", window->txtWhkm() },
        { "txtBTUGalUS", window->txtBTUGalUS() },
        { "lblMPGUS", window->lblMPGUS() },
        { "lblMPGUK", window->lblMPGUK() },
        { "lblL100km", window->lblL100km() },
        { "lblkmL", window->lblkmL() },
        { "lblWhkm", window->lblWhkm() },
        { "txtWhMileUS", window->txtWhMileUS() },
        { "lblWhMileUS", window->lblWhMileUS() },
        { "lblBTUGalUS", window->lblBTUGalUS() },
        { "txtBTUGalUK", window->txtBTUGalUK() },
        { "lblBTUGalUK", window->lblBTUGalUK() },
        { "txtBTULiter", window->txtBTULiter() },
        { "lblBTULiter", window->lblBTULiter() },
        { "txtkWhGalUS", window->txtkWhGalUS() },
        { "lblkWhGalUS", window->lblkWhGalUS() },
        { "txtkWhGalUK", window->txtkWhGalUK() },
        { "lblkWhGalUK", window->lblkWhGalUK() },
        { "txtkWhLiter", window->txtkWhLiter() },
        { "lblkWhLiter", window->lblkWhLiter() },
        { "txtMPH", window->txtMPH() },
        { "lblWhmile11121", window->lblWhmile11121() },
        { "txtKPH", window->txtKPH() },
        { "lblWhmile11131", window->lblWhmile11131() },
        { "lblFuelTypeCombo", window->lblFuelTypeCombo() },
        { "Canvas1", window->Canvas1() },
        { "txtTempF", window->txtTempF() },
        { "lblWhmile11132", window->lblWhmile11132() },
        { "txtTempC", window->txtTempC() },
        { "lblWhmile111111", window->lblWhmile111111() },
        { "comboMotive", window->comboMotive() },
        { "txtFuelType", window->txtFuelType() },
        { "PBqsi", window->PBqsi() },
        { "TextArea1", window->TextArea1() },
        { "PBViewFuel", window->PBViewFuel() },
        { "BevCalc", window->BevCalc() },
        { "BevCalcOrange", window->BevCalcOrange() },
    };
    ASSERT_EQ(accessors.size(), 41u);
    for (const auto& [name, control] : accessors) {
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control, window->_ControlByName(name)) << name;
    }
    EXPECT_EQ(window->txtKPH(), window->txtKPH());
}

TEST_F(ConverterControls, ColoursAndTextsAreTheLayouts)
{
    struct Colours {
        TextField* field;
        std::uint32_t back;
        bool readOnly;
    };
    const std::vector<Colours> fields { { window->txtMPGUS(), 0xFF9D00, false },
        { window->txtWhMileUS(), 0xFF9D00, false }, { window->txtBTUGalUS(), 0xFFFF00, true },
        { window->txtkWhLiter(), 0xFFFF00, true }, { window->txtMPH(), 0x00FF00, false },
        { window->txtKPH(), 0x00FF00, false }, { window->txtTempF(), 0xFFFFFF, false },
        { window->txtTempC(), 0xFFFFFF, false }, { window->txtFuelType(), 0xFFFF00, true } };
    for (const Colours& c : fields) {
        SCOPED_TRACE(c.field->Name());
        EXPECT_EQ(c.field->BackColor(), c.back);
        EXPECT_EQ(c.field->_Widget()->palette().color(QPalette::Base).rgb() & 0xFFFFFF, c.back);
        EXPECT_EQ(c.field->ReadOnly(), c.readOnly);
        EXPECT_EQ(c.field->Text(), "");
    }
    EXPECT_EQ(window->lblWhmile11132()->Text(), "Temp °F");
    EXPECT_EQ(window->lblWhmile11132()->TextColor(), 0xFFFFFFu);
    EXPECT_EQ(window->lblWhmile11121()->TextColor(), 0x00FF00u);
    EXPECT_EQ(window->lblkWhLiter()->TextColor(), 0xFFFF00u);
    EXPECT_TRUE(window->lblFuelTypeCombo()->_Widget()->font().bold());
    EXPECT_EQ(window->BevCalc()->Caption(), "Calc");
    EXPECT_EQ(window->PBViewFuel()->Caption(), "See Fuel Info Detail");
    EXPECT_EQ(window->PBqsi()->Caption(), "Info");
    EXPECT_FALSE(window->TextArea1()->Visible());
    EXPECT_EQ(window->comboMotive()->Text(), "");
    EXPECT_EQ(window->comboMotive()->HelpTag(), "Select a Motive Type");
}

TEST_F(ConverterControls, TabMovesThroughTheEditableFieldsAndTheFuelMenu)
{
    Widgets::Focus(window->txtMPH());
    std::vector<std::string> visited { window->Focus()->Name() };
    for (int i = 0; i < 12; ++i) {
        Widgets::KeyToFocus(Qt::Key_Tab);
        ASSERT_NE(window->Focus(), nullptr);
        visited.push_back(window->Focus()->Name());
    }
    EXPECT_EQ(visited,
        (std::vector<std::string> { "txtMPH", "txtKPH", "txtTempF", "txtTempC", "comboMotive", "txtMPGUS", "txtMPGUK",
            "txtL100km", "txtkmL", "txtWhkm", "txtWhMileUS", "txtMPH", "txtKPH" }));
}

TEST_F(ConverterControls, ReadOnlyFieldsTakeAClickAndCopyThroughTheEditMenu)
{
    window->txtBTUGalUS()->SetText("115400");
    Widgets::Click(window->txtBTUGalUS());
    EXPECT_EQ(window->Focus(), window->txtBTUGalUS());
    ASSERT_TRUE(Application::_HandleMenuCommand(window.get(), *window->EditSelectAll()));
    ASSERT_TRUE(Application::_HandleMenuCommand(window.get(), *window->EditCopy()));
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "115400");
}

// The Edit menu's items, each text with whether it is enabled.
using MenuItems = std::vector<std::pair<std::string, bool>>;

MenuItems ItemsOf(const QMenu& menu)
{
    MenuItems items;
    for (QAction* item : menu.actions())
        if (!item->isSeparator())
            items.emplace_back(item->text().toStdString(), item->isEnabled());
    return items;
}

// The window's Edit menu, as the menu bar holds it.
QMenu* EditMenu(Window& window)
{
    auto* top = qobject_cast<QMainWindow*>(window._TopLevelWidget());
    if (!top || !top->menuWidget())
        return nullptr;
    for (QAction* title : top->menuBar()->actions())
        if (title->text() == "&Edit")
            return title->menu();
    return nullptr;
}

// Opens the Edit menu with a click on its title in the menu bar, as the
// user does, and gives its items as shown; closes it again with Escape.
MenuItems EditMenuAsShown(Window& window)
{
    QMenu* menu = EditMenu(window);
    if (!menu)
        return {};
    QMenuBar* bar = static_cast<QMainWindow*>(window._TopLevelWidget())->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(menu->menuAction()).center());
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000))
        return {};
    MenuItems shown = ItemsOf(*menu);
    QTest::keyClick(menu, Qt::Key_Escape);
    if (!QTest::qWaitFor([menu] { return !menu->isVisible(); }, 2000))
        return {};
    return shown;
}

TEST_F(ConverterControls, TheOpenEditMenuGreysWhatDoesNotApplyToTheFocusedField)
{
    struct Case {
        const char* what;
        TextField* field;
        const char* typed; // into the field, then all of it selected; nullptr: the field is only clicked
        MenuItems items;
    };
    window->txtBTUGalUS()->SetText("115400");
    const std::vector<Case> cases {
        { "a read-only field, clicked", window->txtBTUGalUS(), nullptr,
            { { "&Undo", false }, { "Cu&t", false }, { "&Copy", false }, { "&Paste", false }, { "&Delete", false },
                { "Select &All", true } } },
        { "a read-only field, all of it selected", window->txtBTUGalUS(), "",
            { { "&Undo", false }, { "Cu&t", false }, { "&Copy", true }, { "&Paste", false }, { "&Delete", false },
                { "Select &All", true } } },
        { "an empty field", window->txtMPGUK(), nullptr,
            { { "&Undo", false }, { "Cu&t", false }, { "&Copy", false }, { "&Paste", true }, { "&Delete", false },
                { "Select &All", false } } },
        { "a figure typed into a field and selected", window->txtMPGUS(), "43",
            { { "&Undo", true }, { "Cu&t", true }, { "&Copy", true }, { "&Paste", true }, { "&Delete", true },
                { "Select &All", true } } },
    };
    for (const Case& c : cases) {
        QApplication::clipboard()->setText("12");
        Widgets::Click(c.field);
        if (c.typed) {
            Widgets::Type(c.field, c.typed);
            Widgets::Key(c.field, Qt::Key_A, Qt::ControlModifier);
        }
        EXPECT_EQ(EditMenuAsShown(*window), c.items) << c.what;
        // Closed, the menu keeps no item greyed: each shortcut still
        // reaches its command, which checks for itself.
        MenuItems closed = c.items;
        for (auto& [item, enabled] : closed)
            enabled = true;
        ASSERT_NE(EditMenu(*window), nullptr);
        EXPECT_EQ(ItemsOf(*EditMenu(*window)), closed) << c.what;
    }
}

// What each control is bound to, in binding order: event and signature text.
const std::vector<std::tuple<const char*, ControlEvent, const char*>> kBindings {
    { "txtMPGUS", ControlEvent::TextChange, "( TextField )" },
    { "txtMPGUS", ControlEvent::GotFocus, "( TextField )" },
    { "txtMPGUS", ControlEvent::LostFocus, "( TextField )" },
    { "txtMPGUS", ControlEvent::KeyDown, "( TextField, String ) as Boolean" },
    { "txtMPGUK", ControlEvent::GotFocus, "( TextField )" },
    { "txtMPGUK", ControlEvent::LostFocus, "( TextField )" },
    { "txtMPGUK", ControlEvent::TextChange, "( TextField )" },
    { "txtMPGUK", ControlEvent::KeyUp, "( TextField, String )" },
    { "txtL100km", ControlEvent::LostFocus, "( TextField )" },
    { "txtL100km", ControlEvent::GotFocus, "( TextField )" },
    { "txtL100km", ControlEvent::TextChange, "( TextField )" },
    { "txtL100km", ControlEvent::KeyDown, "( TextField, String ) as Boolean" },
    { "txtkmL", ControlEvent::GotFocus, "( TextField )" },
    { "txtkmL", ControlEvent::LostFocus, "( TextField )" },
    { "txtkmL", ControlEvent::TextChange, "( TextField )" },
    { "txtkmL", ControlEvent::KeyDown, "( TextField, String ) as Boolean" },
    { "txtWhkm", ControlEvent::GotFocus, "( TextField )" },
    { "txtWhkm", ControlEvent::LostFocus, "( TextField )" },
    { "txtWhkm", ControlEvent::TextChange, "( TextField )" },
    { "txtWhkm", ControlEvent::KeyDown, "( TextField, String ) as Boolean" },
    { "txtWhMileUS", ControlEvent::GotFocus, "( TextField )" },
    { "txtWhMileUS", ControlEvent::LostFocus, "( TextField )" },
    { "txtWhMileUS", ControlEvent::TextChange, "( TextField )" },
    { "txtWhMileUS", ControlEvent::KeyDown, "( TextField, String ) as Boolean" },
    { "txtMPH", ControlEvent::KeyDown, "( TextField, String ) as Boolean" },
    { "txtMPH", ControlEvent::LostFocus, "( TextField )" },
    { "txtKPH", ControlEvent::KeyDown, "( TextField, String ) as Boolean" },
    { "txtKPH", ControlEvent::LostFocus, "( TextField )" },
    { "Canvas1", ControlEvent::MouseDown, "( Canvas, Int32, Int32 ) as Boolean" },
    { "txtTempF", ControlEvent::KeyDown, "( TextField, String ) as Boolean" },
    { "txtTempF", ControlEvent::LostFocus, "( TextField )" },
    { "txtTempC", ControlEvent::KeyDown, "( TextField, String ) as Boolean" },
    { "txtTempC", ControlEvent::LostFocus, "( TextField )" },
    { "comboMotive", ControlEvent::Open, "( PopupMenu )" },
    { "comboMotive", ControlEvent::Change, "( PopupMenu )" },
    { "PBqsi", ControlEvent::Action, "( PushButton )" },
    { "PBViewFuel", ControlEvent::Action, "( PushButton )" },
    { "BevCalc", ControlEvent::Action, "( BevelButton )" },
    { "BevCalcOrange", ControlEvent::Action, "( BevelButton )" },
};

TEST_F(ConverterControls, EveryBindingExistsOnceInOrderAndHoldsTheWindowWeakly)
{
    std::vector<std::tuple<std::string, ControlEvent, std::string>> bound;
    for (const auto& control : window->_Controls()) {
        for (const auto& [event, delegate] : control->_EventHandlers()) {
            bound.emplace_back(control->Name(), event, delegate->Signature());
            EXPECT_TRUE(delegate->IsWeak());
            EXPECT_EQ(delegate->Target(), window);
        }
    }
    std::vector<std::tuple<std::string, ControlEvent, std::string>> expected;
    for (const auto& [control, event, signature] : kBindings)
        expected.emplace_back(control, event, signature);
    EXPECT_EQ(bound, expected);
    // The table the window is bound from names each handler after its control and event.
    for (const ControlBinding& binding : Window1Bindings())
        EXPECT_EQ(binding.handler, std::string(binding.control) + "_" + ControlEventName(binding.event));
}

TEST_F(ConverterControls, AClosedWindowIsNotKeptAliveByItsBindings)
{
    std::weak_ptr<class Window1> watch = window;
    window->Close();
    window.reset();
    RuntimeProcessEvents();
    EXPECT_TRUE(watch.expired());
}

TEST_F(ConverterControls, WithoutItsPictureTheHeaderIsEmptyAndStillWorks)
{
    // The test program has no Resources folder beside its own folder.
    EXPECT_EQ(window->Canvas1()->Backdrop(), nullptr);
    EXPECT_EQ(window->_Controls().size(), 41u);
    EXPECT_EQ(window->Canvas1()->_EventHandlers().size(), 1u);
}

TEST_F(ConverterControls, HeaderPictureClickOpensTheStorePageOnce)
{
    Widgets::Click(window->Canvas1(), QPoint(10, 50));
    EXPECT_EQ(openedAddresses, std::vector<std::string> { std::string(kStorePageAddress) });
    // The click leaves the focus where it was: the canvas takes none.
    EXPECT_NE(window->Focus(), window->Canvas1());
}

} // namespace
