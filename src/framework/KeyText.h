#pragma once

#include <optional>
#include <string>

class QKeyEvent;

// The key text a control's KeyDown and KeyUp handlers receive for a key
// event, or nothing for events that raise no key event (a modifier alone,
// a Ctrl chord, which is a shortcut).
std::optional<std::string> KeyTextOf(const QKeyEvent& event);
