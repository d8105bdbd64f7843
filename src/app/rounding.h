// Rounding as the game does it: pixel positions, sizes, alphas and volumes round
// halves to even; the frame's tick count rounds halves away from zero.
#pragma once
#include <cmath>

inline int Round(double v) { return static_cast<int>(std::nearbyint(v)); }
