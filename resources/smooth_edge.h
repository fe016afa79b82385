#pragma once

#include <initializer_list>
#include <vector>

namespace tess::resources {

// One edge of a drawing given by knots (y, x) with y strictly rising: a
// monotone cubic through them (no overshoot between knots, so a knot's
// value is never exceeded and the edge never wobbles).
class SmoothEdge {
  public:
    struct Knot {
        double y;
        double x;
    };
    SmoothEdge(std::initializer_list<Knot> knots);

    double firstY() const { return knots_.front().y; }
    double lastY() const { return knots_.back().y; }
    // The edge's x at y (clamped to the end knots outside them). Exact at a knot.
    double at(double y) const;

  private:
    std::vector<Knot> knots_;
    std::vector<double> slopes_;
};

// An edge made of smooth pieces that meet at corners: each piece keeps its own
// slopes, so a corner stays sharp.
class PiecewiseEdge {
  public:
    PiecewiseEdge(std::initializer_list<SmoothEdge> pieces) : pieces_(pieces) {}
    double at(double y) const;

  private:
    std::vector<SmoothEdge> pieces_;
};

}  // namespace tess::resources
