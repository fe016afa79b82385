#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "platform/ascii_picture.h"
#include "platform/surface.h"

namespace tess {
namespace {

using testing::ascii;
using testing::picture;
using Rows = std::vector<std::string>;
const Brush kRed = Brush::solid(0x0000FF);

// A one-pixel diagonal line only separates regions for a 4-connected fill; an
// 8-connected one would slip between its pixels and fill the other side.
TEST(Flood, FourConnectedFillDoesNotLeakThroughADiagonalLine) {
    Surface s = picture({"....#", "...#.", "..#..", ".#...", "#...."});
    s.floodSurface(0, 0, kRed);
    EXPECT_EQ(ascii(s), (Rows{"rrrr#", "rrr#.", "rr#..", "r#...", "#...."}));
    s.floodBorder(4, 4, kBlack, Brush::solid(0x00FF00));
    EXPECT_EQ(ascii(s), (Rows{"rrrr#", "rrr#g", "rr#gg", "r#ggg", "#gggg"}));
}

TEST(Flood, SurfaceModeTakesOnlyTheSeedColourBorderModeTakesAllButTheBorder) {
    const Surface start = picture({"..b..", ".###.", ".#r#.", ".###.", "....."});
    Surface s = start;
    s.floodSurface(0, 0, Brush::solid(0x00FF00));
    EXPECT_EQ(ascii(s), (Rows{"ggbgg", "g###g", "g#r#g", "g###g", "ggggg"}));
    Surface t = start;
    t.floodBorder(0, 0, kBlack, Brush::solid(0x00FF00));
    EXPECT_EQ(ascii(t), (Rows{"ggggg", "g###g", "g#r#g", "g###g", "ggggg"}));
    Surface u = start;
    u.floodSurface(2, 2, Brush::solid(0x00FFFF));  // the enclosed pixel alone
    EXPECT_EQ(ascii(u)[2], ".#y#.");
}

TEST(Flood, FillColourEqualToTheTargetAndSeedsOutsideChangeNothing) {
    const Surface start = picture({"..#", ".#.", "#.."});
    Surface s = start;
    s.floodSurface(0, 0, Brush::solid(kWhite));
    EXPECT_EQ(s, start);
    s.floodSurface(-1, 0, kRed);
    s.floodSurface(0, 3, kRed);
    s.floodBorder(3, 0, kBlack, kRed);
    EXPECT_EQ(s, start);
    s.floodBorder(0, 2, kBlack, kRed);  // seed on the border colour: empty region
    EXPECT_EQ(s, start);
}

// Found first, painted second: a hatch over white paints its lines inside the
// region only, even though its gaps stay the colour being replaced.
TEST(Flood, HatchOverTheSameColourCoversExactlyTheRegion) {
    Surface s(12, 12);
    s.rectangle(2, 2, 10, 10, kBlack, Brush::hollow());
    s.floodSurface(5, 5, Brush::hatched(HatchStyle::Cross));
    Surface expected(12, 12);
    expected.fillRect(3, 3, 9, 9, Brush::hatched(HatchStyle::Cross));
    expected.rectangle(2, 2, 10, 10, kBlack, Brush::hollow());
    EXPECT_EQ(ascii(s), ascii(expected));
}

// Plain breadth-first 4-connected fill, the reference for the scanline one.
Surface referenceFlood(Surface s, int sx, int sy, bool surfaceMode, Colour key, Colour paint) {
    if (!s.contains(sx, sy)) return s;
    const Colour target = s.pixel(sx, sy);
    auto inRegion = [&](Colour p) { return surfaceMode ? p == target : p != key; };
    if (!inRegion(target)) return s;
    std::vector<char> seen(std::size_t(s.width()) * s.height(), 0);
    std::deque<std::pair<int, int>> queue{{sx, sy}};
    seen[std::size_t(sy) * s.width() + sx] = 1;
    std::vector<std::pair<int, int>> region;
    while (!queue.empty()) {
        auto [x, y] = queue.front();
        queue.pop_front();
        region.push_back({x, y});
        const int nx[] = {x + 1, x - 1, x, x}, ny[] = {y, y, y + 1, y - 1};
        for (int i = 0; i < 4; ++i) {
            if (!s.contains(nx[i], ny[i])) continue;
            char& mark = seen[std::size_t(ny[i]) * s.width() + nx[i]];
            if (mark || !inRegion(s.pixel(nx[i], ny[i]))) continue;
            mark = 1;
            queue.push_back({nx[i], ny[i]});
        }
    }
    for (auto [x, y] : region) s.setPixel(x, y, paint);
    return s;
}

TEST(Flood, ScanlineFillMatchesAPlainFillOnRandomPictures) {
    std::mt19937 random(2024);
    const Colour palette[] = {kWhite, kBlack, 0x0000FF};
    for (int round = 0; round < 400; ++round) {
        const int w = 1 + int(random() % 40), h = 1 + int(random() % 30);
        Surface s(w, h);
        const int density = int(random() % 60);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (int(random() % 100) < density) s.setPixel(x, y, palette[1 + random() % 2]);
        const int sx = int(random() % w), sy = int(random() % h);
        const bool surfaceMode = round % 2 == 0;
        // Painting in a colour of the picture checks that the search never
        // sees its own paint.
        const Colour paint = palette[random() % 3];
        Surface fast = s;
        if (surfaceMode)
            fast.floodSurface(sx, sy, Brush::solid(paint));
        else
            fast.floodBorder(sx, sy, kBlack, Brush::solid(paint));
        ASSERT_EQ(fast, referenceFlood(s, sx, sy, surfaceMode, kBlack, paint))
            << "round " << round << " seed " << sx << "," << sy;
    }
}

// A long serpentine corridor: a recursive fill would need one frame per pixel.
TEST(Flood, ASerpentineCorridorFillsWithoutRecursion) {
    Surface s(465, 540);
    for (int x = 1; x < 465; x += 2) {
        const bool openAtTop = (x / 2) % 2 == 1;
        s.line(x, openAtTop ? 1 : 0, x, openAtTop ? 540 : 539, kBlack);
    }
    s.floodSurface(0, 0, kRed);
    EXPECT_EQ(s.pixel(464, 539), 0x0000FFu);
    EXPECT_EQ(s.pixel(0, 539), 0x0000FFu);
    EXPECT_EQ(s.pixel(1, 100), kBlack);
}

}  // namespace
}  // namespace tess
