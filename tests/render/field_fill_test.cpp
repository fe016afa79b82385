// Tinctures and furs of the field parts, on screen and on a black-and-white
// page, checked on whole redraws against the part key map they leave.
#include <algorithm>

#include "render/region_fill.h"
#include "render_fixture.h"
#include "support/factory_colours.h"

namespace tess::testing {
namespace {

class FieldFillTest : public RenderTest {
  protected:
    // Every canvas pixel inside the shield on part k's key colour satisfies f.
    template <typename F>
    int checkPart(int k, F f) {
        int count = 0;
        forEachPixel([&](int x, int y) {
            if (!insideShield(x, y) || partAt(x, y) != k) return;
            ++count;
            if (!f(x, y, r.canvas.pixel(x, y)))
                ADD_FAILURE() << "part " << k << " at " << x << "," << y;
        });
        return count;
    }
};

TEST_F(FieldFillTest, ATinctureFillsExactlyItsPartInItsCurrentColour) {
    ws.Tinctures[4].Colour = 0x603010;
    doc().Partition = 14;
    setPart(1, kClassColour, 4);
    setPart(2, kClassMetal, 1);
    setPart(3, kClassColour, 3);
    setPart(4, kClassPourpre, 10);
    redraw();
    const int tinctures[5] = {0, 4, 1, 3, 10};
    for (int k = 1; k <= 4; ++k)
        EXPECT_GT(checkPart(k, [&](int, int, Colour c) { return c == tincture(tinctures[k]); }),
                  10000);
    // The partition lines keep the line colour inside the shield.
    forEachPixel([&](int x, int y) {
        if (insideShield(x, y) && r.partMap.pixel(x, y) == kLineColour) {
            ASSERT_EQ(r.canvas.pixel(x, y), kLineColour) << x << "," << y;
        }
    });
}

TEST_F(FieldFillTest, EveryTinctureFillsThePlainFieldInItsFactoryColour) {
    for (int t = 1; t <= kTinctureCount; ++t) {
        setPart(1, kClassColour, t);
        redraw();
        EXPECT_EQ(r.canvas.pixel(132, 170), kFactoryTinctures[std::size_t(t - 1)].colour) << t;
    }
}

TEST_F(FieldFillTest, AFurPartShowsTheFurPicturePixelForPixel) {
    doc().Partition = 10;
    setPart(1, 110, 110);  // vair
    setPart(2, kClassColour, 3);
    redraw();
    const Surface& vair = furPicture(110);
    EXPECT_GT(checkPart(1, [&](int x, int y, Colour c) { return c == vair.pixel(x, y); }), 10000);
    checkPart(2, [&](int, int, Colour c) { return c == tincture(3); });
    // The line between the fur and its neighbour keeps the line colour.
    for (int y = 10; y < 200; ++y) EXPECT_EQ(r.canvas.pixel(132, y), kLineColour) << y;
}

TEST_F(FieldFillTest, ASeedOnALineFillsOnlyTheLine) {
    Surface s(40, 30, kWorkBackground);
    s.line(20, 0, 20, 30, kLineColour);
    s.line(0, 15, 40, 15, kLineColour);
    FillRegion(ws, s, 20, 5, tincture(3));
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(s.pixel(x, y), x == 20 || y == 15 ? tincture(3) : kWorkBackground);
}

TEST_F(FieldFillTest, AFurNeverCatchesATinctureAdjustedToItsKeyColour) {
    // Gueules painted in part 2's key colour must stay Gueules beside a fur.
    ws.Tinctures[3].Colour = Long(kPartKeyColours[2]);
    doc().Partition = 10;
    setPart(1, kClassColour, 3);
    setPart(2, 108, 108);
    redraw();
    checkPart(1, [&](int, int, Colour c) { return c == kPartKeyColours[2]; });
    const Surface& ermine = furPicture(108);
    checkPart(2, [&](int x, int y, Colour c) { return c == ermine.pixel(x, y); });
}

TEST_F(FieldFillTest, UserFurShowsItsPictureOrElseItsDominantTincture) {
    Surface tiles(kCanvasWidth, kCanvasHeight, 0);
    forEachPixel(
        [&](int x, int y) { tiles.setPixel(x, y, (x / 7 + y / 5) % 2 ? 0xFF0000 : 0x00FFFF); });
    r.UserFurPictures[2] = tiles;
    doc().UserFurs[2].DominantTincture = 4;
    doc().Partition = 11;
    setPart(1, kClassMetal, 2);
    setPart(2, 118, 118);
    redraw();
    EXPECT_EQ(doc().Parts[2].Tincture, 4);
    EXPECT_EQ(doc().Parts[2].Kind, 118);
    checkPart(2, [&](int x, int y, Colour c) { return c == tiles.pixel(x, y); });

    // Without its picture: the dominant tincture.
    doc().UserFurs[0].DominantTincture = 5;
    setPart(2, 116, 116);
    redraw();
    checkPart(2, [&](int, int, Colour c) { return c == tincture(5); });
}

TEST_F(FieldFillTest, APartWithoutTinctureNumberNeverReadsPastTheTable) {
    doc().Partition = 10;  // no inserted arms shown in a Parti
    setPart(1, kClassInserted, 0);
    setPart(2, kClassInserted, 112);  // the fur it had before the insertion
    redraw();
    checkPart(1, [&](int, int, Colour c) { return c == tincture(1); });
    const Surface& fur = furPicture(112);
    checkPart(2, [&](int x, int y, Colour c) { return c == fur.pixel(x, y); });

    setPart(1, kClassColour, 57);
    setPart(2, 77, -4);  // no class, no tincture
    redraw();
    checkPart(1, [&](int, int, Colour c) { return c == tincture(1); });
    checkPart(2, [&](int, int, Colour c) { return c == tincture(1); });
}

// A region of a black-and-white page, its pixels read as a set of
// (x mod 8, y mod 8) phases that are black.
class HatchTest : public RenderTest {
  protected:
    Surface hatch(int t) {
        ws.PrintBlackWhite = true;
        Surface s(64, 48, kWorkBackground);
        s.line(40, 0, 40, 48, kLineColour);  // a neighbour that must stay untouched
        FillRegion(ws, s, 3, 3, tincture(t));
        return s;
    }
    static std::string rowsOf(const Surface& s) {
        std::string out;
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) out += s.pixel(x, y) == kBlack ? 'X' : '.';
            out += '\n';
        }
        return out;
    }
    static bool periodic(const Surface& s, int width) {
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < width; ++x)
                if (s.pixel(x, y) != s.pixel(x % 8, y % 8)) return false;
        return true;
    }
};

