// Whole redraws with a first-order piece: where each type lies in each size and
// shift, on the canvas and on the part key map, in every émail.
#include "model/tincture_table.h"
#include "ordinary_redraw_fixture.h"
#include "render/key_colours.h"
#include "resources/pictures.h"

namespace tess {
namespace {

using testing::OrdinaryRedraw;

class FirstOrder : public OrdinaryRedraw {
  protected:
    // The canvas colour of a piece edge lying over the Azur field.
    Colour edgeOverField() const { return (tincture(kAzur) & kLineColour) ^ kLineColour; }
    // Asserts that shield columns [from, to) of row y are piece and the columns
    // just outside, beyond the edge pixels, are field.
    void expectColumns(int y, int from, int to) {
        for (int x = from; x < to; ++x) ASSERT_TRUE(onFirst(x, y)) << x << "," << y;
        EXPECT_TRUE(onField(from - 2, y)) << from - 2 << "," << y;
        EXPECT_TRUE(onField(to + 1, y)) << to + 1 << "," << y;
    }
    void expectRows(int x, int from, int to) {
        for (int y = from; y < to; ++y) ASSERT_TRUE(onFirst(x, y)) << x << "," << y;
        if (from > 1) {
            EXPECT_TRUE(onField(x, from - 2)) << x << "," << from - 2;
        }
        EXPECT_TRUE(onField(x, to + 1)) << x << "," << to + 1;
    }
};

TEST_F(FirstOrder, ChiefCoversTheTopThirdAndItsEdgeMatchesNoPart) {
    first(kChef);
    redraw();
    expectRows(132, 1, 113);
    // The edge row: the canvas shows the line over the field, the key map the
    // line colour itself, which is no part.
    EXPECT_EQ(canvas(132, 113), edgeOverField());
    EXPECT_EQ(r.partMap.pixel(132, 113), kLineColour);
    EXPECT_EQ(part(132, 113), 0);
    EXPECT_EQ(r.ordinaryMap.pixel(132, 113), kLineColour);
}

TEST_F(FirstOrder, DiminishedChiefTakesItsWidthAndClampsItsLineDepth) {
    first(kChef, 1);
    zone(7).Line.Depth = 40;
    redraw();
    EXPECT_EQ(ws.CurrentBlazon.Ordinary1.Size, 37);
    EXPECT_EQ(zone(7).Line.Depth, 36);
    expectRows(132, 1, 76);

    zone(7).Line.Depth = 30;
    redraw();
    EXPECT_EQ(ws.CurrentBlazon.Ordinary1.Size, 37);
    EXPECT_EQ(zone(7).Line.Depth, 30);
}

TEST_F(FirstOrder, PaleInEachSizeAndShift) {
    first(kPal);
    redraw();
    expectColumns(170, 89, 176);
    expectColumns(5, 89, 176);
    expectColumns(280, 89, 176);

    first(kPal, 1);
    zone(7).Line.Depth = 29;
    redraw();
    EXPECT_EQ(ws.CurrentBlazon.Ordinary1.Size, 29);
    EXPECT_EQ(zone(7).Line.Depth, 27);
    expectColumns(170, 118, 147);

    zone(7).Line.Depth = 28;
    redraw();
    EXPECT_EQ(zone(7).Line.Depth, 28);

    first(kPal, -1);
    redraw();
    expectColumns(170, 128, 137);

    first(kPal, 0, 1);  // 44 pixels to the sinister
    redraw();
    expectColumns(170, 133, 220);
    first(kPal, 0, -1);
    redraw();
    expectColumns(170, 45, 132);
}

TEST_F(FirstOrder, FessInEachSizeAndShift) {
    first(kFasce);
    redraw();
    expectRows(132, 127, 214);
    expectRows(3, 127, 214);

    first(kFasce, 1);
    redraw();
    EXPECT_EQ(ws.CurrentBlazon.Ordinary1.Size, 29);
    expectRows(132, 156, 185);

    first(kFasce, -1);
    redraw();
    expectRows(132, 166, 175);

    first(kFasce, 0, -1);  // 56 pixels up
    redraw();
    expectRows(132, 71, 158);
    first(kFasce, 0, 1);
    redraw();
    expectRows(132, 183, 270);
}

TEST_F(FirstOrder, BendsRunFromTheirChiefCornerAndMoveAcrossWithTheShift) {
    for (Long type : {kBande, kBarre}) {
        // The bend's middle line passes through the shield's centre.
        first(type);
        redraw();
        EXPECT_TRUE(onFirst(132, 170)) << type;
        EXPECT_TRUE(onField(type == kBande ? 250 : 10, 20)) << type;
        EXPECT_TRUE(onField(type == kBande ? 20 : 245, 250)) << type;
        EXPECT_TRUE(onFirst(type == kBande ? 10 : 254, 10)) << type;

        first(type, 1);
        redraw();
        EXPECT_EQ(ws.CurrentBlazon.Ordinary1.Size, 38) << type;
        EXPECT_TRUE(onFirst(132, 170)) << type;
        EXPECT_TRUE(onField(132, 120)) << type;

        // Moved 88 across: the centre is field, the sinister part piece.
        first(type, 0, 1);
        redraw();
        EXPECT_TRUE(onField(132, 170)) << type;
        EXPECT_TRUE(onFirst(type == kBande ? 220 : 215, 170)) << type;
    }
}

TEST_F(FirstOrder, ChevronAndItsRaisedForm) {
    first(kChevron);
    redraw();
    EXPECT_TRUE(onFirst(132, 100));  // below the apex, above the inner apex
    EXPECT_TRUE(onFirst(40, 300));   // dexter leg
    EXPECT_TRUE(onFirst(224, 300));  // sinister leg
    EXPECT_TRUE(onField(132, 300));  // between the legs
    EXPECT_TRUE(onField(20, 20));
    EXPECT_TRUE(onField(245, 20));

    first(kChevron, 1);
    redraw();
    EXPECT_EQ(ws.CurrentBlazon.Ordinary1.Size, 57);

    // Raised, the apex leaves the canvas: both legs are piece, both upper
    // corners field.
    first(kChevron, 0, -1);
    redraw();
    EXPECT_TRUE(onFirst(103, 19));
    EXPECT_TRUE(onFirst(163, 19));
    EXPECT_TRUE(onFirst(60, 300));
    EXPECT_TRUE(onFirst(204, 300));
    EXPECT_TRUE(onField(5, 5));
    EXPECT_TRUE(onField(260, 5));
    EXPECT_TRUE(onField(132, 300));

    first(kChevron, -1, -1);
    redraw();
    EXPECT_TRUE(onField(5, 5));
    EXPECT_TRUE(onField(260, 5));
    EXPECT_TRUE(onField(132, 300));
}

TEST_F(FirstOrder, OrleAndBordureFollowTheShieldAtTheirWidths) {
    // The shield's one-pixel frame shrinks with it and joins the bands: each
    // band is its width plus that pixel.
    struct Width {
        Integer size;
        int orle;     // inner limit of the orle, from the shield's side
        int bordure;  // width of the bordure
    };
    for (const Width w : {Width{0, 50, 25}, Width{1, 40, 15}, Width{-1, 30, 7}}) {
        first(kOrle, w.size);
        redraw();
        EXPECT_EQ(ws.CurrentBlazon.Ordinary1.Size, w.size);
        EXPECT_TRUE(onField(25, 170)) << w.size;
        EXPECT_TRUE(onFirst(26, 170)) << w.size;
        EXPECT_TRUE(onFirst(w.orle, 170)) << w.size;
        EXPECT_TRUE(onField(w.orle + 1, 170)) << w.size;
        EXPECT_TRUE(onFirst(132, 26)) << w.size;
        EXPECT_TRUE(onField(132, 25)) << w.size;
        EXPECT_TRUE(onFirst(264 - w.orle + 1, 170)) << w.size;
        EXPECT_TRUE(onField(264 - w.orle, 170)) << w.size;
        EXPECT_TRUE(onField(132, 170)) << w.size;

        first(kBordure, w.size);
        redraw();
        EXPECT_EQ(ws.CurrentBlazon.Ordinary1.Size, w.size);
        EXPECT_TRUE(onFirst(1, 170)) << w.size;
        EXPECT_TRUE(onFirst(w.bordure, 170)) << w.size;
        EXPECT_TRUE(onField(w.bordure + 1, 170)) << w.size;
        EXPECT_TRUE(onFirst(264 - w.bordure + 1, 170)) << w.size;
        EXPECT_TRUE(onField(264 - w.bordure, 170)) << w.size;
        EXPECT_TRUE(onFirst(132, 1)) << w.size;
        EXPECT_TRUE(onField(132, 170)) << w.size;
    }
}

// The écusson's box, a third of the shield round its centre, in shield
// coordinates.
constexpr int kBoxX = 88, kBoxY = 113, kBoxW = 88, kBoxH = 113;

TEST_F(FirstOrder, EcussonTakesTheShieldsShapeAndLeavesEveryCornerToTheField) {
    for (int shape = 1; shape <= 7; ++shape) {
        ws.CurrentBlazon.ShieldShape = shape;
        first(kEcusson);
        redraw();
        EXPECT_EQ(ws.CurrentBlazon.InsetShape, shape);
        Surface small(kBoxW, kBoxH, kBlack);
        StretchBlt(small, 0, 0, kBoxW, kBoxH, shieldMaskPicture(shape), 0, 0, 265, 340,
                   RasterOp::Copy);
        for (int y = 0; y < kBoxH; ++y)
            for (int x = 0; x < kBoxW; ++x) {
                const bool piece = shape == 3 || small.pixel(x, y) == kWhite;
                ASSERT_EQ(onFirst(kBoxX + x, kBoxY + y), piece) << shape << ": " << x << "," << y;
                if (!piece) {
                    ASSERT_TRUE(onField(kBoxX + x, kBoxY + y));
                }
            }
        EXPECT_TRUE(onField(kBoxX - 1, kBoxY + 50)) << shape;
        EXPECT_TRUE(onField(kBoxX + kBoxW, kBoxY + 50)) << shape;
    }
    // The lozenge touches its box's sides: its four corners are four separate
    // pieces of field, every one of them field.
    ws.CurrentBlazon.ShieldShape = 6;
    redraw();
    for (auto [x, y] : {std::pair{0, 0}, {kBoxW - 1, 0}, {0, kBoxH - 1}, {kBoxW - 1, kBoxH - 1}})
        EXPECT_TRUE(onField(kBoxX + x, kBoxY + y)) << x << "," << y;
}

// A picture in which every pixel's colour tells its place.
Surface placeCoded() {
    Surface s(kCanvasWidth, kCanvasHeight, kBlack);
    for (int y = 0; y < kCanvasHeight; ++y)
        for (int x = 0; x < kCanvasWidth; ++x) s.setPixel(x, y, Colour(0x400000 | y << 9 | x));
    return s;
}

TEST_F(FirstOrder, InsertedArmsFillTheEcussonShrunkAndKeepTheirShape) {
    const Surface arms = placeCoded();
    r.InsertedPictures[7] = arms;
    r.InsertedPaths[7] = "/tmp/arms.bls";
    ws.CurrentBlazon.ShieldShape = 5;
    ws.CurrentBlazon.InsetShape = 6;  // the arms were saved on a lozenge
    setZone(7, kClassInserted, kOr);
    zone(7).InsertedPath = "/tmp/arms.bls";
    first(kEcusson);
    redraw();
    EXPECT_EQ(ws.CurrentBlazon.InsetShape, 6);
    // The centre shows the arms' centre; the corners stay field.
    EXPECT_EQ(canvas(132, 170), arms.pixel(44 * 265 / 88, 57 * 340 / 113));
    EXPECT_EQ(part(132, 170), 7);
    EXPECT_TRUE(onField(kBoxX + 2, kBoxY + 2));
    int shown = 0;
    for (int y = 0; y < kBoxH; ++y)
        for (int x = 0; x < kBoxW; ++x)
            if (part(kBoxX + x, kBoxY + y) == 7) {
                ++shown;
                ASSERT_EQ(canvas(kBoxX + x, kBoxY + y), arms.pixel(x * 265 / 88, y * 340 / 113));
            }
    EXPECT_GT(shown, kBoxW * kBoxH / 3);
}

TEST_F(FirstOrder, InsertedArmsShowTheirTopAtFullSizeInTheChief) {
    const Surface arms = placeCoded();
    r.InsertedPictures[7] = arms;
    r.InsertedPaths[7] = "/tmp/arms.bls";
    setZone(7, kClassInserted, kOr);
    zone(7).InsertedPath = "/tmp/arms.bls";
    first(kChef);
    redraw();
    for (int y = 0; y < 113; y += 7)
        for (int x = 0; x < kCanvasWidth; x += 11)
            if (r.shapeMask().pixel(x, y) == kWhite) {
                ASSERT_EQ(canvas(x, y), arms.pixel(x, y));
            }
    EXPECT_EQ(part(132, 50), 7);
    EXPECT_TRUE(onField(132, 150));
}

TEST_F(FirstOrder, ArmsWithoutTheirPictureOrOnAnotherPieceShowTheZonesTincture) {
    setZone(7, kClassInserted, kGueules);
    zone(7).InsertedPath = "/tmp/arms.bls";
    first(kChef);  // the picture never loaded
    redraw();
    EXPECT_EQ(canvas(132, 50), tincture(kGueules));
    // The piece became a pale after the arms were put in.
    r.InsertedPictures[7] = placeCoded();
    r.InsertedPaths[7] = "/tmp/arms.bls";
    first(kPal);
    redraw();
    EXPECT_EQ(canvas(132, 50), tincture(kGueules));
    EXPECT_EQ(part(132, 50), 7);
}

TEST_F(FirstOrder, FurredChiefAndEcussonShowTheFurFixedToTheShield) {
    for (Long type : {kChef, kEcusson}) {
        for (Long fur : {108L, 110L, 115L}) {
            setZone(7, fur, fur);
            first(type);
            redraw();
            const Surface& pattern = r.FurPatternDCs[std::size_t(fur - 108)];
            const int cx = 132, cy = type == kChef ? 40 : 170;
            for (int y = cy - 30; y < cy + 30; ++y)
                for (int x = cx - 40; x < cx + 40; ++x)
                    ASSERT_EQ(canvas(x, y), pattern.pixel(x + 100, y + 100))
                        << type << " " << fur << ": " << x << "," << y;
            EXPECT_EQ(part(cx, cy), 7);
            EXPECT_TRUE(onField(132, type == kChef ? 200 : 300));
        }
    }
}

TEST_F(FirstOrder, UserFurOnThePieceComesFromItsPictureOrItsDominantTincture) {
    const Surface picture = placeCoded();
    r.UserFurPictures[1] = picture;
    setZone(7, 117, 117);
    first(kFasce);
    redraw();
    EXPECT_EQ(canvas(30, 170), picture.pixel(30, 170));
    EXPECT_EQ(canvas(200, 150), picture.pixel(200, 150));
    EXPECT_EQ(part(30, 170), 7);

    // A slot whose picture is missing shows its dominant tincture.
    ws.CurrentBlazon.UserFurs[2].DominantTincture = kSinople;
    setZone(7, 118, 118);
    redraw();
    EXPECT_EQ(zone(7).Tincture, kSinople);
    EXPECT_EQ(canvas(30, 170), tincture(kSinople));
}

// The edge of a piece is laid by the mask and the coloured picture like its
// inside: the canvas pixel p becomes (p AND line colour) XOR the picture's edge
// pixel. A fur cut to the mask keeps on the edge the fur's bits the line colour
// lacks; inserted arms cut to the chief keep the bits it has. Built-in and user
// furs alike; the key maps show the line colour itself.
TEST_F(FirstOrder, EdgesOfFurredAndInsertedPiecesKeepWhatTheirPictureLeaves) {
    const Colour field = tincture(kAzur) & kLineColour;
    const Colour notLine = ~kLineColour & 0xFFFFFFu;
    setZone(7, 108, 108);
    first(kPal);
    redraw();
    const Surface& ermine = r.FurPatternDCs[0];
    // Rows inside the shield's outline, whatever the shape cuts at the top.
    for (int y = 20; y < 300; y += 3) {
        ASSERT_EQ(canvas(88, y), field ^ (ermine.pixel(188, y + 100) & notLine)) << y;
        ASSERT_EQ(canvas(176, y), field ^ (ermine.pixel(276, y + 100) & notLine)) << y;
        ASSERT_EQ(r.partMap.pixel(88, y), kLineColour) << y;
    }

    const Surface coded = placeCoded();
    r.UserFurPictures[1] = coded;
    setZone(7, 117, 117);
    redraw();
    for (int y = 20; y < 300; y += 3)
        ASSERT_EQ(canvas(88, y), field ^ (coded.pixel(88, y) & notLine)) << y;

    r.InsertedPictures[7] = coded;
    r.InsertedPaths[7] = "/tmp/arms.bls";
    setZone(7, kClassInserted, kOr);
    zone(7).InsertedPath = "/tmp/arms.bls";
    first(kChef);
    redraw();
    for (int x = 20; x < 245; x += 3) {
        ASSERT_EQ(canvas(x, 113), field ^ (coded.pixel(x, 113) & kLineColour)) << x;
        ASSERT_EQ(r.partMap.pixel(x, 113), kLineColour) << x;
    }
}

TEST_F(FirstOrder, PiecesAreHatchedOnABlackAndWhitePage) {
    ws.PrintBlackWhite = true;
    setZone(7, kClassColour, kGueules);  // vertical lines
    for (Long type : {kOrle, kPal, kEcusson}) {
        first(type);
        redraw();
        const int x0 = type == kOrle ? 25 : 100, x1 = type == kOrle ? 49 : 120;
        int black = 0, white = 0;
        for (int x = x0; x <= x1; ++x) {
            const Colour c = canvas(x, 170);
            ASSERT_TRUE(c == kBlack || c == kWhite) << type << ": " << x;
            (c == kBlack ? black : white) += 1;
            ASSERT_EQ(canvas(x, 171), c);  // vertical: the same down a column
        }
        EXPECT_GT(black, 0) << type;
        EXPECT_GT(white, black) << type;
        EXPECT_EQ(part(x0 + 2, 170), 7);
    }
}

TEST_F(FirstOrder, AnUnknownPieceIsNeitherDrawnNorClassified) {
    first(kPal);
    redraw();
    const Surface mask = r.Ordinary1.MaskDC;
    const Surface image = r.Ordinary1.ImageDC;
    addBankPicture(1, {"rr", "rr"}, kGueules);
    place(1, 1, 120, 150, 20, 20, kSable);
    for (Long type : {0L, 23L, -4L}) {
        first(type, 1);
        redraw();
        EXPECT_EQ(ws.CurrentBlazon.Ordinary1.Size, 1) << type;
        EXPECT_TRUE(onField(132, 20)) << type;
        EXPECT_EQ(r.ordinaryMap.pixel(132, 20), kPartKeyColours[1]) << type;
        EXPECT_EQ(ws.CurrentBlazon.Charges[1].Placement, 1) << type;
        EXPECT_EQ(r.Ordinary1.MaskDC, mask);
        EXPECT_EQ(r.Ordinary1.ImageDC, image);
    }
}

TEST_F(FirstOrder, DamagedValuesNeverHangOrLeaveTheCanvas) {
    first(kChef, Integer(-32768));
    zone(7).Line = {Integer(32767), Integer(0), 13, 0};
    redraw();
    first(kPal, 0, Integer(30000));
    zone(7).Line = {Integer(-5), Integer(-7), 11, 0};
    redraw();
    EXPECT_TRUE(onField(132, 170));
    first(kChevron, 0, Integer(-2), 255);
    redraw();
    first(kBarre, -1, 5);
    redraw();
    SUCCEED();
}

TEST_F(FirstOrder, OptionMarksFollowTheStoredSizeAndShift) {
    RedrawResult result = redraw();  // no piece: the marks still show
    EXPECT_EQ(result.Marks.size, 0);
    EXPECT_EQ(result.Marks.shift, 1);
    EXPECT_EQ(result.Marks.secondSize, 0);

    first(kPal, 1, -1);
    ws.CurrentBlazon.Ordinary2.Size = -1;
    result = redraw();
    EXPECT_EQ(result.Marks.size, 1);
    EXPECT_EQ(result.Marks.shift, 0);
    EXPECT_EQ(result.Marks.secondSize, 2);
    EXPECT_EQ(result.Marks.sizeChooserHeight, 63);

    // A repeated piece is never shifted.
    first(kPal, -1, -1, 2);
    result = redraw();
    EXPECT_EQ(ws.CurrentBlazon.Ordinary1.Shift, 0);
    EXPECT_EQ(result.Marks.shift, 1);
    EXPECT_EQ(result.Marks.size, 2);

    first(kChef);
    EXPECT_EQ(redraw().Marks.sizeChooserHeight, 39);
    first(kEcusson);
    EXPECT_EQ(redraw().Marks.sizeChooserHeight, 20);
    first(kPal, 0, 7);
    EXPECT_EQ(redraw().Marks.shift, -1);
}

}  // namespace
}  // namespace tess
