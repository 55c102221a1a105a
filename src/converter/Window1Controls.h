#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

class Window1;

enum class ControlClass { TextField, Label, Canvas, PopupMenu, PushButton, TextArea, BevelButton };
std::string_view ControlClassName(ControlClass controlClass);

// One of the converter window's 41 controls: its name, class, the text size
// set before its property list (none for the header picture, which gets its
// backdrop instead) and the property list itself.
struct ControlRow {
    std::string_view name;
    ControlClass controlClass;
    float textSize;
    std::span<const std::uint8_t> properties;
};

// The controls in the order they are made; the first 30 by
// _CreateControls0, the other 11 by _CreateControls1.
std::span<const ControlRow> Window1ControlRows();
inline constexpr std::size_t kFirstStepControls = 30;

// Makes one control in its five steps: created and constructed, registered
// under its name, given its text size and unit (or backdrop), laid out by
// its list, bound to its handlers.
void CreateWindow1Control(class Window1& window, const ControlRow& row);
