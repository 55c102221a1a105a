#include "converter/Window1.h"

// Placeholder bodies; the efficiency logic fills them.

void Window1::txtMPGUS_TextChange(TextField *) {}

void Window1::txtMPGUS_GotFocus(TextField *) {}

void Window1::txtMPGUS_LostFocus(TextField *) {}

bool Window1::txtMPGUS_KeyDown(TextField *, std::string) { return false; }

void Window1::txtMPGUK_GotFocus(TextField *) {}

void Window1::txtMPGUK_LostFocus(TextField *) {}

void Window1::txtMPGUK_TextChange(TextField *) {}

void Window1::txtMPGUK_KeyUp(TextField *, std::string) {}

void Window1::txtL100km_LostFocus(TextField *) {}

void Window1::txtL100km_GotFocus(TextField *) {}

void Window1::txtL100km_TextChange(TextField *) {}

bool Window1::txtL100km_KeyDown(TextField *, std::string) { return false; }

void Window1::txtkmL_GotFocus(TextField *) {}

void Window1::txtkmL_LostFocus(TextField *) {}

void Window1::txtkmL_TextChange(TextField *) {}

bool Window1::txtkmL_KeyDown(TextField *, std::string) { return false; }

void Window1::txtWhkm_GotFocus(TextField *) {}

void Window1::txtWhkm_LostFocus(TextField *) {}

void Window1::txtWhkm_TextChange(TextField *) {}

bool Window1::txtWhkm_KeyDown(TextField *, std::string) { return false; }

void Window1::txtWhMileUS_GotFocus(TextField *) {}

void Window1::txtWhMileUS_LostFocus(TextField *) {}

void Window1::txtWhMileUS_TextChange(TextField *) {}

bool Window1::txtWhMileUS_KeyDown(TextField *, std::string) { return false; }

void Window1::comboMotive_Open(PopupMenu *) {}

void Window1::comboMotive_Change(PopupMenu *) {}

void Window1::PBViewFuel_Action(PushButton *) {}

void Window1::BevCalcOrange_Action(BevelButton *) {}
