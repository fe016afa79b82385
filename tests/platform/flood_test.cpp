#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <random>
#include <string>
#include <utility>

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

// Plain breadth-first 4-connected fill, the reference for the fast one: the
// region is found pixel by pixel, then each pixel is painted on its own at its
// own place, so a brush's phase can only come from the surface's (0,0).
Surface referenceFlood(Surface s, int sx, int sy, bool surfaceMode, Colour border,
                       const Brush& brush) {
    if (!s.contains(sx, sy)) return s;
    const Colour target = s.pixel(sx, sy);
    auto inRegion = [&](Colour p) { return surfaceMode ? p == target : p != border; };
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
    for (auto [x, y] : region) s.fillRect(x, y, x + 1, y + 1, brush);
    return s;
}

// Random pictures and floods in a few colours, so that the fill colour often
// equals the target or the border (the search must never see its own paint).
class RandomFloods {
  public:
    explicit RandomFloods(unsigned seed) : random_(seed) {}

    int below(int n) { return int(random_() % unsigned(n)); }
    Colour colour() { return kPalette[below(4)]; }

    // Noise with lines and box outlines across it: long runs, holes the search
    // has to go round, single pixels walled in.
    Surface picture(int w, int h) {
        Surface s(w, h);
        const int density = below(70);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (below(100) < density) s.setPixel(x, y, colour());
        for (int k = below(6); k > 0; --k) {
            const int x0 = below(w), y0 = below(h), x1 = below(w + 1), y1 = below(h + 1);
            if (below(2))
                s.line(x0, y0, x1, y1, colour());
            else
                s.rectangle(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 1,
                            std::max(y0, y1) + 1, colour(), Brush::hollow());
        }
        return s;
    }

    // Every kind of brush, hatches in every style.
    Brush brush() {
        switch (below(4)) {
            case 0:
                return Brush::solid(colour());
            case 1:
                return Brush::hollow();
            case 2:
                return Brush::hatched(HatchStyle(below(6)), colour());
            default: {
                std::array<Colour, 64> cells;
                for (Colour& c : cells) c = colour();
                return Brush::patterned(cells);
            }
        }
    }

    // A quarter of the seeds on an edge or a corner, a few just outside.
    std::pair<int, int> seed(int w, int h) {
        int x = below(w), y = below(h);
        switch (below(12)) {
            case 0:
                x = below(2) ? 0 : w - 1;
                break;
            case 1:
                y = below(2) ? 0 : h - 1;
                break;
            case 2:
                x = below(2) ? 0 : w - 1;
                y = below(2) ? 0 : h - 1;
                break;
            case 3:
                if (below(4) == 0) x = below(2) ? -1 : w;
                break;
        }
        return {x, y};
    }

  private:
    static constexpr Colour kPalette[4] = {kWhite, kBlack, 0x0000FF, 0x00FF00};
    std::mt19937 random_;
};

struct FloodCall {
    int x, y;
    bool surfaceMode;
    Colour border;
    Brush brush;

    void apply(Surface& s) const {
        if (surfaceMode)
            s.floodSurface(x, y, brush);
        else
            s.floodBorder(x, y, border, brush);
    }
    Surface reference(const Surface& s) const {
        return referenceFlood(s, x, y, surfaceMode, border, brush);
    }
};

FloodCall randomCall(RandomFloods& r, const Surface& s) {
    const auto [x, y] = r.seed(s.width(), s.height());
    return {x, y, r.below(2) == 0, r.colour(), r.brush()};
}

std::string describe(const FloodCall& c, const Surface& s) {
    return std::to_string(s.width()) + "x" + std::to_string(s.height()) + " seed " +
           std::to_string(c.x) + "," + std::to_string(c.y) +
           (c.surfaceMode ? " surface" : " border") + " brush " + std::to_string(int(c.brush.kind));
}

TEST(Flood, MatchesAPlainFloodOnRandomPicturesInBothModesWithEveryBrush) {
    RandomFloods r(2024);
    for (int round = 0; round < 1500; ++round) {
        const Surface s = r.picture(1 + r.below(40), 1 + r.below(30));
        const FloodCall call = randomCall(r, s);
        Surface fast = s;
        call.apply(fast);
        ASSERT_EQ(fast, call.reference(s)) << "round " << round << ": " << describe(call, s);
    }
}

// Hundreds of floods on the same surfaces, their sizes changing between calls:
// nothing one search leaves behind may change what the next one finds.
TEST(Flood, RepeatedFloodsOnTheSameSurfacesStayExact) {
    RandomFloods r(77);
    Surface small = r.picture(23, 17), large = r.picture(61, 44), tall = r.picture(3, 90);
    Surface* surfaces[] = {&small, &large, &tall};
    for (int round = 0; round < 1200; ++round) {
        Surface& s = *surfaces[round % 7 == 0 ? 1 + round % 2 : 0];
        if (round % 97 == 0) s = r.picture(s.width(), s.height());
        const FloodCall call = randomCall(r, s);
        const Surface expected = call.reference(s);
        call.apply(s);
        ASSERT_EQ(s, expected) << "round " << round << ": " << describe(call, s);
    }
}

// One region left alone while the other side of a wall is flooded again and
// again, from once to hundreds of times: whatever the searches in between kept,
// the region's next flood still takes all of it.
TEST(Flood, ARegionLeftAloneForManyFloodsStillFillsWhole) {
    Surface s = picture({
        "...#...",
        "...#...",
        "...#...",
    });
    const Brush colours[2] = {kRed, Brush::solid(0x00FF00)};
    for (int between = 1; between <= 300; ++between) {
        s.floodSurface(0, 2, colours[between % 2]);
        for (int k = 0; k < between; ++k) s.floodSurface(6, k % 3, colours[k % 2]);
        const Surface expected = referenceFlood(s, 0, 2, true, kBlack, colours[1 - between % 2]);
        s.floodSurface(0, 2, colours[1 - between % 2]);
        ASSERT_EQ(s, expected) << between << " floods between";
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
