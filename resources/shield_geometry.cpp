// The seven shield shapes, row by row. Each edge is a smooth curve through
// chosen knots; the knots on the telling rows fix the shapes that documents and
// hit tests rely on, the ones between only shape the curves.
#include "resources/shield_geometry.h"

#include <algorithm>
#include <cmath>

#include "resources/pictures.h"
#include "resources/smooth_edge.h"

namespace tess::resources {

namespace {

constexpr int kLastColumn = kShieldWidth - 1;  // 264
constexpr int kMid = 132;

int nearest(double x) {
    return int(std::lround(x));
}

// Left edges. Shapes without their own right edge are mirrored about x 132.
const PiecewiseEdge& classiqueLeft() {
    static const PiecewiseEdge e{
        SmoothEdge{{1, 1}, {236, 1}},
        SmoothEdge{{236, 1},
                   {240, 2},
                   {260, 5},
                   {280, 8},
                   {300, 15},
                   {310, 25},
                   {320, 43},
                   {325, 76},
                   {330, 119},
                   {334, 127},
                   {338, 132}},
    };
    return e;
}

const PiecewiseEdge& anglaisLeft() {
    static const PiecewiseEdge e{
        SmoothEdge{{1, 1}, {4, 3}, {12, 5.6}, {21, 7}, {30, 8}},
        SmoothEdge{{30, 8}, {220, 8}},
        SmoothEdge{{220, 8},
                   {240, 9},
                   {260, 11},
                   {280, 15},
                   {300, 22},
                   {310, 32},
                   {320, 50},
                   {325, 80},
                   {330, 118},
                   {334, 126},
                   {338, 131}},
    };
    return e;
}

const PiecewiseEdge& anglaisRight() {
    static const PiecewiseEdge e{
        SmoothEdge{{1, 263}, {4, 261}, {12, 258.4}, {21, 257}, {30, 256}},
        SmoothEdge{{30, 256}, {220, 256}},
        SmoothEdge{{220, 256},
                   {240, 255},
                   {260, 252},
                   {280, 249},
                   {300, 241},
                   {310, 231},
                   {320, 212},
                   {325, 181},
                   {330, 141},
                   {334, 137},
                   {338, 132}},
    };
    return e;
}

const PiecewiseEdge& espagnolLeft() {
    static const PiecewiseEdge e{
        SmoothEdge{{1, 1}, {229, 1}},
        SmoothEdge{{229, 1},
                   {240, 3},
                   {260, 7},
                   {280, 17},
                   {300, 33},
                   {320, 59},
                   {330, 82},
                   {334, 95},
                   {336, 104},
                   {337, 111},
                   {338, 120}},
    };
    return e;
}

const PiecewiseEdge& francaisLeft() {
    static const PiecewiseEdge e{
        SmoothEdge{{1, 1}, {133, 1}},
        SmoothEdge{{133, 1},
                   {140, 2},
                   {170, 5},
                   {200, 12},
                   {220, 20},
                   {240, 30},
                   {260, 42},
                   {280, 59},
                   {300, 80},
                   {320, 106},
                   {330, 120},
                   {338, 132}},
    };
    return e;
}

const PiecewiseEdge& demoiselleLeft() {
    static const PiecewiseEdge e{
        SmoothEdge{{1, 132}, {4, 130}, {21, 116}, {50, 94}, {100, 55}, {140, 24}, {170, 2}},
        SmoothEdge{{170, 2},
                   {200, 25},
                   {220, 41},
                   {240, 56},
                   {260, 72},
                   {280, 87},
                   {300, 103},
                   {320, 118},
                   {330, 126},
                   {338, 132}},
    };
    return e;
}

RowRuns single(int first, int last) {
    RowRuns r;
    if (first <= last) r.runs[r.count++] = {first, last};
    return r;
}

RowRuns symmetric(const PiecewiseEdge& left, int y) {
    const int l = nearest(left.at(y));
    return single(l, kLastColumn - l);
}

// The Suisse top: three points at (2,3), (132,2) and (262,3) joined by two
// inward arcs (half-ellipses hanging from above the shield) that close at row 33.
RowRuns suisseTop(int y) {
    // Half-width of each notch on row y; the ellipse is fitted so that the
    // notches span columns 43-88 and 176-221 on row 30 and close at row 33.
    constexpr double a = 70.96, b = 55.57, bottom = 33;
    const double d = bottom - y;
    const double h = d <= 0 ? 0 : a * std::sqrt(d * (2 * b - d)) / b;
    constexpr double leftNotch = 65.5, rightNotch = 198.5;
    RowRuns r;
    int start = -1;
    for (int x = 2; x <= 263; ++x) {
        bool in = x <= 262 && std::abs(x - leftNotch) >= h && std::abs(x - rightNotch) >= h;
        // The three points taper to their tips.
        if (in && x < leftNotch) in = x <= 2 + 2 * (y - 3);
        if (in && x > rightNotch) in = x >= 262 - 2 * (y - 3);
        if (in && x > leftNotch && x < rightNotch) in = std::abs(x - kMid) <= 2 * (y - 2);
        if (in && start < 0) start = x;
        if (!in && start >= 0) {
            if (r.count < 3) r.runs[r.count++] = {start, x - 1};
            start = -1;
        }
    }
    return r;
}

}  // namespace

RowRuns shieldRow(int shape, int y) {
    if (y < 1 || y > kShieldHeight - 2) return {};
    switch (shape) {
        case 2:
            return single(nearest(anglaisLeft().at(y)), nearest(anglaisRight().at(y)));
        case 3:
            return single(1, kLastColumn - 1);
        case 4:
            return symmetric(espagnolLeft(), y);
        case 5:
            return symmetric(francaisLeft(), y);
        case 6:
            return symmetric(demoiselleLeft(), y);
        case 7: {
            if (y < 33) return suisseTop(y);
            const int l = std::max(2, nearest(francaisLeft().at(y)));
            return single(l, kLastColumn - l);
        }
        default:
            return symmetric(classiqueLeft(), y);
    }
}

}  // namespace tess::resources
