#pragma once

#include "app/WindowControls.h"

#include <span>

// The converter window's 39 bindings: per control in the order the controls
// are made, and per control in binding order.
std::span<const ControlBinding> Window1Bindings();
