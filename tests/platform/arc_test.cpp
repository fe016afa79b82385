#include <gtest/gtest.h>

#include "platform/ascii_picture.h"
#include "platform/surface.h"

namespace tess {
namespace {

using testing::ascii;
using Rows = std::vector<std::string>;

int blackCount(const Surface& s) {
    int n = 0;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) n += s.pixel(x, y) == kBlack;
    return n;
}

// The ellipse of box (1,1)-(12,8): columns 1..11, rows 1..7, centre (6, 4).
const Colour kRed = 0x0000FF;
constexpr int L = 1, T = 1, R = 12, B = 8, CX = 6, CY = 4;

// Rows [from, to) of `s`, the others white.
Surface onlyRows(Surface s, int from, int to) {
    for (int y = 0; y < s.height(); ++y)
        if (y < from || y >= to) s.fillRect(0, y, s.width(), y + 1, Brush::solid(kWhite));
    return s;
}

// Equal rays draw the whole closed ellipse; from the left point to the right
// point is its lower half on screen, the other way round its upper half.
TEST(Arc, HalvesMeetAtBothEndsAndMakeTheWholeEllipse) {
    Surface whole(14, 10);
    whole.arc(L, T, R, B, R, CY, R, CY, kBlack);
    EXPECT_EQ(ascii(whole), (Rows{
                                "..............",
                                "....#####.....",
                                "..##.....##...",
                                ".#.........#..",
                                ".#.........#..",
                                ".#.........#..",
                                "..##.....##...",
                                "....#####.....",
                                "..............",
                                "..............",
                            }));
    Surface lower(14, 10), upper(14, 10);
    lower.arc(L, T, R, B, L, CY, R - 1, CY, kBlack);
    upper.arc(L, T, R, B, R - 1, CY, L, CY, kBlack);
    EXPECT_EQ(lower, onlyRows(whole, CY, 10));
    EXPECT_EQ(onlyRows(upper, 0, CY), onlyRows(whole, 0, CY));
    EXPECT_EQ(onlyRows(upper, CY + 1, 10), Surface(14, 10));
    upper.arc(L, T, R, B, L, CY, R - 1, CY, kBlack);
    EXPECT_EQ(upper, whole);
    // Closed: a fill inside stays inside.
    whole.floodSurface(CX, CY, Brush::solid(0x0000FF));
    EXPECT_EQ(whole.pixel(0, 0), kWhite);
    EXPECT_EQ(whole.pixel(13, 9), kWhite);
}

TEST(Arc, BoxCornersInAnyOrderDrawTheSameArc) {
    Surface a(14, 10), b(14, 10), c(14, 10);
    a.arc(L, T, R, B, L, CY, CX, T, kBlack);
    b.arc(R, B, L, T, L, CY, CX, T, kBlack);
    c.arc(L, B, R, T, L, CY, CX, T, kBlack);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a, c);
    // Counter-clockwise from the left to the top goes round by the bottom and
    // the right: three quarters, both end pixels in.
    EXPECT_EQ(a.pixel(L, CY), kBlack);
    EXPECT_EQ(a.pixel(CX, T), kBlack);
    EXPECT_EQ(a.pixel(CX, B - 1), kBlack);
    EXPECT_EQ(a.pixel(R - 1, CY), kBlack);
    EXPECT_EQ(a.pixel(2, 2), kWhite);  // the upper left quarter is left out
}

TEST(Arc, AFlatBoxDrawsASegmentEitherWayRound) {
    Surface s(10, 3), t(10, 3), u(3, 6);
    s.arc(2, 1, 8, 1, 2, 1, 8, 1, kBlack);
    t.arc(2, 1, 8, 2, 8, 1, 2, 1, kBlack);  // one pixel high
    u.arc(1, 1, 1, 5, 1, 1, 1, 5, kBlack);
    EXPECT_EQ(ascii(s), (Rows{"..........", "..######..", ".........."}));
    EXPECT_EQ(t, s);
    EXPECT_EQ(ascii(u), (Rows{"...", ".#.", ".#.", ".#.", ".#.", "..."}));
}

// Engrailed edges are chains of lower half arcs, each from the left point to
// the right point of its box; the chain must cut the surface in two.
TEST(Arc, ChainedHalfArcsSeparateTheTwoSides) {
    for (int h : {2, 3, 5, 8, 24}) {
        for (int d : {0, 1, 2, 6}) {
            Surface s(100, 30);
            const int y = 15;
            for (int m = -h; m < 100 + h; m += h) {
                s.arc(m, y + d, m + h, y - d, m, y, m + h, y, kBlack);
            }
            for (int x = 0; x < 100; ++x)  // the arcs hang below the line, never above
                ASSERT_EQ(s.pixel(x, y - 1), kWhite) << "h=" << h << " d=" << d << " x=" << x;
            s.floodSurface(0, 0, Brush::solid(0x0000FF));
            for (int x = 0; x < 100; ++x)
                ASSERT_NE(s.pixel(x, 29), 0x0000FFu) << "leak with h=" << h << " d=" << d;
            EXPECT_GT(blackCount(s), 90);
        }
    }
}

TEST(Arc, WavyChainOfAlternateHalvesIsConnected) {
    // Upper half running a little past its left end, then a lower half.
    const int h = 10, d = 4, y = 12;
    Surface s(80, 24);
    for (int m = -2 * h; m < 80 + h;) {
        s.arc(m + h, y + d, m, y - d, m + h, y, m, y + 2, kBlack);
        m += h;
        s.arc(m, y + d, m + h, y - d, m, y, m + h, y, kBlack);
        m += h;
    }
    s.floodSurface(0, 0, Brush::solid(0x0000FF));
    for (int x = 0; x < 80; ++x) ASSERT_NE(s.pixel(x, 23), 0x0000FFu) << x;
}

TEST(Arc, InvertingTurnsEachPixelOnceAndTwiceRestores) {
    Surface copy(14, 10), inverted(14, 10);
    copy.arc(L, T, R, B, L, CY, CX, T, kBlack);  // end pixels lie on the traced outline too
    inverted.arc(L, T, R, B, L, CY, CX, T, kRed, DrawMode::Invert);
    EXPECT_EQ(inverted, copy);
    inverted.arc(L, T, R, B, L, CY, CX, T, kBlack, DrawMode::Invert);
    EXPECT_EQ(inverted, Surface(14, 10));
}

TEST(Circle, RoundARealCentreThroughItsFourKeyPoints) {
    Surface s(21, 21);
    s.circle(10.2, 9.8, 6, kBlack);
    for (auto [x, y] : {std::pair{4, 10}, {16, 10}, {10, 4}, {10, 16}})
        EXPECT_EQ(s.pixel(x, y), kBlack) << x << "," << y;
    EXPECT_EQ(s.pixel(10, 10), kWhite);
    EXPECT_EQ(s.pixel(10, 3), kWhite);
    // Symmetric both ways about the centre pixel.
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x) {
            ASSERT_EQ(s.pixel(x, y), s.pixel(20 - x, y));
            ASSERT_EQ(s.pixel(x, y), s.pixel(x, 20 - y));
        }
    s.circle(10.2, 9.8, 6, kBlack, DrawMode::Invert);
    EXPECT_EQ(blackCount(s), 0);
}

TEST(Arc, HugeBoxesFromDamagedInputAreIgnored) {
    Surface s(4, 4);
    s.arc(-2000000000, -2000000000, 2000000000, 2000000000, 0, 0, 1, 1, kBlack);
    EXPECT_EQ(blackCount(s), 0);
}

}  // namespace
}  // namespace tess
