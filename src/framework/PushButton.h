#pragma once

#include "ButtonControl.h"

// A push button; a click raises Action.
class PushButton : public ButtonControl {
public:
    // A button outside the tab order leaves the focus where it was when clicked.
    bool _TakesFocus() const override { return TabStop(); }

    void SetProperty(std::string_view name, const PropertyValue& value) override;
};
