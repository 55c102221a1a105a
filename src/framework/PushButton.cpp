#include "PushButton.h"

#include <QPushButton>

void PushButton::SetProperty(std::string_view name, const PropertyValue& value)
{
    if (const auto* b = std::get_if<bool>(&value); b && name == "Default") {
        if (QPushButton* button = _Button())
            button->setDefault(*b);
    } else if (name == "Cancel" || name == "ButtonStyle") {
        // The desktop draws every push button in its own style.
    } else
        ButtonControl::SetProperty(name, value);
}
