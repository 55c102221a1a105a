#pragma once

#include "app/WindowControls.h"

#include <cstddef>
#include <span>

// The converter window's 41 controls in the order they are made; the first
// 30 by _CreateControls0, the other 11 by _CreateControls1.
std::span<const ControlRow> Window1ControlRows();
inline constexpr std::size_t kFirstStepControls = 30;
