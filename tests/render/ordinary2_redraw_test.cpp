// Whole redraws with a second-order piece, and redraws in a row that must
// leave nothing of one piece in the next.
#include <memory>
#include <random>

#include "model/tincture_table.h"
#include "ordinary_redraw_fixture.h"
#include "render/key_colours.h"

namespace tess {
namespace {

using testing::OrdinaryRedraw;

class SecondOrder : public OrdinaryRedraw {};

struct Probe {
    Long type;
    int inX, inY;    // a point of the piece
    int outX, outY;  // a point of the field beside it
};

TEST_F(SecondOrder, EachTypeLiesWhereItsSeedsSay) {
    const Probe probes[] = {
        {kAdextre, 40, 170, 130, 170},
        {kSenestre, 220, 170, 130, 170},
        {kChampagne, 132, 300, 132, 150},
        {kCanton, 40, 40, 40, 130},
        {kFrancQuartier, 100, 100, 160, 100},
        {kCorniere, 200, 60, 100, 60},
        {kEsquarre, 150, 50, 200, 50},
        {kGiron, 10, 150, 100, 40},
        {kPile, 132, 200, 60, 200},
        {kPointe, 132, 300, 60, 300},
        {kPairle, 132, 250, 60, 250},
        {kSautoir, 132, 170, 132, 60},
        {kCroix, 132, 60, 60, 60},
    };
    for (const Probe& p : probes) {
        second(p.type);
        redraw();
        EXPECT_TRUE(onSecond(p.inX, p.inY)) << p.type;
        EXPECT_TRUE(onField(p.outX, p.outY)) << p.type;
        EXPECT_EQ(partOfKeyColour(r.fieldPartMap.pixel(p.inX, p.inY)), 5) << p.type;
    }
}

TEST_F(SecondOrder, ChampagneWithADenteleLineShowsItsTeeth) {
    second(kChampagne);
    zone(5).Line.LineKind = 11;
    redraw();
    // Whole rows above and below the teeth, both colours within them.
    for (int x = 10; x < 255; ++x) {
        ASSERT_TRUE(onField(x, 227 - 14)) << x;
        ASSERT_TRUE(onSecond(x, 227 + 14)) << x;
    }
    int field = 0, piece = 0;
    for (int x = 10; x < 255; ++x) field += part(x, 227 - 8) == 1, piece += part(x, 227 - 8) == 5;
    EXPECT_GT(field, 0);
    EXPECT_GT(piece, 0);
    // The teeth are cut on the mask too.
    EXPECT_EQ(r.Ordinary2.MaskDC.pixel(132, 300), kBlack);
    EXPECT_EQ(r.Ordinary2.MaskDC.pixel(132, 150), kWhite);
}

TEST_F(SecondOrder, CrossEnFiletIsTenPixelsWide) {
    second(kCroix, -1);
    redraw();
    for (int x = 128; x < 137; ++x) ASSERT_TRUE(onSecond(x, 60)) << x;
    EXPECT_EQ(r.partMap.pixel(127, 60), kLineColour);
    EXPECT_EQ(r.partMap.pixel(137, 60), kLineColour);
    EXPECT_TRUE(onField(125, 60));
    EXPECT_TRUE(onField(139, 60));
    for (int y = 166; y < 175; ++y) ASSERT_TRUE(onSecond(40, y)) << y;
    EXPECT_TRUE(onField(40, 163));
    EXPECT_TRUE(onField(40, 177));
    EXPECT_TRUE(onSecond(132, 2));
}

TEST_F(SecondOrder, OnlyThePairleSautoirAndCrossComeInSizes) {
    second(kPairle, 34);  // as the menus set it
    redraw();
    EXPECT_EQ(ws.CurrentBlazon.Ordinary2.Size, 22);
    EXPECT_TRUE(onSecond(132, 300));
    EXPECT_TRUE(onField(100, 300));  // inside the whole pairle's foot, outside the narrow one

    second(kCanton, 0);
    redraw();
    const Surface whole = r.canvas;
    for (Integer size : {1, -1}) {
        second(kCanton, size);
        redraw();
        EXPECT_EQ(ws.CurrentBlazon.Ordinary2.Size, size);
        EXPECT_EQ(r.canvas, whole) << size;
    }
    second(kAdextre, 0);
    redraw();
    const Surface adextre = r.canvas;
    second(kAdextre, -1);
    redraw();
    EXPECT_EQ(r.canvas, adextre);
}

TEST_F(SecondOrder, EsquarresInnerSquareIsField) {
    second(kEsquarre);
    redraw();
    EXPECT_TRUE(onField(200, 50));
    EXPECT_TRUE(onField(260, 5));
    EXPECT_TRUE(onSecond(150, 50));
    EXPECT_TRUE(onSecond(200, 115));
    EXPECT_TRUE(onField(100, 200));
}

TEST_F(SecondOrder, AFurLiesOverTheZoneOnly) {
    setZone(5, 111, 111);
    second(kSautoir);
    redraw();
    const Surface& fur = *r.furPicture(111);
    const OrdinarySurfaces& p = r.Ordinary2;
    for (int y = 0; y < kCanvasHeight; ++y)
        for (int x = 0; x < kCanvasWidth; ++x) {
            const Colour key = p.Image2DC.pixel(x, y);
            const Colour expected = key == kPartKeyColours[5] ? fur.pixel(x, y) : key;
            ASSERT_EQ(p.ImageDC.pixel(x, y), expected) << x << "," << y;
        }
    EXPECT_EQ(canvas(132, 170), fur.pixel(132, 170));
    EXPECT_EQ(part(132, 170), 5);
}

TEST_F(SecondOrder, ItsZoneCoversEveryFieldPartOnTheKeyMap) {
    ws.CurrentBlazon.Partition = 14;  // écartelé
    second(kCroix);
    redraw();
    for (auto [x, y] : {std::pair{132, 20}, {132, 320}, {20, 170}, {250, 170}, {130, 168}})
        EXPECT_EQ(part(x, y), 5) << x << "," << y;
    EXPECT_EQ(part(20, 20), 1);
    EXPECT_EQ(part(250, 320), 4);
    // The piece's edges match no part on either key map.
    EXPECT_EQ(r.partMap.pixel(176, 20), kLineColour);
    EXPECT_EQ(r.fieldPartMap.pixel(176, 20), kLineColour);
}

TEST_F(SecondOrder, HatchedOnABlackAndWhitePage) {
    ws.PrintBlackWhite = true;
    setZone(5, kClassColour, kAzur);  // horizontal lines
    ws.CurrentBlazon.Parts[1].Tincture = kArgent;
    second(kChampagne);
    redraw();
    int black = 0;
    for (int y = 250; y < 290; ++y) {
        const Colour c = canvas(132, y);
        ASSERT_TRUE(c == kBlack || c == kWhite) << y;
        black += c == kBlack;
        ASSERT_EQ(canvas(133, y), c);
    }
    EXPECT_GT(black, 0);
    EXPECT_EQ(canvas(132, 100), kWhite);
}

TEST_F(SecondOrder, AnUnknownTypeIsNotDrawn) {
    for (Long type : {9L, 23L}) {
        second(type);
        redraw();
        EXPECT_TRUE(onField(132, 170)) << type;
        EXPECT_TRUE(onField(132, 300)) << type;
    }
}

// Redraw after redraw on one renderer gives what a fresh renderer draws: the
// pieces' pictures, written only where the pieces lie, keep nothing of an
// earlier piece.
TEST(OrdinarySequence, EveryRedrawMatchesAFreshOne) {
    std::mt19937 rng(11);
    auto pick = [&](int n) { return int(rng() % unsigned(n)); };
    auto make = [](std::unique_ptr<Workspace>& ws, std::unique_ptr<Renderer>& r) {
        ws = std::make_unique<Workspace>();
        r = std::make_unique<Renderer>();
        InitTinctures(ws->Tinctures);
        InitSurfaces(*r);
        ResetDocument(*ws);
    };
    std::unique_ptr<Workspace> ws;
    std::unique_ptr<Renderer> r;
    make(ws, r);
    const Long emaux[] = {kClassColour, kClassMetal, 108, 110, 113};
    for (int round = 0; round < 40; ++round) {
        BlazonRecord& b = ws->CurrentBlazon;
        b.ShieldShape = 1 + pick(7);
        b.Partition = pick(3) ? 9 : 14;
        b.Ordinary1 = {};
        b.Ordinary1.Present = pick(4) ? kTrue : kFalse;
        b.Ordinary1.Type = 1 + pick(9);
        b.Ordinary1.Size = Integer(pick(3) - 1);
        b.Ordinary1.Shift = Integer(pick(3) - 1);
        b.Ordinary1.Repeat = Byte(pick(3));
        b.Ordinary2 = {};
        b.Ordinary2.Present = pick(3) ? kTrue : kFalse;
        b.Ordinary2.Type = 10 + pick(13);
        b.Ordinary2.Size = Integer(pick(3) - 1);
        for (int k : {5, 7}) {
            const Long e = emaux[pick(5)];
            b.Parts[k].Kind = e;
            b.Parts[k].Tincture = e > 100 ? e : 1 + pick(11);
            b.Parts[k].Line.LineKind = 10 + pick(8);
        }
        ws->PrintBlackWhite = pick(6) == 0;

        std::unique_ptr<Workspace> freshWs;
        std::unique_ptr<Renderer> freshR;
        make(freshWs, freshR);
        freshWs->CurrentBlazon = b;
        freshWs->PrintBlackWhite = ws->PrintBlackWhite;
        RedrawShield(*ws, *r);
        RedrawShield(*freshWs, *freshR);
        ASSERT_EQ(r->canvas, freshR->canvas) << round;
        ASSERT_EQ(r->partMap, freshR->partMap) << round;
        ASSERT_EQ(r->ordinaryMap, freshR->ordinaryMap) << round;
        ASSERT_EQ(r->fieldPartMap, freshR->fieldPartMap) << round;
        if (b.Ordinary1.Present) {
            ASSERT_EQ(r->Ordinary1.MaskDC, freshR->Ordinary1.MaskDC) << round;
            ASSERT_EQ(r->Ordinary1.ImageDC, freshR->Ordinary1.ImageDC) << round;
            ASSERT_EQ(r->Ordinary1.Image2DC, freshR->Ordinary1.Image2DC) << round;
        }
        if (b.Ordinary2.Present) {
            ASSERT_EQ(r->Ordinary2.MaskDC, freshR->Ordinary2.MaskDC) << round;
            ASSERT_EQ(r->Ordinary2.ImageDC, freshR->Ordinary2.ImageDC) << round;
            ASSERT_EQ(r->Ordinary2.Image2DC, freshR->Ordinary2.Image2DC) << round;
        }
    }
}

}  // namespace
}  // namespace tess

