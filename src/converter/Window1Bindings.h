#pragma once

#include "framework/Framework.h"

#include <span>
#include <string_view>

class Window1;

// One event of one control bound to one handler of the converter window.
struct Window1Binding {
    std::string_view control;
    ControlEvent event;
    std::string_view handler;
    std::string_view signature;
    Delegate::Invoker invoker;
};

// The window's 39 bindings: per control in the order the controls are
// made, and per control in binding order.
std::span<const Window1Binding> Window1Bindings();

// Binds every event of the named control, in binding order, each through a
// delegate that holds the window weakly.
void BindWindow1Events(class Window1& window, std::string_view controlName);
