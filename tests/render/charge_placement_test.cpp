#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "model/document_rules.h"
#include "model/workspace.h"
#include "render/charge_layers.h"
#include "render/charge_steps.h"
#include "render/key_colours.h"
#include "render/key_maps.h"
#include "render/ordinary_laying.h"
#include "render/renderer.h"
#include "support/placed_charge.h"

namespace tess {
namespace {

const Colour kPart1 = kPartKeyColours[1];
const Colour kPart2 = kPartKeyColours[2];
const Colour kZone5 = kPartKeyColours[5];
const Colour kZone7 = kPartKeyColours[7];

// Key maps drawn as rectangles of key colour on a field of part 1.
struct Maps {
    Surface part{kCanvasWidth, kCanvasHeight, kPart1};
    Surface ordinary{kCanvasWidth, kCanvasHeight, kPart1};
    bool first = false;
    PlacementMaps view() const { return PlacementMaps{part, ordinary, first}; }
    void paint(Surface& s, int l, int t, int r, int b, Colour c) {
        s.fillRect(l, t, r, b, Brush::solid(c));
    }
    // A first-order piece: its zone on the ordinary map only.
    void pale(int l, int r) {
        first = true;
        paint(ordinary, l, 0, r, kCanvasHeight, kZone7);
    }
};

class Placement : public ::testing::Test {
  protected:
    int sample(int x, int y, int w, int h, int charge = 1) {
        return SampleChargeArea(ws, maps.view(), charge, x, y, w, h);
    }
    Workspace ws;
    Maps maps;
};

TEST_F(Placement, CentreOnAPartitionLineIsIgnored) {
    maps.paint(maps.part, 0, 115, kCanvasWidth, 116, kLineColour);
    maps.paint(maps.ordinary, 0, 115, kCanvasWidth, 116, kLineColour);
    EXPECT_EQ(sample(100, 100, 30, 30), 1);
}

TEST_F(Placement, PartlyOnTheFirstOrderPieceIsTenPlusThePartWhollyOnItSeven) {
    maps.pale(140, 180);
    EXPECT_EQ(sample(100, 100, 50, 30), 11);
    EXPECT_EQ(sample(145, 100, 30, 30), 7);  // all five points on the piece
    EXPECT_EQ(sample(50, 100, 30, 30), 1);
    // On the piece but for points off the map: top-left found by walking in
    // from the left, right-hand points on the piece.
    maps.pale(0, 60);
    EXPECT_EQ(sample(-30, 100, 60, 30), 7);
}

TEST_F(Placement, InTheSecondOrderZone) {
    maps.paint(maps.part, 0, 0, 80, 80, kZone5);
    EXPECT_EQ(sample(10, 10, 30, 30), 5);
    // Reference in the zone, corners outside it: over several parts.
    EXPECT_EQ(sample(60, 60, 50, 50), 9);
    EXPECT_EQ(sample(100, 10, 30, 30), 1);
    // In part 1 with a corner on the zone.
    EXPECT_EQ(sample(90, 60, 30, 30), 1);
    EXPECT_EQ(sample(50, 90, 40, 30), 1);
    EXPECT_EQ(sample(70, 90, 30, -20), 21);
}

TEST_F(Placement, StraddlingTwoPartsIsOverSeveral) {
    maps.paint(maps.part, 132, 0, kCanvasWidth, kCanvasHeight, kPart2);
    EXPECT_EQ(sample(120, 100, 30, 30), 9);
    EXPECT_EQ(sample(140, 100, 30, 30), 2);
}

TEST_F(Placement, BrochantNeedsNoSampleAndWarnsOfNothing) {
    ws.CurrentBlazon.Charges[4].Brochant = kTrue;
    EXPECT_EQ(sample(400, 400, 30, 30, 4), 9);
    EXPECT_EQ(ws.Warnings.count(), 0);
}

TEST_F(Placement, PointsOffTheCanvasWarnFromThreeOn) {
    // Top-left and bottom-left off: two points, no warning.
    EXPECT_EQ(sample(-30, 100, 100, 30), 1);
    EXPECT_EQ(ws.Warnings.count(), 0);
    // Three points off: warning kind 7 for that charge. The walk ends below
    // the canvas, so no reference colour: the points on the canvas differ.
    EXPECT_EQ(sample(-30, 320, 100, 30, 6), 9);
    ASSERT_EQ(ws.Warnings.count(), 1);
    EXPECT_EQ(ws.Warnings.Entries[1].Kind, 7);
    EXPECT_EQ(ws.Warnings.Entries[1].Item, 6);
    // Wholly off the canvas: nowhere.
    EXPECT_EQ(sample(300, 100, 30, 30, 2), 0);
    EXPECT_EQ(ws.Warnings.count(), 2);
}

// The placement rule as written, probing the left edge one row at a time.
int referencePlacement(const PlacementMaps& maps, int x, int y, int w, int h, int& off) {
    const Surface& part = maps.partMap;
    off = 0;
    bool allSame = true;
    int onFirst = 0, onSecond = 0;
    long dx = 0, dy = 0;
    Colour s[6];
    bool o[6];
    do {
        s[1] = part.pixel(int(x + dx), int(y + dy));
        o[1] = !part.contains(int(x + dx), int(y + dy));
        ++dy;
        if (x < 0) ++dx;
    } while (o[1] && dy <= h && dx <= w);
    if (dy > 1) off = 1;
    const int px[6] = {0, x, x + w, x, x + w, x + w / 2};
    const int py[6] = {0, y, y, y + h, y + h, y + h / 2};
    for (int i = 2; i <= 5; ++i) {
        s[i] = part.pixel(px[i], py[i]);
        o[i] = !part.contains(px[i], py[i]);
        if (o[i]) ++off;
    }
    const Colour reference = s[1];
    for (int i = 2; i <= 5; ++i) {
        if (s[i] != reference && !o[i] && s[i] != kLineColour) {
            if (s[i] == kZone5)
                ++onSecond;
            else
                allSame = false;
        }
    }
    if (maps.firstOrderPresent) {
        for (int i = 1; i <= 5; ++i) {
            s[i] = maps.ordinaryMap.pixel(px[i], py[i]);
            o[i] = !maps.ordinaryMap.contains(px[i], py[i]);
            if (s[i] == kZone7 || s[i] == kLineColour) ++onFirst;
        }
    }
    if (onFirst == 5) return 7;
    if (!allSame) return 9;
    for (int k = 1; k <= 5; ++k) {
        if (kPartKeyColours[k] != reference) continue;
        if (onFirst > 0) {
            int m = 0;
            for (int i = 1; i <= 5; ++i) m += o[i] || s[i] == kLineColour;
            return onFirst + m == 5 ? 7 : k + 10;
        }
        return onSecond > 0 ? k + 20 : k;
    }
    return 0;
}

TEST(PlacementWalk, MatchesTheRowByRowProbeOnRandomBoxes) {
    Maps maps;
    maps.paint(maps.part, 132, 0, kCanvasWidth, kCanvasHeight, kPart2);
    maps.paint(maps.part, 0, 0, 70, 90, kZone5);
    maps.paint(maps.part, 0, 200, kCanvasWidth, 201, kLineColour);
    maps.pale(100, 160);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> pos(-700, 700), size(-20, 800);
    for (int i = 0; i < 20000; ++i) {
        const int x = pos(rng), y = pos(rng), w = size(rng), h = size(rng);
        for (bool first : {false, true}) {
            maps.first = first;
            Workspace ws;
            int off = 0;
            const int expected = referencePlacement(maps.view(), x, y, w, h, off);
            ASSERT_EQ(SampleChargeArea(ws, maps.view(), 1, x, y, w, h), expected)
                << x << "," << y << " " << w << "x" << h << " first " << first;
            ASSERT_EQ(ws.Warnings.count(), off >= 3 ? 1 : 0)
                << x << "," << y << " " << w << "x" << h;
        }
    }
}

}  // namespace
}  // namespace tess

