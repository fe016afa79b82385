// Fritsch-Carlson monotone cubic interpolation for the drawn edges.
#include "resources/smooth_edge.h"

#include <cmath>

namespace tess::resources {

SmoothEdge::SmoothEdge(std::initializer_list<Knot> knots) : knots_(knots) {
    const std::size_t n = knots_.size();
    slopes_.assign(n, 0.0);
    if (n < 2) return;
    std::vector<double> secant(n - 1);
    for (std::size_t i = 0; i + 1 < n; ++i)
        secant[i] = (knots_[i + 1].x - knots_[i].x) / (knots_[i + 1].y - knots_[i].y);
    slopes_[0] = secant[0];
    slopes_[n - 1] = secant[n - 2];
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const double a = secant[i - 1], b = secant[i];
        if (a * b <= 0) {
            slopes_[i] = 0;  // a turning knot: flat, so the curve cannot overshoot it
            continue;
        }
        const double ha = knots_[i].y - knots_[i - 1].y, hb = knots_[i + 1].y - knots_[i].y;
        const double wa = 2 * hb + ha, wb = hb + 2 * ha;
        slopes_[i] = (wa + wb) / (wa / a + wb / b);  // weighted harmonic mean
    }
    // End slopes: keep them within the monotone limits of their secant.
    for (std::size_t end : {std::size_t(0), n - 1}) {
        const double s = secant[end == 0 ? 0 : n - 2];
        if (slopes_[end] * s <= 0) slopes_[end] = 0;
        if (std::abs(slopes_[end]) > 3 * std::abs(s)) slopes_[end] = 3 * s;
    }
}

double SmoothEdge::at(double y) const {
    if (y <= knots_.front().y) return knots_.front().x;
    if (y >= knots_.back().y) return knots_.back().x;
    std::size_t i = 0;
    while (knots_[i + 1].y < y) ++i;
    const Knot &a = knots_[i], &b = knots_[i + 1];
    if (y == b.y) return b.x;
    const double h = b.y - a.y, t = (y - a.y) / h;
    const double t2 = t * t, t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * a.x + (t3 - 2 * t2 + t) * h * slopes_[i] +
           (-2 * t3 + 3 * t2) * b.x + (t3 - t2) * h * slopes_[i + 1];
}

double PiecewiseEdge::at(double y) const {
    for (const SmoothEdge& piece : pieces_)
        if (y <= piece.lastY()) return piece.at(y);
    return pieces_.back().at(y);
}

}  // namespace tess::resources