namespace tess {
namespace {

// Surfaces made afresh hold none of the pieces' pictures, whatever the pieces
// drew before.
TEST_F(SecondOrder, SurfacesMadeAgainAreWrittenWhole) {
    first(kChef);
    second(kCanton);
    redraw();
    const Surface canvas = r.canvas;
    InitSurfaces(r);
    redraw();
    EXPECT_EQ(r.canvas, canvas);
    EXPECT_EQ(r.Ordinary1.MaskDC.pixel(400, 500), kWhite);
    EXPECT_EQ(r.Ordinary2.ImageDC.pixel(200, 300), kBlack);
}

}  // namespace
}  // namespace tess

namespace tess {
namespace {

// Records no editor writes (a damaged file opened before its checks, or a
// document built in memory): any type, size, shift, repeat, line style and
// zone, and inserted pictures of odd sizes. The redraw must finish, and a
// piece of no known type must leave no zone on the maps.
TEST(OrdinaryDamage, AnyPieceRecordIsDrawnWithoutFault) {
    std::mt19937 rng(23);
    auto any16 = [&] { return Integer(std::int16_t(rng())); };
    auto small = [&](int lo, int hi) { return lo + int(rng() % unsigned(hi - lo + 1)); };
    Workspace ws;
    Renderer r;
    InitTinctures(ws.Tinctures);
    InitSurfaces(r);
    ResetDocument(ws);
    for (int round = 0; round < 60; ++round) {
        BlazonRecord& b = ws.CurrentBlazon;
        for (OrdinaryRecord* o : {&b.Ordinary1, &b.Ordinary2}) {
            o->Present = rng() % 5 ? kTrue : kFalse;
            o->Type = small(-3, 26);
            o->Size = rng() % 3 ? Integer(small(-2, 40)) : any16();
            o->Shift = rng() % 3 ? Integer(small(-2, 2)) : Integer(small(-400, 400));
            o->Repeat = Byte(rng() % 4 ? small(0, 3) : small(0, 255));
        }
        for (int k : {5, 7}) {
            PartRecord& z = b.Parts[k];
            z.Kind = rng() % 2 ? small(20, 40) : small(100, 130);
            z.Tincture = small(-2, 14);
            z.Line.LineKind = small(8, 19);
            z.Line.Depth = Integer(small(-5, 80));
            z.Line.Width = Integer(small(-5, 120));
            z.InsertedPath = rng() % 3 ? "" : "/tmp/arms.bls";
        }
        b.ShieldShape = small(0, 8);
        b.InsetShape = small(0, 8);
        // The pictures stand for the arms (and the fur) the record names.
        r.InsertedPictures[7] =
            rng() % 2 ? Surface(small(1, 300), small(1, 400), 0x123456u) : Surface();
        r.InsertedPaths[7] = b.Parts[7].InsertedPath;
        r.UserFurPictures[1] =
            rng() % 2 ? Surface(small(1, 300), small(1, 400), 0x654321u) : Surface();
        ws.PrintBlackWhite = rng() % 8 == 0;
        RedrawShield(ws, r);
        const bool first = b.Ordinary1.Present && b.Ordinary1.Type >= 1 && b.Ordinary1.Type <= 9;
        const bool second = b.Ordinary2.Present && b.Ordinary2.Type >= 10 && b.Ordinary2.Type <= 22;
        bool zone7 = false, zone5 = false;
        for (int y = 0; y < kCanvasHeight; ++y)
            for (int x = 0; x < kCanvasWidth; ++x) {
                zone7 |= r.ordinaryMap.pixel(x, y) == kPartKeyColours[7];
                zone5 |= r.fieldPartMap.pixel(x, y) == kPartKeyColours[5];
            }
        if (!first) {
            ASSERT_FALSE(zone7) << round;
        }
        if (!second) {
            ASSERT_FALSE(zone5) << round;
        }
    }
}

}  // namespace
}  // namespace tess
