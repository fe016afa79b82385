// The line engine on its own: every line cuts a surface in two, a few exact
// figures, and the styles a damaged document may hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "model/line_kinds.h"
#include "render/diagonal_line.h"
#include "render/heraldic_line.h"

namespace tess {
namespace {

constexpr Colour kInk = 0x808080u;
constexpr Colour kMark = 0x0000FFu;

LineStyle style(int kind, int width = 48, int depth = 24, Integer plumb = kFalse) {
    return {Integer(depth), Integer(width), Long(kind), plumb};
}

Surface drawn(int w, int h, int x1, int y1, int x2, int y2, const LineStyle& s, bool edge,
              int direction) {
    Surface pic(w, h);
    DrawHeraldicLine(pic, x1, y1, x2, y2, s, kInk, edge, direction);
    return pic;
}

// The figure a chain of plain segments through the points gives.
Surface polyline(int w, int h, std::initializer_list<std::pair<int, int>> points) {
    Surface pic(w, h);
    const std::pair<int, int>* previous = nullptr;
    for (const auto& point : points) {
        if (previous) pic.line(previous->first, previous->second, point.first, point.second, kInk);
        previous = &point;
    }
    return pic;
}

// Whether a flood from `a` stays clear of `b` (and neither lies on the line).
bool separated(Surface pic, std::pair<int, int> a, std::pair<int, int> b) {
    if (pic.pixel(a.first, a.second) != kWhite || pic.pixel(b.first, b.second) != kWhite)
        return false;
    pic.floodSurface(a.first, a.second, Brush::solid(kMark));
    return pic.pixel(b.first, b.second) == kWhite;
}

struct Extent {
    int left = 1 << 30, top = 1 << 30, right = -(1 << 30), bottom = -(1 << 30);
    int pixels = 0;
    int strays = 0;  // pixels in neither white nor the line's colour
};

Extent extentOf(const Surface& pic) {
    Extent e;
    for (int y = 0; y < pic.height(); ++y) {
        for (int x = 0; x < pic.width(); ++x) {
            const Colour c = pic.row(y)[x];
            if (c == kWhite) continue;
            if (c != kInk) ++e.strays;
            ++e.pixels;
            e.left = std::min(e.left, x);
            e.right = std::max(e.right, x);
            e.top = std::min(e.top, y);
            e.bottom = std::max(e.bottom, y);
        }
    }
    return e;
}

TEST(HeraldicLine, StraightLinesCutTheSurfaceInTwoWhicheverWayTheyRun) {
    // Widths and depths beyond what the dialog offers too: a damaged document
    // may hold any of them.
    for (int kind = kLinePlain; kind <= kLineBastille; ++kind) {
        for (bool edge : {true, false}) {
            for (int width : {-4, 0, 1, 2, 3, 5, 10, 25, 48, 100}) {
                for (int depth : {1, 10, 25, 51}) {
                    const LineStyle s = style(kind, width, depth);
                    SCOPED_TRACE(::testing::Message() << "kind " << kind << " edge " << edge
                                                      << " width " << width << " depth " << depth);
                    const Surface across = drawn(200, 200, -5, 100, 205, 100, s, edge, 1);
                    const Surface back = drawn(200, 200, 205, 100, -5, 100, s, edge, 1);
                    const Surface down = drawn(200, 200, 100, -5, 100, 205, s, edge, 2);
                    const Surface up = drawn(200, 200, 100, 205, 100, -5, s, edge, 2);
                    EXPECT_TRUE(separated(across, {100, 0}, {100, 199}));
                    EXPECT_TRUE(separated(back, {100, 0}, {100, 199}));
                    EXPECT_TRUE(separated(down, {0, 100}, {199, 100}));
                    EXPECT_TRUE(separated(up, {0, 100}, {199, 100}));
                    // Arcs too are drawn in the line's colour.
                    for (const Surface* pic : {&across, &back, &down, &up})
                        EXPECT_EQ(extentOf(*pic).strays, 0);
                }
            }
        }
    }
}

TEST(HeraldicLine, DenteleRunsWholePeriodsUntilPastTheEnd) {
    // 24 deep and 20 wide: the zigzag's last period runs 10 pixels past the end.
    EXPECT_EQ(drawn(60, 130, 0, 100, 30, 100, style(kLineDentele, 20, 24), true, 1),
              polyline(60, 130, {{0, 112}, {10, 88}, {20, 112}, {30, 88}, {40, 112}}));
    // Odd sizes are halved with truncation: half periods of 12, 12 either side.
    EXPECT_EQ(
        drawn(90, 100, 0, 50, 48, 50, style(kLineDentele, 25, 25), true, 1),
        polyline(90, 100, {{0, 62}, {12, 38}, {24, 62}, {36, 38}, {48, 62}, {60, 38}, {72, 62}}));
    // Vertically the same zigzag, across and along swapped.
    EXPECT_EQ(drawn(130, 60, 100, 0, 100, 30, style(kLineDentele, 20, 24), false, 2),
              polyline(130, 60, {{112, 0}, {88, 10}, {112, 20}, {88, 30}, {112, 40}}));
}

TEST(HeraldicLine, CreneleAndBastilleAreStraightOnTheirPlainEdge) {
    for (int direction : {1, 2}) {
        const int x2 = direction == 1 ? 150 : 40, y2 = direction == 1 ? 40 : 150;
        const Surface straight = polyline(200, 200, {{40, 40}, {x2, y2}});
        EXPECT_EQ(drawn(200, 200, 40, 40, x2, y2, style(kLineBastille), true, direction), straight);
        EXPECT_EQ(drawn(200, 200, 40, 40, x2, y2, style(kLineCrenele), false, direction), straight);
        EXPECT_NE(drawn(200, 200, 40, 40, x2, y2, style(kLineBastille), false, direction),
                  straight);
        EXPECT_NE(drawn(200, 200, 40, 40, x2, y2, style(kLineCrenele), true, direction), straight);
    }
}

TEST(HeraldicLine, BretesseUpperEdgeStartsHalfAPeriodEarlyAndStillReachesTheEnd) {
    const LineStyle s = style(kLineBretesse, 20, 10);
    // Upper edge: from half a period (10) before the start; the other edge
    // from the start itself. Both reach past the end, in either order.
    const Extent upper = extentOf(drawn(200, 100, 40, 50, 120, 50, s, true, 1));
    const Extent lower = extentOf(drawn(200, 100, 40, 50, 120, 50, s, false, 1));
    const Extent upperBack = extentOf(drawn(200, 100, 120, 50, 40, 50, s, true, 1));
    EXPECT_EQ(upper.left, 30);
    EXPECT_GE(upper.right, 120);
    EXPECT_EQ(lower.left, 40);
    EXPECT_GE(lower.right, 120);
    EXPECT_EQ(upperBack.right, 130);
    EXPECT_LE(upperBack.left, 40);
    EXPECT_EQ(upper.top, 45);
    EXPECT_EQ(upper.bottom, 55);
}

TEST(HeraldicLine, VerticalNebuleIgnoresTheOrderOfItsEnds) {
    const LineStyle s = style(kLineNebule);
    EXPECT_EQ(drawn(365, 440, 182, -10, 182, 442, s, true, 2),
              drawn(365, 440, 182, 442, 182, -10, s, true, 2));
}

TEST(HeraldicLine, EngreleArcsBulgeIntoThePiece) {
    const LineStyle s = style(kLineEngrele, 20, 16);
    // A horizontal piece: the upper edge's arcs hang below it, the lower
    // edge's stand above it.
    const Extent upperEdge = extentOf(drawn(120, 100, 0, 50, 100, 50, s, true, 1));
    const Extent lowerEdge = extentOf(drawn(120, 100, 0, 50, 100, 50, s, false, 1));
    EXPECT_EQ(upperEdge.top, 50);
    EXPECT_GE(upperEdge.bottom, 56);
    EXPECT_LE(lowerEdge.top, 44);
    EXPECT_EQ(lowerEdge.bottom, 50);
    // A vertical piece: the left edge's arcs bulge right, the right edge's left.
    const Extent leftEdge = extentOf(drawn(100, 120, 50, 0, 50, 100, s, true, 2));
    const Extent rightEdge = extentOf(drawn(100, 120, 50, 0, 50, 100, s, false, 2));
    EXPECT_EQ(leftEdge.left, 50);
    EXPECT_GE(leftEdge.right, 56);
    EXPECT_LE(rightEdge.left, 44);
    EXPECT_EQ(rightEdge.right, 50);
    // Each edge covers its whole length.
    for (const Extent& e : {upperEdge, lowerEdge}) {
        EXPECT_EQ(e.left, 0);
        EXPECT_GE(e.right, 99);  // arcs keep off their box's right edge
    }
}

TEST(HeraldicLine, DiagonalStepsAt45Degrees) {
    // Half a period of 24 along the line, half the depth (12) across it.
    EXPECT_EQ(diagonalSteps(50, 50, 150, 150, style(kLineCrenele, 48, 24)),
              (DiagonalSteps{17, 17, 8, 8}));
    EXPECT_EQ(diagonalSteps(150, 50, 50, 150, style(kLineCrenele, 48, 24)),
              (DiagonalSteps{17, 17, 8, 8}));
}

TEST(HeraldicLine, DiagonalKindsWithoutADiagonalFormArePlain) {
    for (int direction : {kLineBend, kLineBendSinister}) {
        const int x1 = direction == kLineBend ? 50 : 315, x2 = 365 - x1;
        const Surface plain = drawn(365, 440, x1, 50, x2, 390, style(kLinePlain), true, direction);
        // The plain line runs on above the top and down to the bottom row.
        const Extent e = extentOf(plain);
        EXPECT_EQ(e.top, 0);
        EXPECT_EQ(e.bottom, 439);
        for (int kind : {kLineNebule, kLineEngrele})
            EXPECT_EQ(drawn(365, 440, x1, 50, x2, 390, style(kind), true, direction), plain);
        // A single line (edge flag True) is plain for bastillé, patterned for crênelé.
        EXPECT_EQ(drawn(365, 440, x1, 50, x2, 390, style(kLineBastille), true, direction), plain);
        EXPECT_NE(drawn(365, 440, x1, 50, x2, 390, style(kLineCrenele), true, direction), plain);
    }
}

TEST(HeraldicLine, StylesThatCannotBeSteppedArePlain) {
    // Lines the engine could not advance along: no period, a diagonal without
    // height, a diagonal too steep for one whole pixel across per half period,
    // or a kind no document should hold. Each ends, and draws the plain line.
    struct Case {
        int x1, y1, x2, y2, direction;
        LineStyle s;
    };
    const Case cases[] = {
        {-5, 100, 205, 100, 1, style(kLineDentele, 1)},
        {100, -5, 100, 205, 2, style(kLineBretesse, 0)},
        {-5, 100, 205, 100, 1, style(kLineNebule, -48)},
        {50, 50, 150, 150, kLineBend, style(kLineCrenele, 1)},
        {150, 50, 50, 150, kLineBendSinister, style(kLineDentele, 0)},
        {20, 100, 180, 100, kLineBend, style(kLineDentele)},
        {180, 100, 20, 100, kLineBendSinister, style(kLineBretesse)},
        {100, 0, 101, 200, kLineBend, style(kLineContreBretesse, 10)},
        {-5, 100, 205, 100, 1, style(9)},
        {100, -5, 100, 205, 2, style(18)},
        {50, 50, 150, 150, kLineBend, style(-3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "kind " << c.s.LineKind << " width " << c.s.Width
                                          << " direction " << c.direction);
        const LineStyle before = c.s;
        Surface pic(200, 200);
        DrawHeraldicLine(pic, c.x1, c.y1, c.x2, c.y2, c.s, kInk, true, c.direction);
        EXPECT_EQ(pic,
                  drawn(200, 200, c.x1, c.y1, c.x2, c.y2, style(kLinePlain), true, c.direction));
        EXPECT_EQ(c.s, before);
    }
}

TEST(HeraldicLine, UnknownDirectionDrawsNothing) {
    for (int direction : {0, 5, -1})
        EXPECT_EQ(
            extentOf(drawn(50, 50, 0, 25, 50, 25, style(kLineDentele), true, direction)).pixels, 0);
}

TEST(HeraldicLine, BendSinisterDenteleLeavesItsFirstUpperCornerForTheTop) {
    // 45 degrees, 48 wide and 24 deep: half steps of 17 along, 8 across. The
    // pattern starts two half steps before (300, 50), at (334, 16); its first
    // upper corner (326, 8) lies outward of the start point, and the start
    // extension runs from there to (349, -15).
    const Surface pic =
        drawn(365, 440, 300, 50, 100, 250, style(kLineDentele, 48, 24), true, kLineBendSinister);
    const Surface extension = polyline(365, 440, {{326, 8}, {349, -15}});
    for (int y = 0; y < 10; ++y)
        for (int x = 320; x < 345; ++x)
            if (extension.pixel(x, y) == kInk) {
                EXPECT_EQ(pic.pixel(x, y), kInk) << x << ", " << y;
            }
}

TEST(HeraldicLine, DiagonalWaveThatClosesTheLineEndsThere) {
    // A short deep crênelé ending inside the picture: its wave crosses the end
    // extension and stops near row 365; below it the extension runs alone to
    // the bottom, without a second segment beside it.
    const Surface pic =
        drawn(365, 440, 315, -10, 50, 330, style(kLineCrenele, 10, 27), true, kLineBendSinister);
    const Surface extension = polyline(365, 440, {{50, 330}, {35, 440}});
    for (int y = 400; y < 440; ++y)
        for (int x = 0; x < 365; ++x)
            EXPECT_EQ(pic.pixel(x, y), extension.pixel(x, y)) << x << ", " << y;

    // Vertical-sided merlons 50 deep on an 11-wide period: the last merlon's
    // side (x = 53) leaves the picture through its bottom, and no further
    // period rises back into it beside the end extension.
    const Surface plumb = drawn(365, 440, 315, 50, 50, 390, style(kLineCrenele, 11, 50, kTrue),
                                true, kLineBendSinister);
    const Surface plumbExtension = polyline(365, 440, {{50, 390}, {35, 440}});
    for (int y = 380; y < 440; ++y)
        for (int x = 0; x < 53; ++x)
            EXPECT_EQ(plumb.pixel(x, y), plumbExtension.pixel(x, y)) << x << ", " << y;
}

TEST(HeraldicLine, DiagonalEndExtensionStopsAtTheBottomOfItsSurface) {
    // An edge of a bande on the ordinaries' 465 x 540 surface ends on its
    // bottom row: nothing may double back up into the picture from there.
    for (int kind : {kLinePlain, kLineCrenele, kLineContreBretesse}) {
        const Surface pic = drawn(465, 540, 80, -1, 505, 540, style(kind), true, kLineBend);
        for (int y = 300; y < 540; ++y) {
            // The line's own course at this row, and the pattern's reach either side.
            const double x = 80 + (505 - 80) * double(y + 1) / 541;
            for (int px = 0; px < 465; ++px)
                if (pic.row(y)[px] == kInk) {
                    EXPECT_NEAR(px, x, 30) << "row " << y;
                }
        }
    }
    // A line ending higher is carried down to that surface's bottom row.
    EXPECT_EQ(
        extentOf(drawn(465, 540, 100, 50, 300, 300, style(kLinePlain), true, kLineBend)).bottom,
        539);
}

}  // namespace
}  // namespace tess
