#pragma once

#include "framework/Framework.h"

#include <memory>

// The application class. Its one object is made and registered at start-up
// and reached from anywhere through App.
class IktoSI : public Application {
public:
    void Event_Open();
    bool _AppleAbout_Action();
    // Converts the figure in the focused efficiency field into the other five units.
    void CalcEff();
    // Makes the converter window follow the fuel chosen in the fuel menu.
    void FuelChoice();
    void Constructor();
};

const ClassRecord& IktoSIClass();

// The registered application object, or null before start-up registers it.
std::shared_ptr<IktoSI> App();
