#include "converter/Window1.h"

#include "FuelCatalogue.h"
#include "app/IktoSI.h"

#include <string>

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
