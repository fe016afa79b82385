#include <gtest/gtest.h>

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

TEST(Line, TheLastPixelIsNeverDrawn) {
    Surface s(6, 3);
    s.line(0, 1, 4, 1, kBlack);
    EXPECT_EQ(ascii(s), (Rows{"......", "####..", "......"}));
    s.line(5, 0, 5, 2, 0x0000FF);
    EXPECT_EQ(ascii(s), (Rows{".....r", "####.r", "......"}));
    s.line(2, 2, 2, 2, kBlack);  // zero length: nothing at all
    EXPECT_EQ(s.pixel(2, 2), kWhite);
}

TEST(Line, SlopesAreEightConnectedAndReachTheirLastStep) {
    Surface s(6, 6);
    s.line(0, 0, 5, 5, kBlack);
    EXPECT_EQ(ascii(s), (Rows{"#.....", ".#....", "..#...", "...#..", "....#.", "......"}));
    Surface t(7, 3);
    t.line(6, 2, 0, 0, kBlack);  // drawn backward: starts at (6,2), stops before (0,0)
    EXPECT_EQ(ascii(t), (Rows{".#.....", "..###..", ".....##"}));
}

TEST(Line, ExactHalvesGoToTheSmallerCoordinateEitherWay) {
    Surface forward(5, 2), backward(5, 2);
    forward.line(0, 0, 4, 1, kBlack);  // y = 0.5 exactly at x = 2
    backward.line(4, 1, 0, 0, kBlack);
    EXPECT_EQ(ascii(forward), (Rows{"###..", "...#."}));
    EXPECT_EQ(ascii(backward), (Rows{".##..", "...##"}));
}

TEST(Line, EndPointsRoundHalfToEven) {
    Surface s(6, 1);
    s.line(0.5, 0, 3.5, 0, kBlack);  // 0 .. 4, last excluded
    EXPECT_EQ(ascii(s), (Rows{"####.."}));
    Surface t(6, 1);
    t.line(1.5, 0, 4.5, 0, kBlack);  // 2 .. 4, last excluded
    EXPECT_EQ(ascii(t), (Rows{"..##.."}));
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

TEST(Line, HugeAndBrokenCoordinatesAreHarmless) {
    Surface s(4, 3);
    s.line(-1e12, 1, 1e12, 1, kBlack);
    EXPECT_EQ(ascii(s), (Rows{"....", "####", "...."}));
    s.line(std::nan(""), 0, 3, 0, kBlack);
    EXPECT_EQ(ascii(s)[0], "....");
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
    auto cells = [](HatchStyle style) {
        const auto bits = hatchBits(style);
        Rows rows;
        for (int y = 0; y < 8; ++y) {
            std::string line;
            for (int x = 0; x < 8; ++x) line += (bits[y] >> (7 - x) & 1) ? '#' : '.';
            rows.push_back(line);
        }
        return rows;
    };
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(cells(HatchStyle::ForwardDiagonal)[i][i], '#');       // upper left to lower right
        EXPECT_EQ(cells(HatchStyle::BackwardDiagonal)[i][7 - i], '#');  // lower left to upper right
    }
    auto count = [&](HatchStyle style) {
        int n = 0;
        for (const auto& row : cells(style))
            for (char c : row) n += c == '#';
        return n;
    };
    EXPECT_EQ(count(HatchStyle::Horizontal), 8);
    EXPECT_EQ(count(HatchStyle::Vertical), 8);
    EXPECT_EQ(count(HatchStyle::ForwardDiagonal), 8);
    EXPECT_EQ(count(HatchStyle::Cross), 15);
    EXPECT_EQ(count(HatchStyle::DiagonalCross), 16);
    for (int y = 0; y < 8; ++y) {
        EXPECT_EQ(hatchBits(HatchStyle::Cross)[y],
                  hatchBits(HatchStyle::Horizontal)[y] | hatchBits(HatchStyle::Vertical)[y]);
        EXPECT_EQ(
            hatchBits(HatchStyle::DiagonalCross)[y],
            hatchBits(HatchStyle::ForwardDiagonal)[y] | hatchBits(HatchStyle::BackwardDiagonal)[y]);
    }
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
    const Surface from = picture({"bbb",
                                  "gg"
                                  "g"});
    s.replaceColour(0x0000FF, from);
    EXPECT_EQ(ascii(s), (Rows{"b.b", "#gg"}));
    Surface wide = picture({"rrrr"});
    wide.replaceColour(0x0000FF, picture({"##"}));  // no pixel to take past the other's edge
    EXPECT_EQ(ascii(wide), (Rows{"##rr"}));
}

}  // namespace
}  // namespace tess
