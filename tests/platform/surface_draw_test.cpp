#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <random>

#include "platform/ascii_picture.h"
#include "platform/surface.h"

namespace tess {
namespace {

using testing::ascii;
using testing::picture;
using Rows = std::vector<std::string>;

TEST(Surface, ReadingOutsideGivesNoColourAndWritingOutsideIsIgnored) {
    Surface s(3, 2, 0x123456);
    EXPECT_EQ(s.pixel(0, 0), 0x123456u);
    EXPECT_EQ(s.pixel(-1, 0), kNoColour);
    EXPECT_EQ(s.pixel(3, 0), kNoColour);
    EXPECT_EQ(s.pixel(0, 2), kNoColour);
    s.setPixel(3, 1, kBlack);
    s.setPixel(-1, -1, kBlack);
    EXPECT_EQ(s, Surface(3, 2, 0x123456));
}

TEST(Surface, ResizeKeepsTheUpperLeftAndFillsTheRestWithTheBackground) {
    Surface s = picture({"#r", "b#"});
    s.resize(3, 3);
    EXPECT_EQ(ascii(s), (Rows{"#r.", "b#.", "..."}));
    s.resize(1, 2);
    EXPECT_EQ(ascii(s), (Rows{"#", "b"}));
    s.setBackground(kBlack);
    s.clear();
    EXPECT_EQ(ascii(s), (Rows{"#", "#"}));
}

// Each segment with exactly the pixels it lights: never its last one, exact
// halves to the smaller coordinate in the direction drawn, end points rounded
// half to even, huge or broken coordinates harmless.
TEST(Line, LightsExactlyItsPixels) {
    struct Case {
        double x1, y1, x2, y2;
        Rows expected;
    };
    const Case cases[] = {
        {0, 1, 4, 1, {"......", "rrrr..", "......"}},
        {5, 0, 5, 2, {".....r", ".....r", "......"}},
        {2, 2, 2, 2, {"...", "...", "..."}},  // zero length: nothing at all
        {0, 0, 5, 5, {"r.....", ".r....", "..r...", "...r..", "....r.", "......"}},
        {6, 2, 0, 0, {".r.....", "..rrr..", ".....rr"}},  // backward: stops before (0,0)
        {0, 0, 4, 1, {"rrr..", "...r."}},                 // y = 0.5 exactly at x = 2
        {4, 1, 0, 0, {".rr..", "...rr"}},
        {0.5, 0, 3.5, 0, {"rrrr.."}},  // 0 .. 4, last excluded
        {1.5, 0, 4.5, 0, {"..rr.."}},  // 2 .. 4, last excluded
        {-1e12, 1, 1e12, 1, {"....", "rrrr", "...."}},
        {std::nan(""), 0, 3, 0, {"....", "...."}},
    };
    for (const Case& c : cases) {
        Surface s(int(c.expected[0].size()), int(c.expected.size()));
        s.line(c.x1, c.y1, c.x2, c.y2, 0x0000FF);
        EXPECT_EQ(ascii(s), c.expected) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
    }
}

TEST(Line, InvertTurnsEachPixelIntoItsComplementAndTwiceRestores) {
    Surface s = picture({"#.rb"});
    const Surface before = s;
    s.line(0, 0, 4, 0, 0x0000FF, DrawMode::Invert);
    EXPECT_EQ(s.pixel(0, 0), kWhite);
    EXPECT_EQ(s.pixel(1, 0), kBlack);
    EXPECT_EQ(s.pixel(2, 0), 0xFFFF00u);
    EXPECT_EQ(s.pixel(3, 0), 0x00FFFFu);
    s.line(0, 0, 4, 0, kBlack, DrawMode::Invert);
    EXPECT_EQ(s, before);
}

// A segment crossing the border must light exactly the pixels that the whole
// segment lights on a larger surface: clipping may not shift the line.
TEST(Line, ClippedSegmentsMatchTheWholeSegment) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-30, 45);
    for (int round = 0; round < 500; ++round) {
        const int x1 = coordinate(random), y1 = coordinate(random);
        const int x2 = coordinate(random), y2 = coordinate(random);
        Surface small(16, 12);
        small.line(x1, y1, x2, y2, kBlack);
        Surface large(120, 120);
        large.line(x1 + 40, y1 + 40, x2 + 40, y2 + 40, kBlack);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 16; ++x)
                ASSERT_EQ(small.pixel(x, y), large.pixel(x + 40, y + 40))
                    << "segment (" << x1 << "," << y1 << ")-(" << x2 << "," << y2 << ") at " << x
                    << "," << y;
    }
}

