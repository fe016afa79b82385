#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace tess {

// CInt / CLng: nearest whole number, halves to the even neighbour
// (132.5 -> 132, 83.5 -> 84). Relies on the default rounding mode
// (FE_TONEAREST), which the program never changes. Values beyond the 32-bit
// range saturate and NaN gives 0, so damaged input cannot reach undefined
// conversions.
inline std::int32_t CInt(double v) {
    if (std::isnan(v)) return 0;
    const double r = std::nearbyint(v);
    if (r <= double(std::numeric_limits<std::int32_t>::min()))
        return std::numeric_limits<std::int32_t>::min();
    if (r >= double(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return std::int32_t(r);
}

}  // namespace tess
