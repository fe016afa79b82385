// Whole redraws: the canvas, the cut-out, the grid, inserted coats of arms and
// the window state a redraw reports.

#include "model/document_rules.h"
#include "render/field_partition.h"
#include "render/shield_shape.h"
#include "render_fixture.h"

namespace tess::testing {
namespace {

class RedrawTest : public RenderTest {};

TEST_F(RedrawTest, PlainAzurField) {
    const RedrawResult result = redraw();  // the blank document: plain Azur
    int inside = 0;
    forEachPixel([&](int x, int y) {
        const Colour c = r.canvas.pixel(x, y);
        if (insideShield(x, y)) {
            ++inside;
            ASSERT_EQ(c, tincture(4)) << x << "," << y;
        } else {
            ASSERT_EQ(c, r.shapeOutline().pixel(x, y)) << x << "," << y;
        }
    });
    EXPECT_GT(inside, 80000);
    EXPECT_EQ(result.frameLight, kWhite);
    EXPECT_EQ(result.frameDark, kBlack);
    EXPECT_FALSE(result.warningVisible);
    EXPECT_EQ(result.markedShape, 1);
    EXPECT_EQ(result.partitionMarkerX, 182);
}

TEST_F(RedrawTest, RedrawingTheSameDocumentGivesTheSamePixels) {
    doc().Partition = 14;
    setPart(2, 109, 109);
    setPart(4, 113, 113);
    ws.GridVisible = true;
    redraw();
    const Surface canvas = r.canvas;
    const Surface model = r.partMap;
    // Something else in between must leave nothing behind.
    doc().Partition = 19;
    doc().ShieldShape = 6;
    ws.PrintBlackWhite = true;
    redraw();
    doc().Partition = 14;
    doc().ShieldShape = 1;
    ws.PrintBlackWhite = false;
    redraw();
    EXPECT_EQ(r.canvas, canvas);
    EXPECT_EQ(r.partMap, model);
}

TEST_F(RedrawTest, CutOutLeavesOnlyTheOutlineOutsideEveryShape) {
    ws.GridVisible = true;
    setPart(1, kClassColour, 6);  // Sable: the outline's own inside colour
    for (int shape = 1; shape <= kShapeCount; ++shape) {
        SCOPED_TRACE("shape " + std::to_string(shape));
        doc().ShieldShape = shape;
        const RedrawResult result = redraw();
        EXPECT_EQ(result.markedShape, shape);
        const Surface& outline = shieldOutlinePicture(shape);
        const Surface& mask = shieldMaskPicture(shape);
        forEachPixel([&](int x, int y) {
            if (mask.pixel(x, y) != kWhite) {
                ASSERT_EQ(r.canvas.pixel(x, y), outline.pixel(x, y)) << x << "," << y;
            }
        });
    }
}

TEST_F(RedrawTest, ShapeOutsideTheTableIsDrawnAsTheFirst) {
    doc().ShieldShape = 9;
    const RedrawResult result = redraw();
    EXPECT_EQ(doc().ShieldShape, 9);
    EXPECT_EQ(result.markedShape, 1);
    EXPECT_EQ(&r.shapeMask(), &shieldMaskPicture(1));
}

TEST_F(RedrawTest, InsetShapeFollowsTheShieldUnlessArmsAreInsertedInPartSeven) {
    doc().ShieldShape = 4;
    EcussonFollowsShieldShape(doc());
    SelectPartMask(ws, r);
    EXPECT_EQ(doc().InsetShape, 4);
    EXPECT_EQ(&r.insetMask(), &shieldMaskPicture(4));
    // The shield and the écusson may show the same shape at once.
    SelectShieldShape(ws, r);
    EXPECT_EQ(&r.shapeMask(), &r.insetMask());

    doc().Parts[7].InsertedPath = "/tmp/autre.bls";
    doc().InsetShape = 2;
    doc().ShieldShape = 6;
    EcussonFollowsShieldShape(doc());
    SelectPartMask(ws, r);
    EXPECT_EQ(doc().InsetShape, 2);
    EXPECT_EQ(&r.insetMask(), &shieldMaskPicture(2));
}

TEST_F(RedrawTest, GridInvertsEveryTwentiethLineInsideTheShieldOnly) {
    doc().ShieldShape = 3;  // the whole canvas but its frame
    const Surface plain = (redraw(), r.canvas);
    ws.GridVisible = true;
    const RedrawResult result = redraw();
    EXPECT_TRUE(result.Menus.grid.Checked);
    const Colour azur = tincture(4);
    const Colour inverted = azur ^ kWhite;
    for (int y = 1; y < kCanvasHeight - 1; ++y)
        for (int x = 1; x < kCanvasWidth - 1; ++x) {
            const bool vertical = (x - 13) % 20 == 0 && x >= 13;
            const bool horizontal = y % 20 == 0;
            const Colour want = vertical != horizontal ? inverted : azur;
            ASSERT_EQ(r.canvas.pixel(x, y), want) << x << "," << y;
        }
    // The frame outside the shield stays as it was.
    for (int x = 0; x < kCanvasWidth; ++x) {
        EXPECT_EQ(r.canvas.pixel(x, 0), plain.pixel(x, 0));
        EXPECT_EQ(r.canvas.pixel(x, 339), plain.pixel(x, 339));
    }
    ws.GridVisible = false;
    EXPECT_FALSE(redraw().Menus.grid.Checked);
    EXPECT_EQ(r.canvas, plain);
}

// A recognisable inserted picture: four quadrants of four colours.
Surface quadrants() {
    Surface s(kCanvasWidth, kCanvasHeight, 0x010101);
    s.fillRect(132, 0, kCanvasWidth, 170, Brush::solid(0x020202));
    s.fillRect(0, 170, 132, kCanvasHeight, Brush::solid(0x030303));
    s.fillRect(132, 170, kCanvasWidth, kCanvasHeight, Brush::solid(0x040404));
    return s;
}

class InsertedArms : public RedrawTest {
  protected:
    // Part k holds arms read from another file, already drawn as `picture`.
    void insert(int k, const Surface& picture) {
        setPart(k, kClassInserted, 2);
        doc().Parts[k].InsertedPath = "/tmp/arms" + std::to_string(k) + ".bls";
        r.InsertedPictures[k] = picture;
        r.InsertedPaths[k] = doc().Parts[k].InsertedPath;
    }
};

TEST_F(InsertedArms, CoverTheirQuarter) {
    doc().Partition = 14;
    doc().ShieldShape = 3;
    for (int k = 1; k <= 2; ++k) setPart(k, kClassMetal, 2);
    insert(3, quadrants());
    insert(4, quadrants());
    redraw();
    // Part 3 (lower left) at (1, 171), 132 x 170; part 4 at (133, 171).
    EXPECT_EQ(r.canvas.pixel(2, 172), 0x010101u);
    EXPECT_EQ(r.canvas.pixel(131, 337), 0x040404u);
    EXPECT_EQ(r.canvas.pixel(134, 172), 0x010101u);
    EXPECT_EQ(r.canvas.pixel(262, 337), 0x040404u);
    EXPECT_EQ(r.canvas.pixel(66, 100), kWhite);  // part 1 untouched
    EXPECT_EQ(r.canvas.pixel(200, 100), kWhite);
}

TEST_F(InsertedArms, InAPartThatCannotHoldThemShowTheTincture) {
    doc().Partition = 10;  // a Parti holds no inserted arms
    insert(1, quadrants());
    doc().Parts[1].Tincture = 3;
    redraw();
    EXPECT_EQ(r.canvas.pixel(60, 100), tincture(3));
}

TEST_F(InsertedArms, InTheHalvesOfTheMiPartitions) {
    doc().ShieldShape = 3;
    doc().Partition = 23;  // part 2 lower left, part 3 upper left
    insert(2, quadrants());
    insert(3, Surface(kCanvasWidth, kCanvasHeight, 0x050505));
    redraw();
    EXPECT_EQ(r.canvas.pixel(3, 173), 0x010101u);
    EXPECT_EQ(r.canvas.pixel(130, 336), 0x040404u);
    EXPECT_EQ(r.canvas.pixel(60, 60), 0x050505u);
    EXPECT_EQ(r.canvas.pixel(200, 60), tincture(4));  // part 1, the right half
}

}  // namespace
}  // namespace tess::testing
