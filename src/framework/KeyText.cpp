#include "KeyText.h"

#include <QKeyEvent>

#include <array>
#include <utility>

namespace {

// Keys whose text is not what a handler should see, with the control
// character it gets instead. Return and keypad Enter both give 13.
constexpr std::array<std::pair<int, char>, 15> kControlKeys { {
    { Qt::Key_Return, 13 },
    { Qt::Key_Enter, 13 },
    { Qt::Key_Backspace, 8 },
    { Qt::Key_Tab, 9 },
    { Qt::Key_Backtab, 9 },
    { Qt::Key_Escape, 27 },
    { Qt::Key_Delete, 127 },
    { Qt::Key_Left, 28 },
    { Qt::Key_Right, 29 },
    { Qt::Key_Up, 30 },
    { Qt::Key_Down, 31 },
    { Qt::Key_Home, 1 },
    { Qt::Key_End, 4 },
    { Qt::Key_PageUp, 11 },
    { Qt::Key_PageDown, 12 },
} };

bool IsModifierOnly(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_ScrollLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_unknown:
        return true;
    default:
        return false;
    }
}

} // namespace

std::optional<std::string> KeyTextOf(const QKeyEvent& event)
{
    const int key = event.key();
    if (IsModifierOnly(key))
        return std::nullopt;
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return std::nullopt;
    for (const auto& [qtKey, code] : kControlKeys)
        if (qtKey == key)
            return std::string(1, code);
    return event.text().toStdString();
}
