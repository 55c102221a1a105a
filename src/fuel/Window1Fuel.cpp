// The fuel menu and the fuel information panel of the converter window.

#include "converter/Window1.h"

#include "ConverterControl.h"
#include "FuelCatalogue.h"
#include "app/IktoSI.h"

#include <string>

namespace {

void SetCaption(class Window1& window, const std::string& caption)
{
    PushButton* button = window.PBViewFuel();
    NilCheck(button, "The fuel information button");
    button->SetCaption(caption);
}

} // namespace

// The panel lies below the window's normal height: opening it makes the
// window tall enough to show it, closing it shrinks the window back. Only the
// panel's visibility says which way to go; the panel appears after the window
// has grown and goes before it shrinks.
void Window1::PBViewFuel_Action(PushButton*)
{
    TextArea* panel = TextArea1();
    NilCheck(panel, "The fuel information panel");
    if (!panel->Visible()) {
        SetCaption(*this, "Close Fuel Info Detail");
        ConverterWindow()->SetHeight(650);
        panel->SetVisible(true);
    } else {
        panel->SetVisible(false);
        SetCaption(*this, "See Fuel Info Detail");
        ConverterWindow()->SetHeight(161);
    }
}

// Fills the menu that is opening with every fuel, in catalogue order,
// choosing none of them.
void Window1::comboMotive_Open(PopupMenu* control)
{
    NilCheck(control, "The fuel menu");
    for (const FuelRow& row : kFuelCatalogue)
        control->AddRow(std::string(row.name));
}

void Window1::comboMotive_Change(PopupMenu*)
{
    std::shared_ptr<IktoSI> app = App();
    NilCheck(app, "The application object");
    app->FuelChoice();
}
