#pragma once

#include "app/MenuBar1Accessors.h"
#include "framework/Framework.h"

#include <cstdint>
#include <memory>

// The About window: the header picture and, below it, the program's name
// and version, the support line and the copyright notice, on a fixed-size
// dark window that carries the program's menu bar.
class AboutWindow : public Window, public MenuBar1Accessors<class AboutWindow> {
public:
    void Layout();
    void CreateControls();
    void _CreateControls0();

    // Control accessors, in the order the controls are made.
    ::Canvas* Canvas2() const { return _ControlAs<::Canvas>("Canvas2"); }
    ::Canvas* Canvas1() const { return _ControlAs<::Canvas>("Canvas1"); }
    Label* Label1() const { return _ControlAs<Label>("Label1"); }
    Label* Label2() const { return _ControlAs<Label>("Label2"); }
    Label* Label3() const { return _ControlAs<Label>("Label3"); }

    // A click on the support line opens the support address.
    bool Label3_MouseDown(Label* control, std::int32_t x, std::int32_t y);

    // Registers the window's own handler for the menu item name "About".
    void AddMenuHandlers(Window& window);
    bool _About_Action();
};

const ClassRecord& AboutWindowClass();

// The open About window, made now when there is none. It never shows the
// window itself: a new one comes up by its layout, an open one stays as it is.
std::shared_ptr<class AboutWindow> AboutWindow();
