#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "pixel_regions.h"
#include "resources/pictures.h"
#include "resources/window_pictures.h"

namespace tess {
namespace {

// The region that a fill bounded by black from (x, y) would paint.
std::set<testing::Pixel> regionBoundedByBlack(const Surface& s, int x, int y) {
    return testing::regionFrom(s, x, y, [](Colour c) { return c != kBlack; });
}

// The region from a point is closed (never reaches the picture's edge) and
// lies inside the given box.
void expectClosedInside(const Surface& s, int x, int y, int left, int top, int right, int bottom,
                        const std::string& what) {
    const auto region = regionBoundedByBlack(s, x, y);
    ASSERT_FALSE(region.empty()) << what << ": the point is on a black line";
    for (auto [px, py] : region) {
        ASSERT_TRUE(px >= left && px <= right && py >= top && py <= bottom)
            << what << " leaks to " << px << "," << py;
    }
}

TEST(WindowPictures, SizesAreThoseTheWindowLaysOut) {
    const std::tuple<const Surface*, int, int> sizes[] = {
        {&tincturePalettePicture(), 41, 127},
        {&furPalettePicture(), 50, 85},
        {&shapeChooserPicture(), 45, 98},
        {&sizeChooserPicture(1), 28, 63},
        {&sizeChooserPicture(2), 28, 63},
        {&shiftChooserPicture(), 25, 64},
        {&programIcon(), 32, 32},
        {&toolbarPicture(), 640, 40},
        {&introFrame(1), 320, 200},
        {&introFrame(kIntroFrameCount), 320, 200}};
    for (auto [s, w, h] : sizes) {
        EXPECT_EQ(s->width(), w);
        EXPECT_EQ(s->height(), h);
    }
    EXPECT_GE(alignmentStripPicture().height(), 301);
}

TEST(WindowPictures, TincturePaletteSwatchesAreClosedInsideTheirCells) {
    // Swatch points and the cells the palette's handler gives them.
    struct Swatch {
        int x, y, top, bottom;
        bool left;
    };
    const Swatch swatches[] = {
        {10, 12, 0, 25, true},    {32, 12, 0, 25, false},   {10, 36, 26, 47, true},
        {32, 36, 26, 47, false},  {10, 55, 48, 66, true},   {32, 55, 48, 66, false},
        {10, 73, 67, 85, true},   {32, 73, 67, 85, false},  {10, 92, 86, 105, true},
        {32, 92, 86, 105, false}, {10, 110, 106, 126, true}};
    const Surface& p = tincturePalettePicture();
    for (const Swatch& s : swatches) {
        const int left = s.left ? 0 : 20, right = s.left ? 19 : p.width() - 1;
        expectClosedInside(p, s.x, s.y, left, s.top, right, s.bottom,
                           "swatch at " + std::to_string(s.x) + "," + std::to_string(s.y));
        // White inside, so the first painting shows every tincture, Sable too.
        EXPECT_EQ(p.pixel(s.x, s.y), kWhite);
    }
}

TEST(WindowPictures, FurPaletteCellsShowTheFurTheirHandlerNames) {
    // Cells: columns x <= 18 and x > 18; rows y < 21, 21..35, 36..60, > 60.
    struct Cell {
        int code, left, top, right, bottom;
    };
    const Cell cells[] = {{110, 0, 0, 18, 20},   {113, 19, 0, 49, 20}, {115, 0, 21, 18, 35},
                          {111, 19, 21, 49, 35}, {114, 0, 36, 18, 60}, {112, 19, 36, 49, 60},
                          {108, 0, 61, 18, 84},  {109, 19, 61, 49, 84}};
    const Surface& p = furPalettePicture();
    for (const Cell& c : cells) {
        const Surface& fur = furPicture(c.code);
        const std::set<Colour> furColours(fur.data(), fur.data() + fur.width() * fur.height());
        std::set<Colour> shown;
        for (int y = c.top; y <= c.bottom; ++y)
            for (int x = c.left; x <= c.right; ++x) {
                const Colour px = p.pixel(x, y);
                if (px != kBlack && px != kPanelColour) shown.insert(px);
            }
        // Sable furs show black too, which the frame also uses; the rest must match.
        std::set<Colour> want = furColours;
        want.erase(kBlack);
        EXPECT_EQ(shown, want) << "cell of fur " << c.code;
    }
}

TEST(WindowPictures, ShapeChooserCellsAreClosedAndHoldBothTheirPoints) {
    struct Cell {
        int resetX, resetY, markX, markY, left, top, right, bottom;
    };
    // Cells: columns x < 18 and x >= 18, rows y < 21, 21..45, 46..72, > 72.
    const Cell cells[] = {{7, 8, 8, 8, 0, 0, 17, 20},      {7, 32, 9, 38, 0, 21, 17, 45},
                          {9, 55, 8, 55, 0, 46, 17, 72},   {8, 80, 8, 80, 0, 73, 17, 97},
                          {28, 9, 28, 8, 18, 0, 44, 20},   {26, 32, 26, 32, 18, 21, 44, 45},
                          {27, 59, 27, 59, 18, 46, 44, 72}};
    const Surface& c = shapeChooserPicture();
    for (const Cell& cell : cells) {
        const std::string what =
            "cell at " + std::to_string(cell.resetX) + "," + std::to_string(cell.resetY);
        expectClosedInside(c, cell.resetX, cell.resetY, cell.left, cell.top, cell.right,
                           cell.bottom, what);
        EXPECT_TRUE(
            regionBoundedByBlack(c, cell.resetX, cell.resetY).count({cell.markX, cell.markY}))
            << what;
    }
    // The stored picture marks Classique (yellow), every other shape dark red.
    EXPECT_EQ(c.pixel(8, 8), 0x00FFFFu);
    for (const Cell& cell : cells) {
        if (cell.resetX != 7 || cell.resetY != 8) {
            EXPECT_EQ(c.pixel(cell.resetX, cell.resetY), 0x80u);
        }
    }
}

TEST(WindowPictures, OptionMarksAreClosedInsideTheirBands) {
    // Size choosers: the pales at (10, 8), (10, 28), (10, 48) in bands y < 19,
    // 19..38, > 38; shift zones: crosses at (6, 5), (9, 27), (12, 50) in bands
    // y < 19, 20..38, 39..57.
    const int paleY[] = {8, 28, 48};
    const int bandTop[] = {0, 19, 39}, bandBottom[] = {18, 38, 62};
    for (int order : {1, 2}) {
        const Surface& p = sizeChooserPicture(order);
        for (int i = 0; i < 3; ++i)
            expectClosedInside(p, 10, paleY[i], 0, bandTop[i], p.width() - 1, bandBottom[i],
                               "pale " + std::to_string(i) + " of order " + std::to_string(order));
        // Each pale narrower than the one above: entière, diminuée, en filet.
        EXPECT_GT(regionBoundedByBlack(p, 10, 8).size(), regionBoundedByBlack(p, 10, 28).size());
        EXPECT_GT(regionBoundedByBlack(p, 10, 28).size(), regionBoundedByBlack(p, 10, 48).size());
    }
    EXPECT_EQ(sizeChooserPicture(1).pixel(10, 8), 0x00FFFFu);
    EXPECT_EQ(sizeChooserPicture(1).pixel(10, 28), 0x0000FFu);
    EXPECT_EQ(sizeChooserPicture(2).pixel(10, 8), kWhite);
    EXPECT_EQ(sizeChooserPicture(2).pixel(10, 48), 0x008000u);

    const Surface& d = shiftChooserPicture();
    const int crossX[] = {6, 9, 12}, crossY[] = {5, 27, 50};
    const int shiftTop[] = {0, 20, 39}, shiftBottom[] = {18, 38, 57};
    for (int i = 0; i < 3; ++i)
        expectClosedInside(d, crossX[i], crossY[i], 0, shiftTop[i], d.width() - 1, shiftBottom[i],
                           "cross " + std::to_string(i));
    EXPECT_EQ(d.pixel(9, 27), 0x00FFFFu);
    EXPECT_EQ(d.pixel(6, 5), 0x0000FFu);
}

TEST(WindowPictures, AlignmentCellsDrawOnlyInsideTheirRanges) {
    // Between the cells (rows 150..185 hold the second heading) a cell's
    // drawing never crosses into its neighbour: each cell's frame lies within
    // its own range of rows.
    const Surface& a = alignmentStripPicture();
    const int ranges[][2] = {{17, 35},   {36, 54},   {55, 74},   {75, 92},   {93, 112},
                             {113, 131}, {132, 149}, {186, 205}, {206, 223}, {224, 242},
                             {243, 261}, {262, 280}, {281, 300}};
    for (auto [top, bottom] : ranges) {
        bool drawn = false;
        for (int x = 0; x < a.width(); ++x) {
            EXPECT_EQ(a.pixel(x, top), kPanelColour) << "row " << top;
            EXPECT_EQ(a.pixel(x, bottom), kPanelColour) << "row " << bottom;
            for (int y = top; y <= bottom; ++y) drawn = drawn || a.pixel(x, y) != kPanelColour;
        }
        EXPECT_TRUE(drawn) << top;
    }
}

TEST(WindowPictures, ToolbarFacesAndEdgesAreWhereTheHandlersLook) {
    const Surface& t = toolbarPicture();
    const int edged[][2] = {{14, 133}, {142, 165}, {181, 444}, {453, 572}, {581, 604}};
    for (auto [left, right] : edged) {
        for (int x = left; x <= right; ++x) {
            EXPECT_EQ(t.pixel(x, 3), kButtonEdge) << x;
            EXPECT_EQ(t.pixel(x, 24), kButtonEdge) << x;
        }
        EXPECT_EQ(t.pixel(left - 1, 10), kPanelColour);
        EXPECT_EQ(t.pixel(right + 1, 10), kPanelColour);
    }
    // Each face keeps its light grey along its top row, and carries a drawing.
    const int faces[][2] = {{15, 36},   {38, 60},   {62, 84},   {86, 108},  {110, 132}, {143, 164},
                            {182, 203}, {205, 227}, {229, 251}, {253, 275}, {277, 299}, {301, 323},
                            {325, 347}, {349, 371}, {373, 395}, {397, 419}, {421, 443}, {454, 475},
                            {477, 499}, {501, 523}, {525, 547}, {549, 571}, {582, 603}};
    for (auto [left, right] : faces) {
        int drawn = 0;
        for (int x = left; x <= right; ++x) {
            EXPECT_EQ(t.pixel(x, 4), kButtonFace) << x;
            for (int y = 5; y <= 23; ++y) drawn += t.pixel(x, y) != kButtonFace;
        }
        EXPECT_GT(drawn, 40) << "face at " << left;
    }
    // Nothing below the buttons' band.
    for (int y = 25; y < 40; ++y)
        for (int x = 0; x < 640; ++x) ASSERT_EQ(t.pixel(x, y), kPanelColour);
}

TEST(WindowPictures, IntroFramesBuildUpAndStayInTheWindow) {
    // The window shows 302 columns: the last 18 of a frame stay black.
    int lastLit = 0;
    for (int n = 1; n <= kIntroFrameCount; ++n) {
        const Surface& f = introFrame(n);
        int lit = 0;
        for (int y = 0; y < f.height(); ++y)
            for (int x = 0; x < f.width(); ++x) {
                if (f.pixel(x, y) == kBlack) continue;
                ++lit;
                ASSERT_LT(x, 302) << "frame " << n;
            }
        EXPECT_GT(lit, lastLit) << "frame " << n << " adds nothing";
        lastLit = lit;
    }
    EXPECT_EQ(&introFrame(0), &introFrame(kIntroFrameCount));
}

TEST(WindowPictures, PieceIconsDifferOneFromAnother) {
    std::set<std::vector<Colour>> seen;
    for (int type = 1; type <= 22; ++type) {
        const Surface& icon = honourablePieceIcon(type);
        ASSERT_EQ(icon.width(), 16);
        ASSERT_EQ(icon.height(), 16);
        EXPECT_TRUE(seen.insert(std::vector<Colour>(icon.data(), icon.data() + 256)).second)
            << "type " << type << " looks like another";
    }
}

}  // namespace
}  // namespace tess
