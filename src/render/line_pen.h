#pragma once

#include <initializer_list>

#include "platform/surface.h"

namespace tess {

struct LinePoint {
    int x = 0;
    int y = 0;
    bool operator==(const LinePoint&) const = default;
};

inline LinePoint operator+(LinePoint a, LinePoint b) {
    return {a.x + b.x, a.y + b.y};
}
inline LinePoint operator-(LinePoint a) {
    return {-a.x, -a.y};
}

// The two drawing operations of a heraldic line, bound to one surface and one
// colour. Segments keep the surface's convention (last pixel not drawn), so a
// chain of segments meeting end to start leaves no hole.
class LinePen {
  public:
    LinePen(Surface& pic, Colour colour) : pic_(pic), colour_(colour) {}

    Surface& surface() const { return pic_; }

    void line(int x1, int y1, int x2, int y2) const { pic_.line(x1, y1, x2, y2, colour_); }
    void line(LinePoint from, LinePoint to) const { line(from.x, from.y, to.x, to.y); }

    // Consecutive segments through the points.
    void path(std::initializer_list<LinePoint> points) const {
        const LinePoint* previous = nullptr;
        for (const LinePoint& point : points) {
            if (previous) line(*previous, point);
            previous = &point;
        }
    }

    // Counter-clockwise on screen from the ray through the start point to the
    // ray through the end point, on the ellipse inscribed in the box.
    void arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye) const {
        pic_.arc(left, top, right, bottom, xs, ys, xe, ye, colour_);
    }

  private:
    Surface& pic_;
    Colour colour_;
};

}  // namespace tess