namespace tess {
namespace {

// A piece as its drawing leaves it: mask (piece black), coloured picture and
// key picture (piece in colour, black elsewhere), `margin` pixels of margin.
OrdinarySurfaces pieceSurfaces(int w, int h, int margin, int l, int t, int r, int b, Colour key) {
    OrdinarySurfaces piece{Surface(w, h, kBlack), Surface(w, h, kBlack), Surface(w, h, kWhite)};
    piece.mask.fillRect(l + margin, t + margin, r + margin, b + margin, Brush::solid(kBlack));
    piece.colouredPicture.fillRect(l + margin, t + margin, r + margin, b + margin,
                                   Brush::solid(0x123456));
    piece.keyPicture.fillRect(l + margin, t + margin, r + margin, b + margin, Brush::solid(key));
    return piece;
}

TEST(FindChargePlacementsStep, LaysBothPiecesZonesOnTheirMaps) {
    Workspace ws;
    auto r = std::make_unique<Renderer>();
    // The field's key map: one part.
    r->partitionWork = Surface(kModelWidth, kModelHeight, kPart1);
    BlazonRecord& b = ws.CurrentBlazon;
    b.Ordinary2.Present = kTrue;
    b.Ordinary2.Type = 12;  // a champagne
    r->Ordinary2 = pieceSurfaces(kCanvasWidth, kCanvasHeight, 0, 0, 260, 265, 340, kZone5);
    layOutOrdinary2(r->Ordinary2);
    b.Ordinary1.Present = kTrue;
    b.Ordinary1.Type = 2;  // a pale
    r->Ordinary1 = pieceSurfaces(kBigWidth, kBigHeight, kBigMargin, 100, 0, 160, 340, kZone7);
    layOutOrdinary1(r->Ordinary1, b.Ordinary1);
    ws.Bank[1].InUse = kTrue;
    auto place = [&](int n, int x, int y) { testing::placeCharge(b, n, 1, x, y, 30, 30); };
    place(1, 20, 280);   // on the champagne
    place(2, 115, 100);  // on the pale
    place(3, 20, 100);   // in the field
    place(4, 115, 280);  // on the pale, over the champagne
    LayKeyMaps(ws, *r);
    GiveChargesTheirPlacements(ws, FindChargePlacements(ws, *r));
    EXPECT_EQ(b.Charges[1].Placement, 5);
    EXPECT_EQ(b.Charges[2].Placement, 7);
    EXPECT_EQ(b.Charges[3].Placement, 1);
    EXPECT_EQ(b.Charges[4].Placement, 7);
    EXPECT_EQ(b.Parts[5].ChargeCount, 1);
    EXPECT_EQ(b.Parts[7].ChargeCount, 2);
    EXPECT_EQ(r->fieldPartMap.pixel(10, 300), kZone5);
    EXPECT_EQ(r->fieldPartMap.pixel(130, 100), kPart1);
    EXPECT_EQ(r->ordinaryMap.pixel(130, 100), kZone7);
    EXPECT_EQ(r->ordinaryMap.pixel(10, 300), kPart1);
    // The part key map takes both, the pale over the champagne.
    EXPECT_EQ(r->partMap.pixel(10, 300), kZone5);
    EXPECT_EQ(r->partMap.pixel(130, 300), kZone7);
    EXPECT_EQ(r->partMap.pixel(20, 100), kPart1);
}

}  // namespace
}  // namespace tess
