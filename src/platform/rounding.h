#pragma once

#include <cmath>
#include <cstdint>

namespace tess {

// CInt / CLng: nearest whole number, halves to the even neighbour
// (132.5 -> 132, 83.5 -> 84).
inline std::int32_t CInt(double v) {
    return std::int32_t(std::nearbyint(v));
}
// Relies on the default rounding mode (FE_TONEAREST), which the program never changes.

}  // namespace tess
