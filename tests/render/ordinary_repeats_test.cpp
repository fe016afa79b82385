// Repeated first-order pieces, the laying of pieces checked against the plain
// raster operations, and the stacking of the pieces among the charges.
#include <random>

#include "model/tincture_table.h"
#include "ordinary_redraw_fixture.h"
#include "render/key_colours.h"
#include "render/ordinary_laying.h"

namespace tess {
namespace {

using testing::OrdinaryRedraw;

class Repeats : public OrdinaryRedraw {
  protected:
    // The piece's columns on one row, as runs [from, to) of key colour 7.
    std::vector<std::pair<int, int>> pieceRuns(int y) const {
        std::vector<std::pair<int, int>> runs;
        for (int x = 0; x < kCanvasWidth; ++x) {
            if (part(x, y) != 7) continue;
            if (!runs.empty() && runs.back().second == x)
                runs.back().second = x + 1;
            else
                runs.push_back({x, x + 1});
        }
        return runs;
    }
    std::vector<std::pair<int, int>> pieceRunsDown(int x) const {
        std::vector<std::pair<int, int>> runs;
        for (int y = 0; y < kCanvasHeight; ++y) {
            if (part(x, y) != 7) continue;
            if (!runs.empty() && runs.back().second == y)
                runs.back().second = y + 1;
            else
                runs.push_back({y, y + 1});
        }
        return runs;
    }
    static int middle(std::pair<int, int> run) { return (run.first + run.second - 1) / 2; }
};

TEST_F(Repeats, TwoAndThreePalesStandSymmetricAboutTheMiddle) {
    first(kPal, 0, 0, 1);
    redraw();
    auto runs = pieceRuns(170);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_NEAR(middle(runs[0]), 71, 2);
    EXPECT_NEAR(middle(runs[1]), 194, 2);
    EXPECT_NEAR(runs[0].second - runs[0].first, 71, 3);
    EXPECT_NEAR(runs[0].first + runs[1].second, 265, 3);
    EXPECT_TRUE(onField(132, 170));

    first(kPal, 0, 0, 2);
    redraw();
    runs = pieceRuns(170);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_NEAR(middle(runs[0]), 66, 2);
    EXPECT_NEAR(middle(runs[1]), 132, 1);
    EXPECT_NEAR(middle(runs[2]), 203, 2);
    EXPECT_NEAR(runs[1].second - runs[1].first, 54, 3);
    EXPECT_TRUE(onFirst(132, 170));
}

// Worked out by hand from the copies' boxes: a copy of the whole 465 x 540
// picture in a box at (X - 100, Y - 100) of (W + 200) x (H + 200) takes for
// canvas column d the picture's column (d - X + 100) x 465 / (W + 200), rounded
// down (likewise down a column). The pale's inside is the picture's columns
// 189..275, the fess's rows 227..313; the half-size orle samples the whole one.
TEST_F(Repeats, CopiesCoverExactlyTheColumnsAndRowsTheirBoxesGive) {
    using Runs = std::vector<std::pair<int, int>>;
    first(kPal, 0, 0, 1);
    redraw();
    // Copy 0 at X -17: (d + 117) x 465 / 376 in 189..275 gives d in 36..106;
    // copy 1 at X 106: d in 159..229. No column falls on an edge's column.
    EXPECT_EQ(pieceRuns(170), (Runs{{36, 107}, {159, 230}}));
    EXPECT_EQ(part(35, 170), 1);
    EXPECT_EQ(part(107, 170), 1);

    first(kFasce, 0, 0, 2);
    redraw();
    // Height 113 + 200 = 313; Y 28, 113, 204: (y - Y + 100) x 540 / 313 in
    // 227..313; the row above each copy falls on its upper edge (226).
    EXPECT_EQ(pieceRunsDown(132), (Runs{{60, 111}, {145, 196}, {236, 287}}));
    for (int y : {59, 144, 235}) EXPECT_EQ(r.partMap.pixel(132, y), kLineColour) << y;

    first(kOrle, 0, 0, 1);
    redraw();
    // The half copy at (66, 85), 132 x 170: row 170 samples the orle's row 170,
    // column d its column (d - 66) x 265 / 132, in the band 26..50 for d in
    // 79..91.
    const Runs runs = pieceRuns(170);
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[0], (std::pair{26, 51}));
    EXPECT_EQ(runs[1], (std::pair{79, 92}));
}

TEST_F(Repeats, FessesAreStackedWithTheMiddleOneCentred) {
    first(kFasce, 0, 0, 1);
    redraw();
    auto runs = pieceRunsDown(132);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_NEAR(middle(runs[0]), 92, 2);
    EXPECT_NEAR(middle(runs[1]), 249, 2);

    first(kFasce, 0, 0, 2);
    redraw();
    runs = pieceRunsDown(132);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_NEAR(middle(runs[0]), 85, 2);
    EXPECT_NEAR(middle(runs[1]), 170, 1);
    EXPECT_NEAR(middle(runs[2]), 261, 2);
    EXPECT_NEAR(runs[1].second - runs[1].first, 51, 3);
}

TEST_F(Repeats, SecondChevronsApexLiesNearRow183) {
    first(kChevron, 0, 0, 1);
    redraw();
    const auto runs = pieceRunsDown(132);
    ASSERT_EQ(runs.size(), 2u);
    // Where the edges meet, the piece's colour starts a few rows below the apex.
    EXPECT_LE(runs[0].first, 5);  // the first apex at the top
    EXPECT_NEAR(runs[1].first, 183 + 3, 2);
    // Its legs run off the bottom of the canvas.
    EXPECT_EQ(part(40, 339), 7);
}

TEST_F(Repeats, BendsAndBarsComeInTwosAndThrees) {
    for (Long type : {kBande, kBarre})
        for (Byte repeat : {1, 2}) {
            first(type, 0, 0, repeat);
            redraw();
            // Along the diagonal the bend runs, every copy is crossed once.
            int crossings = 0;
            bool inside = false;
            for (int t = 0; t < 340; ++t) {
                const int x = type == kBande ? 264 - t * 264 / 339 : t * 264 / 339;
                const bool now = part(x, t) == 7;
                crossings += now && !inside;
                inside = now;
            }
            EXPECT_EQ(crossings, repeat + 1) << type << " x" << int(repeat);
        }
}

TEST_F(Repeats, OrlesBecomeConcentric) {
    first(kOrle, 0, 0, 2);
    redraw();
    EXPECT_EQ(pieceRuns(170).size(), 6u);
    first(kOrle, 0, 0, 1);
    redraw();
    const auto runs = pieceRuns(170);
    ASSERT_EQ(runs.size(), 4u);
    // The half-size copy lies centred inside the whole one.
    EXPECT_NEAR(runs[1].first, 66 + 13, 1);
    EXPECT_NEAR(runs[0].first + runs[3].second, 265, 2);
}

TEST_F(Repeats, PiecesWithoutCopiesAreLaidOnce) {
    for (Long type : {kChef, kBordure, kEcusson}) {
        first(type);
        redraw();
        const Surface one = r.canvas;
        first(type, 0, 0, 2);
        redraw();
        EXPECT_EQ(r.canvas, one) << type;
    }
    first(kPal);
    redraw();
    const Surface one = r.canvas;
    first(kPal, 0, 0, 3);  // only a damaged file holds it
    redraw();
    EXPECT_EQ(r.canvas, one);
}

TEST_F(Repeats, EveryCopyIsOnBothKeyMapsAndAChargeBetweenTwoPalesIsInTheField) {
    addBankPicture(1, {"rrrr", "rrrr"}, kGueules);
    place(1, 1, 122, 150, 20, 20, kSable);  // where one pale would stand
    place(2, 1, 60, 150, 20, 20, kSable);   // on the dexter pale of two
    first(kPal, 0, 0, 1);
    redraw();
    for (int y = 0; y < kCanvasHeight; ++y)
        for (int x = 0; x < kCanvasWidth; ++x)
            ASSERT_EQ(r.partMap.pixel(x, y) == kPartKeyColours[7],
                      r.ordinaryMap.pixel(x, y) == kPartKeyColours[7])
                << x << "," << y;
    EXPECT_EQ(ws.CurrentBlazon.Charges[1].Placement, 1);
    EXPECT_EQ(ws.CurrentBlazon.Charges[2].Placement, 7);
    EXPECT_EQ(chargeList(7), std::vector<int>{2});
}

// The laying of a piece is checked against the plain raster operations it
// stands for, on every type, size and repeat, over a canvas of random pixels.
TEST_F(Repeats, LayingMatchesTheMaskAndPictureOperations) {
    std::mt19937 rng(7);
    zone(7).Line.LineKind = 11;
    for (Long type = kChef; type <= kEcusson; ++type)
        for (Integer size : {0, 1, -1})
            for (Byte repeat : {0, 1, 2}) {
                first(type, size, 0, repeat);
                setZone(7, (rng() & 1) ? 110 : kClassColour, (rng() & 1) ? 110 : kSinople);
                redraw();
                Surface canvasRef(kCanvasWidth, kCanvasHeight), keyRef(kCanvasWidth, kCanvasHeight);
                for (int y = 0; y < kCanvasHeight; ++y)
                    for (int x = 0; x < kCanvasWidth; ++x) {
                        canvasRef.setPixel(x, y, rng() & 0xFFFFFF);
                        keyRef.setPixel(x, y, kPartKeyColours[1 + rng() % 4]);
                    }
                Surface canvas = canvasRef, key = keyRef;
                layOrdinary1(ws.CurrentBlazon, r, {&canvas, &key});
                const PieceCopies copies = ordinary1Copies(ws.CurrentBlazon.Ordinary1);
                const OrdinarySurfaces& p = r.Ordinary1;
                for (int i = 0; i < copies.Count; ++i) {
                    const PieceCopy& c = copies.Copies[std::size_t(i)];
                    auto blt = [&](Surface& d, const Surface& s, RasterOp op) {
                        StretchBlt(d, c.DestX, c.DestY, c.DestW, c.DestH, s, c.SourceX, c.SourceY,
                                   c.SourceW, c.SourceH, op);
                    };
                    blt(canvasRef, p.MaskDC, RasterOp::And);
                    blt(canvasRef, p.ImageDC, RasterOp::Xor);
                    blt(keyRef, p.MaskDC, RasterOp::And);
                    blt(keyRef, p.Image2DC, RasterOp::Xor);
                }
                ASSERT_EQ(canvas, canvasRef) << type << " " << size << " x" << int(repeat);
                // The key map differs only on the edges, which keep the line
                // colour instead of a mix of it with the part beneath.
                for (int y = 0; y < kCanvasHeight; ++y)
                    for (int x = 0; x < kCanvasWidth; ++x) {
                        const Colour k = key.pixel(x, y);
                        if (k == kLineColour) continue;
                        ASSERT_EQ(k, keyRef.pixel(x, y)) << type << " " << x << "," << y;
                    }
            }
}

TEST_F(Repeats, ChargesStackBetweenThePiecesInTheirLayers) {
    addBankPicture(1, {"rrrr", "rrrr"}, kGueules);
    second(kChampagne);
    first(kPal);
    // In part 1 with its right half under the pale: covered where the pale is.
    place(1, 1, 60, 40, 40, 20, kSable);
    // Set sur le tout: over the pale.
    place(2, 1, 60, 70, 40, 20, kSable).Brochant = kTrue;
    // Entirely on the pale: over it.
    place(3, 1, 110, 100, 40, 20, kSinople);
    // On the champagne, under the pale: covered by the pale only.
    place(4, 1, 60, 290, 40, 20, kSable);
    // In part 1 under the champagne's edge: covered by the champagne.
    place(5, 1, 20, 215, 30, 30, kSinople);
    redraw();
    const BlazonRecord& b = ws.CurrentBlazon;
    EXPECT_EQ(b.Charges[1].Placement, 11);
    EXPECT_EQ(b.Charges[2].Placement, 9);
    EXPECT_EQ(b.Charges[3].Placement, 7);
    EXPECT_EQ(b.Charges[4].Placement, 15);
    EXPECT_EQ(b.Charges[5].Placement, 21);
    const Colour sable = tincture(kSable), sinople = tincture(kSinople);
    EXPECT_EQ(canvas(70, 50), sable);
    EXPECT_TRUE(onFirst(95, 50));
    EXPECT_EQ(canvas(95, 80), sable);
    EXPECT_EQ(canvas(130, 110), sinople);
    EXPECT_EQ(canvas(65, 300), sable);
    EXPECT_TRUE(onFirst(95, 300));
    EXPECT_EQ(canvas(25, 220), sinople);
    EXPECT_EQ(canvas(25, 240), tincture(kGueules));  // below the champagne's edge
    // The key map shows the pieces, not the charges.
    EXPECT_EQ(part(130, 110), 7);
    EXPECT_EQ(part(65, 300), 5);
}

}  // namespace
}  // namespace tess
