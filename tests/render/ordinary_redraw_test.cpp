// Whole redraws with a first- or second-order piece: where each type lies in
// each size, shift and repeat, on the canvas and on the part key maps, in every
// émail, and redraws in a row that must leave nothing of one piece in the next.
#include <memory>
#include <random>

#include "model/tincture_table.h"
#include "ordinary_redraw_fixture.h"
#include "render/key_colours.h"
#include "render/ordinary_laying.h"
#include "resources/pictures.h"

namespace tess {
namespace {

using Runs = std::vector<std::pair<int, int>>;

class Pieces : public testing::OrdinaryRedraw {
  protected:
    // The canvas colour of a piece edge lying over the Azur field.
    Colour edgeOverField() const { return (tincture(kAzur) & kLineColour) ^ kLineColour; }
    // The runs [from, to) of `piece`'s part along row `at` (or down column
    // `at`) inside the shield, checking on the way that the canvas agrees with the key map: the
    // piece's zone in its tincture, the field in Azur.
    Runs runs(int piece, bool down, int at) {
        Runs out;
        const Colour own = tincture(piece == 7 ? kOr : kGueules);
        for (int i = 0; i < (down ? kCanvasHeight : kCanvasWidth); ++i) {
            const int x = down ? at : i, y = down ? i : at;
            if (r.shapeMask().pixel(x, y) != kWhite) continue;  // outside the shield
            const int k = part(x, y);
            if (k == 1) {
                EXPECT_EQ(canvas(x, y), tincture(kAzur)) << x << "," << y;
            }
            if (k != piece) continue;
            EXPECT_EQ(canvas(x, y), own) << x << "," << y;
            if (!out.empty() && out.back().second == i)
                out.back().second = i + 1;
            else
                out.push_back({i, i + 1});
        }
        return out;
    }
    static int middle(std::pair<int, int> run) { return (run.first + run.second - 1) / 2; }
};

// Where each piece lies along a row (or down a column) through it, and the size
// the redraw settles on. Repeated copies take, for canvas column d, the
// picture's column (d - X + 100) x 465 / (W + 200) of a copy boxed at X, W
// (likewise down a column): the pale's inside is the picture's columns
// 189..275, the fess's rows 227..313, the half-size orle samples the whole one.
struct Span {
    Long type;
    Integer size, shift;
    Byte repeat;
    bool down;
    int at;
    Runs expected;
    Integer settled;
};

TEST_F(Pieces, EachTypeSizeShiftAndRepeatLiesOnItsRuns) {
    const Span spans[] = {
        {kChef, 0, 0, 0, true, 132, {{1, 113}}, 0},
        {kChef, 1, 0, 0, true, 132, {{1, 76}}, 37},
        {kPal, 0, 0, 0, false, 170, {{89, 176}}, 0},
        {kPal, 0, 0, 0, false, 5, {{89, 176}}, 0},
        {kPal, 0, 0, 0, false, 280, {{89, 176}}, 0},
        {kPal, 1, 0, 0, false, 170, {{118, 147}}, 29},
        {kPal, -1, 0, 0, false, 170, {{128, 137}}, -1},
        {kPal, 0, 1, 0, false, 170, {{133, 220}}, 0},  // 44 pixels to the sinister
        {kPal, 0, -1, 0, false, 170, {{45, 132}}, 0},
        {kFasce, 0, 0, 0, true, 132, {{127, 214}}, 0},
        {kFasce, 0, 0, 0, true, 3, {{127, 214}}, 0},
        {kFasce, 1, 0, 0, true, 132, {{156, 185}}, 29},
        {kFasce, -1, 0, 0, true, 132, {{166, 175}}, -1},
        {kFasce, 0, -1, 0, true, 132, {{71, 158}}, 0},  // 56 pixels up
        {kFasce, 0, 1, 0, true, 132, {{183, 270}}, 0},
        // The shield's one-pixel frame shrinks with it and joins the bands.
        {kOrle, 0, 0, 0, false, 170, {{26, 51}, {215, 240}}, 0},
        {kOrle, 1, 0, 0, false, 170, {{26, 41}, {225, 240}}, 1},
        {kOrle, -1, 0, 0, false, 170, {{26, 31}, {235, 240}}, -1},
        {kOrle, 0, 0, 0, true, 132, {{26, 51}, {289, 314}}, 0},
        {kBordure, 0, 0, 0, false, 170, {{1, 26}, {240, 264}}, 0},
        {kBordure, 1, 0, 0, false, 170, {{1, 16}, {250, 264}}, 1},
        {kBordure, -1, 0, 0, false, 170, {{1, 8}, {258, 264}}, -1},
        // Copies 0 at X -17 and 1 at X 106: no column falls on an edge's.
        {kPal, 0, 0, 1, false, 170, {{36, 107}, {159, 230}}, 0},
        {kPal, 0, 0, 2, false, 170, {{40, 93}, {106, 159}, {177, 230}}, 0},
        {kFasce, 0, 0, 1, true, 132, {{59, 127}, {216, 284}}, 0},
        // Height 313, Y 28, 113, 204: the row above each copy is its edge.
        {kFasce, 0, 0, 2, true, 132, {{60, 111}, {145, 196}, {236, 287}}, 0},
        // The half copy at (66, 85), 132 x 170, samples the orle's band 26..50.
        {kOrle, 0, 0, 1, false, 170, {{26, 51}, {79, 92}, {174, 186}, {215, 240}}, 0},
    };
    for (const Span& s : spans) {
        first(s.type, s.size, s.shift, s.repeat);
        redraw();
        EXPECT_EQ(runs(7, s.down, s.at), s.expected)
            << s.type << " size " << s.size << " shift " << s.shift << " x" << int(s.repeat);
        EXPECT_EQ(ws.CurrentBlazon.Ordinary1.Size, s.settled) << s.type;
    }
}

// Points that must be piece, and points that must be field, for the pieces
// that run slanting, the second-order pieces and the types no piece has.
struct Probe {
    const char* what;
    int order;
    Long type;
    Integer size, shift;
    std::vector<std::pair<int, int>> in, out;
};

TEST_F(Pieces, EachTypeCoversItsProbesAndLeavesTheFieldElsewhere) {
    const Probe probes[] = {
        // The bend's middle line passes through the shield's centre; moved 88
        // across, the centre is field.
        {"bande", 1, kBande, 0, 0, {{132, 170}, {10, 10}}, {{250, 20}, {20, 250}}},
        {"bande diminished", 1, kBande, 1, 0, {{132, 170}}, {{132, 120}}},
        {"bande shifted", 1, kBande, 0, 1, {{220, 170}}, {{132, 170}}},
        {"barre", 1, kBarre, 0, 0, {{132, 170}, {254, 10}}, {{10, 20}, {245, 250}}},
        {"barre diminished", 1, kBarre, 1, 0, {{132, 170}}, {{132, 120}}},
        {"barre shifted", 1, kBarre, 0, 1, {{215, 170}}, {{132, 170}}},
        {"chevron",
         1,
         kChevron,
         0,
         0,
         {{132, 100}, {40, 300}, {224, 300}},
         {{132, 300}, {20, 20}, {245, 20}}},
        // Raised, the apex leaves the canvas.
        {"chevron raised",
         1,
         kChevron,
         0,
         -1,
         {{103, 19}, {163, 19}, {60, 300}, {204, 300}},
         {{5, 5}, {260, 5}, {132, 300}}},
        {"chevron en filet raised", 1, kChevron, -1, -1, {}, {{5, 5}, {260, 5}, {132, 300}}},
        {"orle", 1, kOrle, 0, 0, {{132, 26}}, {{132, 25}, {132, 170}}},
        {"bordure", 1, kBordure, 0, 0, {{132, 1}}, {{132, 170}}},
        {"unknown 0", 1, 0, 1, 0, {}, {{132, 20}, {132, 170}}},
        {"unknown 23", 1, 23, 1, 0, {}, {{132, 20}, {132, 170}}},
        {"adextre", 2, kAdextre, 0, 0, {{40, 170}}, {{130, 170}}},
        {"senestre", 2, kSenestre, 0, 0, {{220, 170}}, {{130, 170}}},
        {"champagne", 2, kChampagne, 0, 0, {{132, 300}}, {{132, 150}}},
        {"canton", 2, kCanton, 0, 0, {{40, 40}}, {{40, 130}}},
        {"franc-quartier", 2, kFrancQuartier, 0, 0, {{100, 100}}, {{160, 100}}},
        {"cornière", 2, kCorniere, 0, 0, {{200, 60}}, {{100, 60}}},
        // The esquarre's inner square is field.
        {"esquarre",
         2,
         kEsquarre,
         0,
         0,
         {{150, 50}, {200, 115}},
         {{200, 50}, {260, 5}, {100, 200}}},
        {"giron", 2, kGiron, 0, 0, {{10, 150}}, {{100, 40}}},
        {"pile", 2, kPile, 0, 0, {{132, 200}}, {{60, 200}}},
        {"pointe", 2, kPointe, 0, 0, {{132, 300}}, {{60, 300}}},
        {"pairle", 2, kPairle, 0, 0, {{132, 250}}, {{60, 250}}},
        // Inside the whole pairle's foot, outside the narrow one.
        {"pairle diminished", 2, kPairle, 34, 0, {{132, 300}}, {{100, 300}}},
        {"sautoir", 2, kSautoir, 0, 0, {{132, 170}}, {{132, 60}}},
        {"croix", 2, kCroix, 0, 0, {{132, 60}}, {{60, 60}}},
        {"croix en filet", 2, kCroix, -1, 0, {{132, 2}}, {}},
        {"second unknown 9", 2, 9, 0, 0, {}, {{132, 170}, {132, 300}}},
        {"second unknown 23", 2, 23, 0, 0, {}, {{132, 170}, {132, 300}}},
    };
    for (const Probe& p : probes) {
        ws.CurrentBlazon.Ordinary1.Present = kFalse;
        ws.CurrentBlazon.Ordinary2.Present = kFalse;
        if (p.order == 1)
            first(p.type, p.size, p.shift);
        else
            second(p.type, p.size);
        redraw();
        for (auto [x, y] : p.in) {
            EXPECT_TRUE(p.order == 1 ? onFirst(x, y) : onSecond(x, y))
                << p.what << " " << x << "," << y;
            if (p.order == 2) {
                EXPECT_EQ(partOfKeyColour(r.fieldPartMap.pixel(x, y)), 5) << p.what;
            }
        }
        for (auto [x, y] : p.out) EXPECT_TRUE(onField(x, y)) << p.what << " " << x << "," << y;
    }
}

TEST_F(Pieces, SizesTheRedrawSettlesAndLineDepthsItClamps) {
    first(kChef, 1);
    zone(7).Line.Depth = 40;
    redraw();
    EXPECT_EQ(zone(7).Line.Depth, 36);
    zone(7).Line.Depth = 30;
    redraw();
    EXPECT_EQ(zone(7).Line.Depth, 30);
    first(kPal, 1);
    zone(7).Line.Depth = 29;
    redraw();
    EXPECT_EQ(zone(7).Line.Depth, 27);
    zone(7).Line.Depth = 28;
    redraw();
    EXPECT_EQ(zone(7).Line.Depth, 28);
    for (auto [type, settled] : {std::pair{kBande, 38}, {kBarre, 38}, {kChevron, 57}}) {
        first(type, 1);
        redraw();
        EXPECT_EQ(ws.CurrentBlazon.Ordinary1.Size, settled) << type;
    }
}

// The edge row: the canvas shows the line over the field, the key maps the
// line colour itself, which is no part.
TEST_F(Pieces, AnEdgeMatchesNoPartOnEitherKeyMap) {
    first(kChef);
    redraw();
    EXPECT_EQ(canvas(132, 113), edgeOverField());
    EXPECT_EQ(r.partMap.pixel(132, 113), kLineColour);
    EXPECT_EQ(r.ordinaryMap.pixel(132, 113), kLineColour);
    // The row above each of three fesses is its upper edge.
    first(kFasce, 0, 0, 2);
    redraw();
    for (int y : {59, 144, 235}) EXPECT_EQ(r.partMap.pixel(132, y), kLineColour) << y;
    ws.CurrentBlazon.Ordinary1.Present = kFalse;
    second(kCroix, -1);  // ten pixels wide between its edges
    redraw();
    EXPECT_EQ(runs(5, false, 60), (Runs{{128, 137}}));
    EXPECT_EQ(runs(5, true, 40), (Runs{{166, 175}}));
    EXPECT_EQ(r.partMap.pixel(127, 60), kLineColour);
    EXPECT_EQ(r.partMap.pixel(137, 60), kLineColour);
}

// The écusson's box, a third of the shield round its centre, in shield
// coordinates.
constexpr int kBoxX = 88, kBoxY = 113, kBoxW = 88, kBoxH = 113;

TEST_F(Pieces, EcussonTakesTheShieldsShapeAndLeavesEveryCornerToTheField) {
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

TEST_F(Pieces, InsertedArmsFillTheEcussonShrunkAndKeepTheirShape) {
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

TEST_F(Pieces, InsertedArmsShowTheirTopAtFullSizeInTheChief) {
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

TEST_F(Pieces, ArmsWithoutTheirPictureOrOnAnotherPieceShowTheZonesTincture) {
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

TEST_F(Pieces, FurredChiefAndEcussonShowTheFurFixedToTheShield) {
    for (Long type : {kChef, kEcusson}) {
        for (Long fur : {108L, 110L, 115L}) {
            setZone(7, fur, fur);
            first(type);
            redraw();
            const Surface& pattern = r.builtInFurPictures[std::size_t(fur - 108)];
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

TEST_F(Pieces, UserFurOnThePieceComesFromItsPictureOrItsDominantTincture) {
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
TEST_F(Pieces, EdgesOfFurredAndInsertedPiecesKeepWhatTheirPictureLeaves) {
    const Colour field = tincture(kAzur) & kLineColour;
    const Colour notLine = ~kLineColour & 0xFFFFFFu;
    setZone(7, 108, 108);
    first(kPal);
    redraw();
    const Surface& ermine = r.builtInFurPictures[0];
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

// Gueules hatches in vertical lines on the first-order pieces, Azur in
// horizontal ones on the champagne; the Argent field stays white.
TEST_F(Pieces, PiecesAreHatchedOnABlackAndWhitePage) {
    ws.PrintBlackWhite = true;
    setZone(7, kClassColour, kGueules);
    setZone(5, kClassColour, kAzur);
    zone(1).Tincture = kArgent;
    struct Sample {
        int order;
        Long type;
        int x0, x1, y0, y1;  // the line sampled, and the step its pattern repeats along
        int dx, dy;
    };
    for (const Sample& c :
         {Sample{1, kOrle, 25, 49, 170, 170, 0, 1}, Sample{1, kPal, 100, 120, 170, 170, 0, 1},
          Sample{1, kEcusson, 100, 120, 170, 170, 0, 1},
          Sample{2, kChampagne, 132, 132, 250, 289, 1, 0}}) {
        ws.CurrentBlazon.Ordinary1.Present = kFalse;
        ws.CurrentBlazon.Ordinary2.Present = kFalse;
        c.order == 1 ? (void)first(c.type) : (void)second(c.type);
        redraw();
        int black = 0, white = 0;
        for (int y = c.y0; y <= c.y1; ++y)
            for (int x = c.x0; x <= c.x1; ++x) {
                const Colour px = canvas(x, y);
                ASSERT_TRUE(px == kBlack || px == kWhite) << c.type << ": " << x << "," << y;
                (px == kBlack ? black : white) += 1;
                ASSERT_EQ(canvas(x + c.dx, y + c.dy), px) << c.type;
            }
        EXPECT_GT(black, 0) << c.type;
        EXPECT_GT(white, black) << c.type;
        EXPECT_EQ(part(c.x0 + 2, c.y0), c.order == 1 ? 7 : 5) << c.type;
    }
    EXPECT_EQ(canvas(132, 100), kWhite);
}

TEST_F(Pieces, AnUnknownPieceIsNeitherDrawnNorClassified) {
    first(kPal);
    redraw();
    const Surface mask = r.Ordinary1.mask;
    const Surface image = r.Ordinary1.colouredPicture;
    addBankPicture(1, {"rr", "rr"}, kGueules);
    place(1, 1, 120, 150, 20, 20, kSable);
    for (Long type : {0L, 23L, -4L}) {
        first(type, 1);
        redraw();
        EXPECT_EQ(ws.CurrentBlazon.Ordinary1.Size, 1) << type;
        EXPECT_TRUE(onField(132, 20)) << type;
        EXPECT_EQ(r.ordinaryMap.pixel(132, 20), kPartKeyColours[1]) << type;
        EXPECT_EQ(ws.CurrentBlazon.Charges[1].Placement, 1) << type;
        EXPECT_EQ(r.Ordinary1.mask, mask);
        EXPECT_EQ(r.Ordinary1.colouredPicture, image);
    }
}

TEST_F(Pieces, ChampagneWithADenteleLineShowsItsTeeth) {
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
    EXPECT_EQ(r.Ordinary2.mask.pixel(132, 300), kBlack);
    EXPECT_EQ(r.Ordinary2.mask.pixel(132, 150), kWhite);
}

TEST_F(Pieces, OnlyThePairleSautoirAndCrossComeInSizes) {
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

TEST_F(Pieces, AFurLiesOverTheZoneOnly) {
    setZone(5, 111, 111);
    second(kSautoir);
    redraw();
    const Surface& fur = *r.furPicture(111);
    const OrdinarySurfaces& p = r.Ordinary2;
    for (int y = 0; y < kCanvasHeight; ++y)
        for (int x = 0; x < kCanvasWidth; ++x) {
            const Colour key = p.keyPicture.pixel(x, y);
            const Colour expected = key == kPartKeyColours[5] ? fur.pixel(x, y) : key;
            ASSERT_EQ(p.colouredPicture.pixel(x, y), expected) << x << "," << y;
        }
    EXPECT_EQ(canvas(132, 170), fur.pixel(132, 170));
    EXPECT_EQ(part(132, 170), 5);
}

TEST_F(Pieces, ItsZoneCoversEveryFieldPartOnTheKeyMap) {
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

// Redraw after redraw on one renderer gives what a fresh renderer draws: the
// pieces' pictures, written only where the pieces lie, keep nothing of an
// earlier piece.
TEST(OrdinarySequence, EveryRedrawMatchesAFreshOne) {
    std::mt19937 rng(11);
    auto pick = [&](int n) { return int(rng() % unsigned(n)); };
    auto kept = std::make_unique<testing::Drawing>();
    Workspace* ws = &kept->ws;
    Renderer* r = &kept->r;
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

        auto fresh = std::make_unique<testing::Drawing>();
        fresh->ws.CurrentBlazon = b;
        fresh->ws.PrintBlackWhite = ws->PrintBlackWhite;
        RedrawShield(*ws, *r);
        RedrawShield(fresh->ws, fresh->r);
        const Renderer* freshR = &fresh->r;
        ASSERT_EQ(r->canvas, freshR->canvas) << round;
        ASSERT_EQ(r->partMap, freshR->partMap) << round;
        ASSERT_EQ(r->ordinaryMap, freshR->ordinaryMap) << round;
        ASSERT_EQ(r->fieldPartMap, freshR->fieldPartMap) << round;
        if (b.Ordinary1.Present) {
            ASSERT_EQ(r->Ordinary1.mask, freshR->Ordinary1.mask) << round;
            ASSERT_EQ(r->Ordinary1.colouredPicture, freshR->Ordinary1.colouredPicture) << round;
            ASSERT_EQ(r->Ordinary1.keyPicture, freshR->Ordinary1.keyPicture) << round;
        }
        if (b.Ordinary2.Present) {
            ASSERT_EQ(r->Ordinary2.mask, freshR->Ordinary2.mask) << round;
            ASSERT_EQ(r->Ordinary2.colouredPicture, freshR->Ordinary2.colouredPicture) << round;
            ASSERT_EQ(r->Ordinary2.keyPicture, freshR->Ordinary2.keyPicture) << round;
        }
    }
}

// Surfaces made afresh hold none of the pieces' pictures, whatever the pieces
// drew before.
TEST_F(Pieces, SurfacesMadeAgainAreWrittenWhole) {
    first(kChef);
    second(kCanton);
    redraw();
    const Surface canvas = r.canvas;
    InitSurfaces(r);
    redraw();
    EXPECT_EQ(r.canvas, canvas);
    EXPECT_EQ(r.Ordinary1.mask.pixel(400, 500), kWhite);
    EXPECT_EQ(r.Ordinary2.colouredPicture.pixel(200, 300), kBlack);
}

// Records no editor writes (a damaged file opened before its checks, or a
// document built in memory): any type, size, shift, repeat, line style and
// zone, and inserted pictures of odd sizes. The redraw must finish, and a
// piece of no known type must leave no zone on the maps.
TEST(OrdinaryDamage, AnyPieceRecordIsDrawnWithoutFault) {
    std::mt19937 rng(23);
    auto any16 = [&] { return Integer(std::int16_t(rng())); };
    auto small = [&](int lo, int hi) { return lo + int(rng() % unsigned(hi - lo + 1)); };
    testing::Drawing d;
    Workspace& ws = d.ws;
    Renderer& r = d.r;
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

TEST_F(Pieces, SecondChevronsApexLiesNearRow183) {
    first(kChevron, 0, 0, 1);
    redraw();
    const Runs down = runs(7, true, 132);
    ASSERT_EQ(down.size(), 2u);
    // Where the edges meet, the piece's colour starts a few rows below the apex.
    EXPECT_LE(down[0].first, 5);  // the first apex at the top
    EXPECT_NEAR(down[1].first, 183 + 3, 2);
    // Its legs run off the bottom of the canvas.
    EXPECT_EQ(part(40, 339), 7);
}

TEST_F(Pieces, BendsAndBarsComeInTwosAndThrees) {
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

TEST_F(Pieces, PiecesWithoutCopiesAreLaidOnce) {
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

TEST_F(Pieces, EveryCopyIsOnBothKeyMapsAndAChargeBetweenTwoPalesIsInTheField) {
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

// The laid piece (all its copies laid once into one mask, picture and zone,
// then laid by runs) is checked against the plain raster operations of its
// copies in turn, on every type, size and repeat, over a canvas of random
// pixels.
TEST_F(Pieces, LayingMatchesTheMaskAndPictureOperations) {
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
                const LaidPiece& laid = r.Ordinary1.Laid;
                layOnCanvas(canvas, laid);
                for (int y = 0; y < kCanvasHeight; ++y)
                    for (int x = 0; x < kCanvasWidth; ++x)
                        if (laid.zone.pixel(x, y) != kWhite)
                            key.setPixel(x, y, laid.zone.pixel(x, y));
                const PieceCopies copies = ordinary1Copies(ws.CurrentBlazon.Ordinary1);
                const OrdinarySurfaces& p = r.Ordinary1;
                for (int i = 0; i < copies.Count; ++i) {
                    const PieceCopy& c = copies.Copies[std::size_t(i)];
                    auto blt = [&](Surface& d, const Surface& s, RasterOp op) {
                        StretchBlt(d, c.DestX, c.DestY, c.DestW, c.DestH, s, c.SourceX, c.SourceY,
                                   c.SourceW, c.SourceH, op);
                    };
                    blt(canvasRef, p.mask, RasterOp::And);
                    blt(canvasRef, p.colouredPicture, RasterOp::Xor);
                    blt(keyRef, p.mask, RasterOp::And);
                    blt(keyRef, p.keyPicture, RasterOp::Xor);
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

TEST_F(Pieces, ChargesStackBetweenThePiecesInTheirLayers) {
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
    EXPECT_EQ(chargeList(1), (std::vector<int>{1, 5}));
    EXPECT_EQ(chargeList(5), std::vector<int>{4});
    EXPECT_EQ(chargeList(6), std::vector<int>{2});
    EXPECT_EQ(chargeList(7), std::vector<int>{3});
    EXPECT_TRUE(hit(95, 50));  // under the pale, the hit map still finds it
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
