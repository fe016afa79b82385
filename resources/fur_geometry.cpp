// The two figures of the built-in furs: the ermine spot and the vair bell.
#include "resources/fur_geometry.h"

#include <algorithm>
#include <cmath>

namespace tess::resources {

namespace {

bool inDisc(double dx, double dy, double cx, double cy, double r) {
    const double x = dx - cx, y = dy - cy;
    return x * x + y * y <= r * r;
}

}  // namespace

bool onErmineSpot(double dx, double dy) {
    // The head: three pellets, the middle one highest.
    if (inDisc(dx, dy, 0, -15.0, 3.2) || inDisc(dx, dy, -6.2, -11.8, 3.0) ||
        inDisc(dx, dy, 6.2, -11.8, 3.0))
        return true;
    // The tail: a stem that swells as it falls.
    constexpr double top = -12.0, bottom = 19.0;
    if (dy < top || dy > bottom) return false;
    const double t = (dy - top) / (bottom - top);
    const double ax = std::abs(dx);
    if (ax > 1.4 + 10.6 * std::pow(t, 1.4)) return false;
    // Its lower edge rises into two short clefts between three points, the
    // middle point hanging lowest, the outer ones slanting outwards.
    constexpr double cleft = 5.0, cleftTop = 12.0;
    double lowest;
    if (ax <= cleft)
        lowest = bottom - (bottom - cleftTop) * std::pow(ax / cleft, 1.6);
    else if (ax <= 8.0)
        lowest = cleftTop + 6.0 * std::sqrt((ax - cleft) / 3.0);
    else
        lowest = 18.0 - 1.1 * (ax - 8.0);
    return dy <= lowest;
}

bool onUprightBell(double dx, double t, double across) {
    // Neck half-width a and base half-width b add up to half the period, so
    // the space beside a bell is the same bell upside down.
    const double half = across / 2;
    const double a = across * 0.135, b = half - a;
    constexpr double shoulderTop = 0.26, shoulderBottom = 0.74;
    double w;
    if (t <= shoulderTop)
        w = a;
    else if (t >= shoulderBottom)
        w = b;
    else
        w = a + (b - a) * (t - shoulderTop) / (shoulderBottom - shoulderTop);
    return std::abs(dx) < w;
}

}  // namespace tess::resources
