#pragma once

// Miles in one kilometre: efficiency figures per mile become per km with it,
// and so do speeds.
inline constexpr double MilesPerKm = 0.62137119;
