// One-pixel segments. Each pixel is computed from its step number rather than
// by accumulating an error term, so the walk can start at the first step that
// reaches the surface: a segment running far past the borders (as the region
// lines do on purpose) costs only its visible part.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "platform/surface.h"

namespace tess {

namespace {

// Coordinates beyond this cannot come from drawing code; they only keep the
// arithmetic below inside 64 bits for damaged input.
constexpr double kCoordinateLimit = 1 << 28;

std::int64_t wholePixel(double v) {
    return std::int64_t(std::nearbyint(std::clamp(v, -kCoordinateLimit, kCoordinateLimit)));
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {  // b > 0
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

// Steps t of 0..n-1 whose major coordinate start + dir * t lies in 0..size-1.
bool visibleSteps(std::int64_t start, int dir, std::int64_t n, int size, std::int64_t& first,
                  std::int64_t& last) {
    if (dir > 0) {
        first = std::max<std::int64_t>(0, -start);
        last = std::min<std::int64_t>(n - 1, size - 1 - start);
    } else {
        first = std::max<std::int64_t>(0, start - (size - 1));
        last = std::min<std::int64_t>(n - 1, start);
    }
    return first <= last;
}

}  // namespace

void Surface::line(double x1, double y1, double x2, double y2, Colour c, DrawMode mode) {
    if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2) || empty()) return;
    const std::int64_t ax = wholePixel(x1), ay = wholePixel(y1);
    const std::int64_t dx = wholePixel(x2) - ax, dy = wholePixel(y2) - ay;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t n = xMajor ? std::llabs(dx) : std::llabs(dy);
    if (n == 0) return;  // the only pixel is the last one, which is never drawn

    const std::int64_t majorStart = xMajor ? ax : ay;
    const std::int64_t minorStart = xMajor ? ay : ax;
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const int dir = (xMajor ? dx : dy) > 0 ? 1 : -1;
    std::int64_t first, last;
    if (!visibleSteps(majorStart, dir, n, xMajor ? width_ : height_, first, last)) return;

    const int minorSize = xMajor ? height_ : width_;
    for (std::int64_t t = first; t <= last; ++t) {
        // Nearest pixel to the ideal line; an exact half goes to the smaller
        // coordinate, whichever way the segment runs.
        const std::int64_t minor = minorStart + floorDiv(2 * t * minorDelta + n - 1, 2 * n);
        if (minor < 0 || minor >= minorSize) continue;
        const std::int64_t major = majorStart + dir * t;
        Colour& p = xMajor ? row(int(minor))[major] : row(int(major))[minor];
        p = mode == DrawMode::Invert ? p ^ 0xFFFFFFu : c;
    }
}

}  // namespace tess