// Each tincture's 8 x 8 cell on a black-and-white page, written out by hand
// from the heraldic convention.
TEST_F(HatchTest, EachTinctureHatchesAsTheHeraldicConvention) {
    // Rows top to bottom, "/" between them.
    const char* const cells[kTinctureCount + 1] = {
        "",
        // Or: dots
        "X...X.../......../......../......../X...X.../......../......../........",
        // Argent: plain
        "......../......../......../......../......../......../......../........",
        // Gueules: upright lines
        "....X.../....X.../....X.../....X.../....X.../....X.../....X.../....X...",
        // Azur: level lines
        "......../......../......../XXXXXXXX/......../......../......../........",
        // Sinople: bendwise
        "X......./.X....../..X...../...X..../....X.../.....X../......X./.......X",
        // Sable: solid
        "XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX",
        // Orangé: dots and dashes
        "X...XXX./......../......../......../XXX.X.../......../......../........",
        // Sanguine: a cross
        "....X.../....X.../....X.../XXXXXXXX/....X.../....X.../....X.../....X...",
        // Brun: a diagonal cross
        "X......X/.X....X./..X..X../...XX.../...XX.../..X..X../.X....X./X......X",
        // Pourpre: bendwise sinister
        ".......X/......X./.....X../....X.../...X..../..X...../.X....../X.......",
        // Bis: a dot grid
        "X...X.../.X.X.X.X/......../.X.X.X.X/X...X.../.X.X.X.X/......../.X.X.X.X",
    };
    for (int t = 1; t <= kTinctureCount; ++t) {
        const Surface s = hatch(t);
        std::string expected = std::string(cells[t]) + '\n';
        std::replace(expected.begin(), expected.end(), '/', '\n');
        EXPECT_EQ(rowsOf(s), expected) << t;
        EXPECT_TRUE(periodic(s, 40)) << t;
        for (int y = 0; y < 48; ++y) {
            EXPECT_EQ(s.pixel(40, y), kLineColour);
            EXPECT_EQ(s.pixel(50, y), kWorkBackground);
            for (int x = 0; x < 40; ++x) {
                const Colour c = s.pixel(x, y);
                ASSERT_TRUE(c == kBlack || c == kWhite) << t;
            }
        }
    }
}

TEST_F(HatchTest, ColourOfNoTinctureIsSolidBlackAndEqualColoursTakeTheLowerTincture) {
    ws.PrintBlackWhite = true;
    Surface s(16, 16, kWorkBackground);
    FillRegion(ws, s, 3, 3, 0x123456);
    EXPECT_EQ(s.pixel(9, 9), kBlack);
    // Sinople adjusted to Gueules' colour is hatched as Gueules.
    ws.Tinctures[5].Colour = ws.Tinctures[3].Colour;
    EXPECT_EQ(rowsOf(hatch(5)), rowsOf(hatch(3)));
}

// The hatching keeps the phase of the margined key map, 50 pixels up and left
// of the canvas: Or's dots fall where x and y are 2 modulo 4, Gueules' lines
// on columns 2 modulo 8, Azur's on rows 1 modulo 8.
TEST_F(FieldFillTest, BlackAndWhitePageHatchesTincturesInPlaceButKeepsFurs) {
    ws.PrintBlackWhite = true;
    doc().Partition = 14;
    setPart(1, kClassMetal, 1);   // Or
    setPart(2, kClassColour, 3);  // Gueules
    setPart(3, kClassColour, 4);  // Azur
    setPart(4, 110, 110);         // vair
    redraw();
    auto blackWhere = [](bool black) { return black ? kBlack : kWhite; };
    EXPECT_GT(checkPart(1, [&](int x, int y,
                               Colour c) { return c == blackWhere(x % 4 == 2 && y % 4 == 2); }),
              1000);
    EXPECT_GT(checkPart(2, [&](int x, int, Colour c) { return c == blackWhere(x % 8 == 2); }),
              1000);
    EXPECT_GT(checkPart(3, [&](int, int y, Colour c) { return c == blackWhere(y % 8 == 1); }),
              1000);
    const Surface& vair = furPicture(110);
    checkPart(4, [&](int x, int y, Colour c) { return c == vair.pixel(x, y); });

    setPart(1, kClassMetal, 2);   // Argent: white
    setPart(2, kClassColour, 6);  // Sable: black
    redraw();
    checkPart(1, [](int, int, Colour c) { return c == kWhite; });
    checkPart(2, [](int, int, Colour c) { return c == kBlack; });
}

}  // namespace
}  // namespace tess::testing
