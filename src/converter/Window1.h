#pragma once

#include "app/MenuBar1Accessors.h"
#include "framework/Framework.h"

#include <cstdint>
#include <memory>
#include <string>

// The converter window: 505 x 161, every number living as a field's text.
// Its methods live in several files, each in the folder of its subsystem;
// over each group below, the file that holds their bodies.
class Window1 : public Window, public MenuBar1Accessors<class Window1> {
public:
    // src/converter/Window1.cpp: the layout, the building steps (from the
    // rows of Window1Controls.cpp and the bindings of Window1Bindings.cpp),
    // the header picture's click and the closing.
    void Layout();
    void CreateControls();
    void _CreateControls0();
    void _CreateControls1();
    bool Canvas1_MouseDown(::Canvas* control, std::int32_t x, std::int32_t y);
    void Event_Close();

    // Here: the control accessors, in the order the controls are made; each
    // looks its control up by name on every call.
    TextField* txtMPGUS() const { return _ControlAs<TextField>("txtMPGUS"); }
    TextField* txtMPGUK() const { return _ControlAs<TextField>("txtMPGUK"); }
    TextField* txtL100km() const { return _ControlAs<TextField>("txtL100km"); }
    TextField* txtkmL() const { return _ControlAs<TextField>("txtkmL"); }
    TextField* txtWhkm() const { return _ControlAs<TextField>("txtWhkm"); }
    TextField* txtBTUGalUS() const { return _ControlAs<TextField>("txtBTUGalUS"); }
    Label* lblMPGUS() const { return _ControlAs<Label>("lblMPGUS"); }
    Label* lblMPGUK() const { return _ControlAs<Label>("lblMPGUK"); }
    Label* lblL100km() const { return _ControlAs<Label>("lblL100km"); }
    Label* lblkmL() const { return _ControlAs<Label>("lblkmL"); }
    Label* lblWhkm() const { return _ControlAs<Label>("lblWhkm"); }
    TextField* txtWhMileUS() const { return _ControlAs<TextField>("txtWhMileUS"); }
    Label* lblWhMileUS() const { return _ControlAs<Label>("lblWhMileUS"); }
    Label* lblBTUGalUS() const { return _ControlAs<Label>("lblBTUGalUS"); }
    TextField* txtBTUGalUK() const { return _ControlAs<TextField>("txtBTUGalUK"); }
    Label* lblBTUGalUK() const { return _ControlAs<Label>("lblBTUGalUK"); }
    TextField* txtBTULiter() const { return _ControlAs<TextField>("txtBTULiter"); }
    Label* lblBTULiter() const { return _ControlAs<Label>("lblBTULiter"); }
    TextField* txtkWhGalUS() const { return _ControlAs<TextField>("txtkWhGalUS"); }
    Label* lblkWhGalUS() const { return _ControlAs<Label>("lblkWhGalUS"); }
    TextField* txtkWhGalUK() const { return _ControlAs<TextField>("txtkWhGalUK"); }
    Label* lblkWhGalUK() const { return _ControlAs<Label>("lblkWhGalUK"); }
    TextField* txtkWhLiter() const { return _ControlAs<TextField>("txtkWhLiter"); }
    Label* lblkWhLiter() const { return _ControlAs<Label>("lblkWhLiter"); }
    TextField* txtMPH() const { return _ControlAs<TextField>("txtMPH"); }
    Label* lblWhmile11121() const { return _ControlAs<Label>("lblWhmile11121"); }
    TextField* txtKPH() const { return _ControlAs<TextField>("txtKPH"); }
    Label* lblWhmile11131() const { return _ControlAs<Label>("lblWhmile11131"); }
    Label* lblFuelTypeCombo() const { return _ControlAs<Label>("lblFuelTypeCombo"); }
    ::Canvas* Canvas1() const { return _ControlAs<::Canvas>("Canvas1"); }
    TextField* txtTempF() const { return _ControlAs<TextField>("txtTempF"); }
    Label* lblWhmile11132() const { return _ControlAs<Label>("lblWhmile11132"); }
    TextField* txtTempC() const { return _ControlAs<TextField>("txtTempC"); }
    Label* lblWhmile111111() const { return _ControlAs<Label>("lblWhmile111111"); }
    PopupMenu* comboMotive() const { return _ControlAs<PopupMenu>("comboMotive"); }
    TextField* txtFuelType() const { return _ControlAs<TextField>("txtFuelType"); }
    PushButton* PBqsi() const { return _ControlAs<PushButton>("PBqsi"); }
    TextArea* TextArea1() const { return _ControlAs<TextArea>("TextArea1"); }
    PushButton* PBViewFuel() const { return _ControlAs<PushButton>("PBViewFuel"); }
    BevelButton* BevCalc() const { return _ControlAs<BevelButton>("BevCalc"); }
    BevelButton* BevCalcOrange() const { return _ControlAs<BevelButton>("BevCalcOrange"); }

    // src/fuel/Window1Efficiency.cpp: the efficiency fields and their Calc button.
    void txtMPGUS_TextChange(TextField* control);
    void txtMPGUS_GotFocus(TextField* control);
    void txtMPGUS_LostFocus(TextField* control);
    bool txtMPGUS_KeyDown(TextField* control, std::string key);
    void txtMPGUK_GotFocus(TextField* control);
    void txtMPGUK_LostFocus(TextField* control);
    void txtMPGUK_TextChange(TextField* control);
    void txtMPGUK_KeyUp(TextField* control, std::string key);
    void txtL100km_LostFocus(TextField* control);
    void txtL100km_GotFocus(TextField* control);
    void txtL100km_TextChange(TextField* control);
    bool txtL100km_KeyDown(TextField* control, std::string key);
    void txtkmL_GotFocus(TextField* control);
    void txtkmL_LostFocus(TextField* control);
    void txtkmL_TextChange(TextField* control);
    bool txtkmL_KeyDown(TextField* control, std::string key);
    void txtWhkm_GotFocus(TextField* control);
    void txtWhkm_LostFocus(TextField* control);
    void txtWhkm_TextChange(TextField* control);
    bool txtWhkm_KeyDown(TextField* control, std::string key);
    void txtWhMileUS_GotFocus(TextField* control);
    void txtWhMileUS_LostFocus(TextField* control);
    void txtWhMileUS_TextChange(TextField* control);
    bool txtWhMileUS_KeyDown(TextField* control, std::string key);
    void BevCalcOrange_Action(BevelButton* control);

    // src/converter/Window1SpeedTemperature.cpp: the speed and temperature
    // fields and their Calc button.
    bool txtMPH_KeyDown(TextField* control, std::string key);
    void txtMPH_LostFocus(TextField* control);
    bool txtKPH_KeyDown(TextField* control, std::string key);
    void txtKPH_LostFocus(TextField* control);
    bool txtTempF_KeyDown(TextField* control, std::string key);
    void txtTempF_LostFocus(TextField* control);
    bool txtTempC_KeyDown(TextField* control, std::string key);
    void txtTempC_LostFocus(TextField* control);
    void BevCalc_Action(BevelButton* control);

    // src/fuel/Window1Fuel.cpp: the fuel menu and the fuel information panel.
    void comboMotive_Open(PopupMenu* control);
    void comboMotive_Change(PopupMenu* control);
    void PBViewFuel_Action(PushButton* control);

    // src/windows/Window1Help.cpp: the Info button, which shows the help text.
    void PBqsi_Action(PushButton* control);
};

const ClassRecord& Window1Class();

// The open converter window, made now when there is none.
std::shared_ptr<class Window1> Window1();