TEST(Rectangle, OutlineExcludesRightAndBottomAndTheBrushFillsInside) {
    Surface s(6, 5);
    s.rectangle(1, 1, 5, 4, kBlack, Brush::solid(0x0000FF));
    EXPECT_EQ(ascii(s), (Rows{"......", ".####.", ".#rr#.", ".####.", "......"}));
    Surface t(6, 5);
    t.rectangle(5, 4, 1, 1, kBlack, Brush::hollow());  // corners in any order
    EXPECT_EQ(ascii(t), (Rows{"......", ".####.", ".#..#.", ".####.", "......"}));
    Surface u(4, 3);
    u.rectangle(1, 0, 3, 2, kNoColour, Brush::solid(kBlack));
    EXPECT_EQ(ascii(u), (Rows{".##.", ".##.", "...."}));
}

TEST(Brush, HatchLinesLieWhereTheirNamesSay) {
    auto bit = [](HatchStyle style, int x, int y) { return hatchBits(style)[y] >> (7 - x) & 1; };
    auto count = [](HatchStyle style) {
        int n = 0;
        for (std::uint8_t row : hatchBits(style)) n += std::popcount(row);
        return n;
    };
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(bit(HatchStyle::ForwardDiagonal, i, i));       // upper left to lower right
        EXPECT_TRUE(bit(HatchStyle::BackwardDiagonal, 7 - i, i));  // lower left to upper right
        EXPECT_EQ(hatchBits(HatchStyle::Cross)[i],
                  hatchBits(HatchStyle::Horizontal)[i] | hatchBits(HatchStyle::Vertical)[i]);
        EXPECT_EQ(
            hatchBits(HatchStyle::DiagonalCross)[i],
            hatchBits(HatchStyle::ForwardDiagonal)[i] | hatchBits(HatchStyle::BackwardDiagonal)[i]);
    }
    EXPECT_EQ(count(HatchStyle::Horizontal), 8);
    EXPECT_EQ(count(HatchStyle::Vertical), 8);
    EXPECT_EQ(count(HatchStyle::ForwardDiagonal), 8);
    EXPECT_EQ(count(HatchStyle::Cross), 15);
    EXPECT_EQ(count(HatchStyle::DiagonalCross), 16);
}

// The brush phase belongs to the surface: two fills starting at different
// places agree wherever they overlap, and clear hatch bits leave pixels alone.
TEST(Brush, HatchAndPatternPhasesFollowTheSurfaceOrigin) {
    std::array<Colour, 64> cells{};
    for (int i = 0; i < 64; ++i) cells[i] = Colour(i);
    for (const Brush& brush : {Brush::hatched(HatchStyle::DiagonalCross),
                               Brush::hatched(HatchStyle::Horizontal), Brush::patterned(cells)}) {
        Surface a(20, 20, 0x0000FF), b(20, 20, 0x0000FF);
        a.fillRect(0, 0, 20, 20, brush);
        b.fillRect(3, 5, 17, 19, brush);
        for (int y = 5; y < 19; ++y)
            for (int x = 3; x < 17; ++x) ASSERT_EQ(a.pixel(x, y), b.pixel(x, y)) << x << "," << y;
    }
    Surface p(16, 16);
    p.fillRect(2, 3, 16, 16, Brush::patterned(cells));
    EXPECT_EQ(p.pixel(2, 3), Colour(3 * 8 + 2));
    EXPECT_EQ(p.pixel(13, 10), Colour(2 * 8 + 5));
    Surface h(10, 9, 0x0000FF);
    h.fillRect(0, 0, 10, 9, Brush::hatched(HatchStyle::Horizontal));
    const auto bits = hatchBits(HatchStyle::Horizontal);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(h.pixel(x, y), (bits[y & 7] >> (7 - (x & 7)) & 1) ? kBlack : 0x0000FFu);
}

TEST(ReplaceColour, OnlyTheKeyColourTakesTheOtherPicture) {
    Surface s = picture({"r.r", "#rr"});
    const Surface from = picture({"bbb", "ggg"});
    s.takeWhereKey(0x0000FF, from);
    EXPECT_EQ(ascii(s), (Rows{"b.b", "#gg"}));
    Surface wide = picture({"rrrr"});
    wide.takeWhereKey(0x0000FF, picture({"##"}));  // no pixel to take past the other's edge
    EXPECT_EQ(ascii(wide), (Rows{"##rr"}));
}

}  // namespace
}  // namespace tess
