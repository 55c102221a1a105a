#pragma once

#include <cstdint>

// The converter window's colours, as 0xRRGGBB. Each group of fields has its
// own, and its labels share it: orange for efficiency, yellow for fuel
// energy, green for speeds, white for temperatures.
inline constexpr std::uint32_t kOrange = 0xFF9D00;
inline constexpr std::uint32_t kYellow = 0xFFFF00;
inline constexpr std::uint32_t kGreen = 0x00FF00;
inline constexpr std::uint32_t kWhite = 0xFFFFFF;
inline constexpr std::uint32_t kBlack = 0x000000;
// The window's background, which the fuel information panel shares.
inline constexpr std::uint32_t kWindowColour = 0x483E37;
