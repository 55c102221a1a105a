#pragma once

#include "converter/Window1.h"

#include <memory>

// A control of the open converter window, looked up afresh through the
// window's accessor: nothing keeps a window or control between two uses.
// A missing window or control raises NilObjectException.
template <class C> C* ConverterControl(C* (Window1::*accessor)() const)
{
    std::shared_ptr<class Window1> window = Window1();
    NilCheck(window, "The converter window");
    C* control = (window.get()->*accessor)();
    NilCheck(control, "A control of the converter window");
    return control;
}

// The open converter window, nil-checked.
inline std::shared_ptr<class Window1> ConverterWindow()
{
    std::shared_ptr<class Window1> window = Window1();
    NilCheck(window, "The converter window");
    return window;
}
