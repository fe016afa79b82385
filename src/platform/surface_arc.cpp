// Elliptic arcs. The ellipse is traced once as a thin 8-connected outline, a
// quarter at a time by always stepping to the neighbour nearest the curve, and
// the arc keeps the outline pixels lying in the sector swept counter-clockwise
// (on screen) from the start ray to the end ray. Everything is in doubled
// coordinates around the centre, so half-pixel centres stay exact integers and
// the sector test is exact.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/surface.h"

namespace tess {

namespace {

// Boxes larger than this come only from damaged input; tracing them would
// cost time for nothing visible.
constexpr std::int64_t kLargestBox = 1 << 20;

using Wide = __int128;

struct Point {
    std::int64_t x, y;  // doubled, relative to the centre, y down
};

// One quarter from the top to the right end, then mirrored. a and b are the
// doubled radii (the box width and height less one).
std::vector<Point> traceEllipse(std::int64_t a, std::int64_t b) {
    const Wide aa = Wide(a) * a, bb = Wide(b) * b, aabb = aa * bb;
    auto error = [&](std::int64_t x, std::int64_t y) {
        const Wide f = bb * x * x + aa * y * y - aabb;
        return f < 0 ? -f : f;
    };
    // Pixels sit on odd doubled coordinates when the radius is a half.
    std::int64_t x = a % 2, y = -b;
    const std::int64_t endX = a, endY = -(b % 2);
    std::vector<Point> quarter{{x, y}};
    while (x != endX || y != endY) {
        Point best{};
        Wide bestError = -1;
        auto consider = [&](std::int64_t nx, std::int64_t ny) {
            const Wide e = error(nx, ny);
            if (bestError < 0 || e < bestError) {
                bestError = e;
                best = {nx, ny};
            }
        };
        if (x != endX) consider(x + 2, y);
        if (x != endX && y != endY) consider(x + 2, y + 2);
        if (y != endY) consider(x, y + 2);
        x = best.x;
        y = best.y;
        quarter.push_back(best);
    }
    std::vector<Point> all;
    all.reserve(quarter.size() * 4);
    for (const Point& p : quarter) {
        all.push_back(p);
        if (p.x != 0) all.push_back({-p.x, p.y});
        if (p.y != 0) all.push_back({p.x, -p.y});
        if (p.x != 0 && p.y != 0) all.push_back({-p.x, -p.y});
    }
    return all;
}

// Cross product in the usual orientation (y up), from screen coordinates.
Wide cross(Point u, Point v) {
    return Wide(u.x) * (-v.y) - Wide(-u.y) * v.x;
}
Wide dot(Point u, Point v) {
    return Wide(u.x) * v.x + Wide(u.y) * v.y;
}

// Whether p lies in the sector from ray s counter-clockwise to ray e, both
// rays included.
bool inSector(Point p, Point s, Point e) {
    const Wide turn = cross(s, e);
    if (turn > 0) return cross(s, p) >= 0 && cross(p, e) >= 0;
    if (turn < 0) return !(cross(e, p) > 0 && cross(p, s) > 0);
    return cross(s, p) >= 0;  // opposite rays: the half turn on the left of s
}

// The outline pixel nearest to where ray r meets the ellipse.
std::size_t endPixel(const std::vector<Point>& outline, Point r, std::int64_t a, std::int64_t b) {
    const double len =
        std::sqrt(double(b) * b * double(r.x) * r.x + double(a) * a * double(r.y) * r.y);
    const double k = len > 0 ? double(a) * double(b) / len : 0.0;
    const double ex = k * double(r.x), ey = k * double(r.y);
    std::size_t best = 0;
    double bestDistance = -1;
    for (std::size_t i = 0; i < outline.size(); ++i) {
        const double ddx = double(outline[i].x) - ex, ddy = double(outline[i].y) - ey;
        const double d = ddx * ddx + ddy * ddy;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

}  // namespace

void Surface::arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye,
                  Colour c, DrawMode mode) {
    // The figure keeps inside the box with its right and bottom edges excluded.
    const std::int64_t l = std::min(left, right), t = std::min(top, bottom);
    const std::int64_t r = std::max(l, std::int64_t(std::max(left, right)) - 1);
    const std::int64_t btm = std::max(t, std::int64_t(std::max(top, bottom)) - 1);
    const std::int64_t a = r - l, b = btm - t;
    if (a > kLargestBox || b > kLargestBox || empty()) return;
    const std::int64_t cx2 = l + r, cy2 = t + btm;  // twice the centre

    const std::vector<Point> outline = traceEllipse(a, b);
    const Point s{2 * std::int64_t(xs) - cx2, 2 * std::int64_t(ys) - cy2};
    const Point e{2 * std::int64_t(xe) - cx2, 2 * std::int64_t(ye) - cy2};
    const bool whole =
        (cross(s, e) == 0 && dot(s, e) > 0) || (s.x == 0 && s.y == 0) || (e.x == 0 && e.y == 0);

    // Marked first and drawn once, so that inverting never turns a pixel twice.
    std::vector<char> drawn(outline.size(), 0);
    for (std::size_t i = 0; i < outline.size(); ++i) drawn[i] = whole || inSector(outline[i], s, e);
    if (!whole && a != 0 && b != 0) {
        drawn[endPixel(outline, s, a, b)] = 1;
        drawn[endPixel(outline, e, a, b)] = 1;
    }
    for (std::size_t i = 0; i < outline.size(); ++i) {
        if (!drawn[i]) continue;
        const int x = int((outline[i].x + cx2) / 2), y = int((outline[i].y + cy2) / 2);
        if (!contains(x, y)) continue;
        Colour& p = row(y)[x];
        p = mode == DrawMode::Invert ? p ^ 0xFFFFFFu : c;
    }
}

void Surface::circle(double cx, double cy, double radius, Colour c, DrawMode mode) {
    if (std::isnan(cx) || std::isnan(cy) || std::isnan(radius)) return;
    constexpr double kLimit = 1 << 28;
    const double rr = std::min(std::abs(radius), kLimit);
    auto whole = [&](double v) { return int(std::nearbyint(std::clamp(v, -kLimit, kLimit))); };
    const int left = whole(cx - rr), top = whole(cy - rr);
    const int right = whole(cx + rr) + 1, bottom = whole(cy + rr) + 1;
    arc(left, top, right, bottom, right, top, right, top, c, mode);
}

}  // namespace tess
