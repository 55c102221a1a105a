#pragma once

#include "framework/Framework.h"

#include <cstdint>
#include <memory>

// The help window: the header picture above a large text area that the
// converter window's Info button fills. No menu bar; resizable, the text
// area following every edge.
class MsgWindow : public Window {
public:
    void Layout();
    void CreateControls();
    void _CreateControls0();

    TextArea* txtArea() const { return _ControlAs<TextArea>("txtArea"); }
    ::Canvas* Canvas1() const { return _ControlAs<::Canvas>("Canvas1"); }

    // A click on the header picture opens the companion program's store page.
    bool Canvas1_MouseDown(::Canvas* control, std::int32_t x, std::int32_t y);
};

const ClassRecord& MsgWindowClass();

// The open help window, made now when there is none; a new one is visible,
// titled "Untitled" and empty.
std::shared_ptr<class MsgWindow> MsgWindow();
