#pragma once

#include <string_view>

// The fuel information panel's text (filled in with the fuel logic).
inline constexpr std::string_view kFuelInformationText = "";
