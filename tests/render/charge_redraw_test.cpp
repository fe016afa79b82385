#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "actions/charge_placing.h"
#include "model/motifs.h"
#include "model/placed_charges.h"
#include "render/charge_layers.h"
#include "render/charge_redraw_fixture.h"

namespace tess {
namespace {

using testing::ChargeRedraw;

// An arrow pointing right, Gueules with a black eye; blank corners.
const std::vector<std::string> kArrow = {
    "rr..",  //
    "r#r.",  //
    "rrrr",  //
    "rr..",
};

TEST_F(ChargeRedraw, ChargeIsStampedThroughItsMaskAndStretched) {
    addBankPicture(1, kArrow, kGueules);
    place(1, 1, 100, 120, 8, 8, kOr);
    redraw();
    const Colour azur = tincture(kAzur), gold = tincture(kOr);
    // Each picture pixel covers 2 x 2 canvas pixels; the eye keeps its colour,
    // the transparent corners show the field.
    const std::tuple<int, int, Colour> points[] = {
        {100, 120, gold},   {101, 121, gold}, {102, 122, kBlack},
        {103, 123, kBlack}, {104, 120, azur}, {107, 121, azur},
        {107, 125, gold},   {99, 120, azur},  {108, 124, azur}};
    for (auto [x, y, want] : points) EXPECT_EQ(r.canvas.pixel(x, y), want) << x << "," << y;
    EXPECT_EQ(ws.CurrentBlazon.Charges[1].Class, kClassMetal);
}

TEST_F(ChargeRedraw, MirroredChargeIsFlippedInTheSameBox) {
    addBankPicture(1, kArrow, kGueules);
    place(1, 1, 100, 120, 4, 4, kGueules).Mirrored = kTrue;
    redraw();
    const Surface& c = r.canvas;
    const Colour azur = tincture(kAzur), red = tincture(kGueules);
    EXPECT_EQ(c.pixel(100, 120), azur);
    EXPECT_EQ(c.pixel(103, 120), red);
    EXPECT_EQ(c.pixel(102, 121), kBlack);
    EXPECT_EQ(c.pixel(100, 122), red);
    EXPECT_EQ(ws.CurrentBlazon.Charges[1].Class, kClassColour);
    // The hit box does not flip.
    EXPECT_TRUE(hit(101, 121));
    EXPECT_TRUE(hit(102, 122));
}

TEST_F(ChargeRedraw, HitMapHoldsARedBoxInsideABlackOutline) {
    addBankPicture(1, kArrow, kGueules);
    place(1, 1, 50, 60, 20, 10, kOr);
    redraw();
    EXPECT_FALSE(hit(50, 60));
    EXPECT_FALSE(hit(69, 65));
    EXPECT_TRUE(hit(51, 61));
    EXPECT_TRUE(hit(68, 68));
    EXPECT_FALSE(hit(68, 69));
    EXPECT_FALSE(hit(70, 65));
    // The next redraw starts the map afresh.
    ws.CurrentBlazon.Charges[1].X = 150;
    redraw();
    EXPECT_FALSE(hit(55, 65));
    EXPECT_TRUE(hit(155, 65));
}

TEST_F(ChargeRedraw, PlacementAndChargeListsFollowThePartition) {
    ws.CurrentBlazon.Partition = 10;  // parti
    ws.CurrentBlazon.Parts[2].Tincture = kArgent;
    addBankPicture(1, kArrow, kGueules);
    place(1, 1, 170, 100, 30, 30, kAzur);  // in the sinister half
    place(2, 1, 20, 100, 30, 30, kOr);     // in the dexter half
    place(4, 1, 115, 100, 30, 30, kOr);    // across the line
    place(6, 1, 170, 200, 30, 30, kOr).Brochant = kTrue;
    redraw();
    const auto& ch = ws.CurrentBlazon.Charges;
    EXPECT_EQ(ch[1].Placement, 2);
    EXPECT_EQ(ch[2].Placement, 1);
    EXPECT_EQ(ch[4].Placement, 9);
    EXPECT_EQ(ch[6].Placement, 9);
    EXPECT_EQ(chargeList(1), std::vector<int>{2});
    EXPECT_EQ(chargeList(2), std::vector<int>{1});
    EXPECT_EQ(chargeList(6), (std::vector<int>{4, 6}));
    EXPECT_EQ(ws.Warnings.count(), 0);
    EXPECT_EQ(r.canvas.pixel(185, 115), tincture(kAzur));
}

TEST_F(ChargeRedraw, ChargeOffTheCanvasLeavesTheDocumentWhileOneLargelyOffStays) {
    // A small picture drawn large: its box reaches the canvas although the
    // picture's own size would not.
    addBankPicture(1, kArrow, kGueules);
    place(1, 1, -200, 100, 210, 40, kOr);
    redraw();
    EXPECT_EQ(ws.CurrentBlazon.Charges[1].InUse, kTrue);
    EXPECT_TRUE(hit(5, 110));
    // Wholly off, even by one pixel past the edge, it goes.
    ws.CurrentBlazon.Charges[1].Width = 190;
    redraw();
    EXPECT_EQ(ws.CurrentBlazon.Charges[1].InUse, 0);

    place(1, 1, 300, 100, 30, 30, kOr);
    redraw();
    const ChargeRecord& c = ws.CurrentBlazon.Charges[1];
    EXPECT_EQ(c.InUse, 0);
    EXPECT_EQ(c.Placement, 0);
    ASSERT_EQ(ws.Warnings.count(), 1);
    EXPECT_EQ(ws.Warnings.Entries[1].Kind, 7);
    EXPECT_EQ(ws.Warnings.Entries[1].Item, 1);
    for (int y = 0; y < kCanvasHeight; ++y)
        for (int x = 0; x < kCanvasWidth; ++x) ASSERT_FALSE(hit(x, y));
}

TEST_F(ChargeRedraw, ChargeWithoutABankPictureIsNeitherDrawnNorListed) {
    addBankPicture(1, kArrow, kGueules);
    place(1, 1, 100, 100, 30, 30, kOr);
    ws.Bank[1].InUse = 0;
    redraw();
    EXPECT_FALSE(hit(110, 110));
    EXPECT_EQ(chargeList(1), std::vector<int>{});
    EXPECT_EQ(r.canvas.pixel(101, 101), tincture(kAzur));
}

TEST_F(ChargeRedraw, GroupMovesAndResizesTogether) {
    addBankPicture(1, kArrow, kGueules);
    const Byte g = NewMotif(ws);
    for (int n = 1; n <= 3; ++n) {
        place(n, 1, 20 + 60 * n, 50, 20, 20, kOr);
        AddChargeToMotif(ws, g, n);
    }
    redraw();
    MoveMotifCharges(ws, g, 5, 100, 40, 30);
    redraw();
    for (int n = 1; n <= 3; ++n) {
        const int x = 25 + 60 * n;
        EXPECT_FALSE(hit(x + 5, 55)) << n;
        EXPECT_TRUE(hit(x + 1, 151)) << n;
        EXPECT_TRUE(hit(x + 28, 188)) << n;
        EXPECT_FALSE(hit(x + 29, 188)) << n;
        EXPECT_EQ(r.canvas.pixel(x, 150), tincture(kOr)) << n;
    }
}

TEST_F(ChargeRedraw, ChargeIsCutToTheShieldShape) {
    ws.CurrentBlazon.ShieldShape = 1;
    addBankPicture(1, {"rr", "rr"}, kGueules);
    place(1, 1, 0, 300, 265, 40, kSinople);
    redraw();
    // The bottom corners lie outside every shield but the banner.
    EXPECT_NE(r.canvas.pixel(1, 338), tincture(kSinople));
    EXPECT_EQ(r.canvas.pixel(132, 305), tincture(kSinople));
}

TEST_F(ChargeRedraw, HeldChargeIsRenderedIntoTheOverlay) {
    addBankPicture(1, kArrow, kGueules);
    place(1, 1, 0, 0, 4, 4, kAzur).Mirrored = kTrue;
    ws.CurrentBlazon.Charges[1].InUse = 0;  // held
    Surface overlay(8, 4, kWhite);
    ASSERT_TRUE(drawChargeInBox(ws, r.Charges, overlay, 1, 8, 4));
    const std::vector<std::string> expected = {
        "....bbbb",  //
        "..bb##bb",  //
        "bbbbbbbb",  //
        "....bbbb",
    };
    EXPECT_EQ(testing::ascii(overlay), expected);
    ASSERT_TRUE(drawChargeInBox(ws, r.Charges, overlay, 1, 8, 4));
    EXPECT_EQ(testing::ascii(overlay), expected);
    EXPECT_FALSE(drawChargeInBox(ws, r.Charges, overlay, 2, 8, 4));
}

TEST_F(ChargeRedraw, DamagedChargeRecordsNeitherCrashNorHang) {
    addBankPicture(1, kArrow, kGueules);
    addBankPicture(2, {"r"}, 99);  // an own tincture out of range
    std::mt19937 rng(2024);
    std::uniform_int_distribution<int> any16(-32768, 32767), small(-400, 700), pick(0, 9);
    for (int round = 0; round < 40; ++round) {
        for (int n = 1; n <= kChargeCount; ++n) {
            ChargeRecord& c = ws.CurrentBlazon.Charges[n];
            const bool wild = pick(rng) == 0;
            c.InUse = Integer(pick(rng) < 8 ? kTrue : 0);
            c.ImageIndex = Integer(wild ? any16(rng) : pick(rng) % 4);
            c.X = Integer(wild ? any16(rng) : small(rng));
            c.Y = Integer(wild ? any16(rng) : small(rng));
            c.Width = Integer(wild ? any16(rng) : small(rng));
            c.Height = Integer(wild ? any16(rng) : small(rng));
            c.Tincture = wild ? any16(rng) : pick(rng) + 1;
            c.Mirrored = Integer(-(pick(rng) % 2));
            c.Brochant = Integer(-(pick(rng) % 2));
            c.Placement = Byte(any16(rng));
        }
        redraw();
        for (int k = 1; k <= kPartCount; ++k)
            ASSERT_LE(ws.CurrentBlazon.Parts[k].ChargeCount, kChargeCount);
        ChargeAtPoint(ws, small(rng), small(rng));
    }
}

}  // namespace
}  // namespace tess
