// Making and dropping the surfaces; the fur patterns and the raw-row helpers.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "actions/graphics_session.h"
#include "platform/paths.h"
#include "render/fur_patterns.h"
#include "render/shield_shape.h"
#include "render_fixture.h"
#include "support/charge_pictures.h"

namespace tess::testing {
namespace {

namespace fs = std::filesystem;

class RendererTest : public RenderTest {};

TEST_F(RendererTest, StartsWithAnEmptyHitMapAndSeparateBlankPictures) {
    for (int y = 0; y < kCanvasHeight; ++y)
        for (int x = 0; x < kCanvasWidth; ++x) ASSERT_EQ(r.chargeHitMap.pixel(x, y), kBlack);
    EXPECT_EQ(r.fieldPartMap, blankPicture());
    EXPECT_EQ(r.Ordinary2.mask, blankPicture());
    r.fieldPartMap.fill(0x123456);
    r.Ordinary2.colouredPicture.fill(0x654321);
    EXPECT_EQ(r.ordinaryMap, blankPicture());
    EXPECT_EQ(r.Ordinary2.mask, blankPicture());
    EXPECT_EQ(r.Ordinary2.keyPicture, blankPicture());
}

TEST_F(RendererTest, FurPatternsRepeatEachPictureAtItsOffsets) {
    struct Repeat {
        int code, xo, yo;
    };
    for (Repeat rep : {Repeat{110, 265, 330}, Repeat{113, 260, 335}, Repeat{115, 265, 336},
                       Repeat{108, 254, 311}, Repeat{109, 254, 311}, Repeat{111, 254, 311},
                       Repeat{112, 254, 311}, Repeat{114, 254, 311}}) {
        SCOPED_TRACE(rep.code);
        const Surface& pattern = r.builtInFurPictures[std::size_t(rep.code - 108)];
        const Surface& picture = furPicture(rep.code);
        ASSERT_EQ(pattern.width(), kBigWidth);
        for (int y = 0; y < kBigHeight; y += 3)
            for (int x = 0; x < kBigWidth; x += 3) {
                const int px = x >= rep.xo ? x - rep.xo : x;
                const int py = y >= rep.yo ? y - rep.yo : y;
                ASSERT_EQ(pattern.pixel(x, y), picture.pixel(px, py)) << x << "," << y;
            }
    }
}

TEST_F(RendererTest, FurFillOfAPieceShowsTheFurOnlyWhereTheShapeIsBlack) {
    Surface dest(kBigWidth, kBigHeight, 0x777777);
    Surface shape(kBigWidth, kBigHeight, kWhite);
    FillOrdinaryWithFur(r, dest, shape, 110);
    EXPECT_TRUE(samePixels(dest, Surface(kBigWidth, kBigHeight, kBlack)));

    shape.fillRect(150, 160, 250, 300, Brush::solid(kBlack));
    FillOrdinaryWithFur(r, dest, shape, 113);
    const Surface& pattern = r.builtInFurPictures[113 - 108];
    EXPECT_EQ(dest.pixel(160, 170), pattern.pixel(160, 170));
    EXPECT_EQ(dest.pixel(249, 299), pattern.pixel(249, 299));
    EXPECT_EQ(dest.pixel(149, 170), kBlack);
    EXPECT_EQ(dest.pixel(250, 170), kBlack);

    // A missing user fur leaves black (a present one: the test below).
    FillOrdinaryWithFur(r, dest, shape, 117);
    EXPECT_EQ(dest.pixel(160, 170), kBlack);
}

// A user fur's shield picture, repeated over the margins, against the same
// fill worked out pixel by pixel, on random pieces and pictures of odd sizes.
TEST_F(RendererTest, UserFurOnAPieceMatchesAPixelByPixelFill) {
    std::mt19937 random(5);
    for (int round = 0; round < 6; ++round) {
        const int pw = 40 + int(random() % 240), ph = 40 + int(random() % 320);
        Surface picture(pw, ph, 0);
        for (int y = 0; y < ph; ++y)
            for (int x = 0; x < pw; ++x) picture.setPixel(x, y, random() & 0xFFFFFF);
        r.UserFurPictures[2] = picture;
        Surface shape(kBigWidth, kBigHeight, kWhite);
        for (int i = 0; i < 12; ++i) {
            const int x = int(random() % kBigWidth), y = int(random() % kBigHeight);
            shape.fillRect(x, y, x + 80, y + 60, Brush::solid(random() % 3 ? kBlack : 0x404040));
        }
        Surface dest(kBigWidth, kBigHeight, 0x777777);
        FillOrdinaryWithFur(r, dest, shape, 118);
        for (int y = 0; y < kBigHeight; ++y)
            for (int x = 0; x < kBigWidth; ++x) {
                const int px = ((x - kBigMargin) % pw + pw) % pw;
                const int py = ((y - kBigMargin) % ph + ph) % ph;
                const Colour want = picture.pixel(px, py) & (shape.pixel(x, y) ^ kWhite);
                ASSERT_EQ(dest.pixel(x, y), want) << round << ": " << x << "," << y;
            }
    }
}

// The raw-row helpers against the plain raster operations they stand for.
TEST_F(RendererTest, CutOutEqualsMaskAndThenOutline) {
    std::mt19937 random(7);
    for (int shape = 1; shape <= kShapeCount; ++shape) {
        Surface canvas(kCanvasWidth, kCanvasHeight, 0);
        for (int y = 0; y < kCanvasHeight; ++y)
            for (int x = 0; x < kCanvasWidth; ++x) canvas.setPixel(x, y, random() & 0xFFFFFF);
        Surface reference = canvas;
        BitBlt(reference, 0, 0, kCanvasWidth, kCanvasHeight, shieldMaskPicture(shape), 0, 0,
               RasterOp::And);
        BitBlt(reference, 0, 0, kCanvasWidth, kCanvasHeight, shieldOutlinePicture(shape), 0, 0,
               RasterOp::Xor);
        doc().ShieldShape = shape;
        SelectShieldShape(ws, r);
        r.canvas = canvas;
        ApplyShieldMask(r);
        EXPECT_EQ(r.canvas, reference) << shape;
    }
}

TEST_F(RendererTest, FurOverlayReplacesExactlyTheKeyedPixels) {
    std::mt19937 random(11);
    const Colour keys[3] = {kPartKeyColours[1], kPartKeyColours[2], kLineColour};
    for (int round = 0; round < 20; ++round) {
        const int w = 20 + int(random() % 40), h = 20 + int(random() % 40);
        const int kx = int(random() % 9) - 4, ky = int(random() % 9) - 4;
        Surface canvas(w, h, 0), keyMap(w + 3, h - 2, 0), fur(w - 1, h + 2, 0);
        for (int y = 0; y < h + 2; ++y)
            for (int x = 0; x < w + 3; ++x) {
                canvas.setPixel(x, y, random() & 0xFFFFFF);
                keyMap.setPixel(x, y, keys[random() % 3]);
                fur.setPixel(x, y, random() & 0xFFFFFF);
            }
        Surface expected = canvas;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (keyMap.pixel(x + kx, y + ky) == keys[1] && fur.contains(x, y))
                    expected.setPixel(x, y, fur.pixel(x, y));
        OverlayFur(canvas, keyMap, kx, ky, keys[1], fur);
        ASSERT_EQ(canvas, expected) << round;
    }
}

TEST_F(RendererTest, RedrawBeforeTheSetUpMakesTheSurfacesItself) {
    Renderer bare;
    RedrawShield(ws, bare);
    EXPECT_TRUE(bare.Initialised);
    EXPECT_EQ(bare.canvas.pixel(132, 170), tincture(4));
}

class ReleaseTest : public RenderTest {
  protected:
    void touch(const std::string& name) { std::ofstream(home / name) << "x"; }
    PictureFolder folder;  // the program folder for the test's length
    fs::path home = folder.home();
};

TEST_F(ReleaseTest, DeletesTheTemporaryPictureCopiesOnly) {
    for (const char* name : {"Pic3.tmp", "Pic7.tmp", "Pic256.tmp", "Pic03.tmp", "QRZ.inf"})
        touch(name);
    ReleaseResources(ws, r);
    for (const char* name : {"Pic256.tmp", "Pic03.tmp", "QRZ.inf"})
        EXPECT_TRUE(fs::exists(home / name)) << name;
    EXPECT_FALSE(fs::exists(home / "Pic3.tmp"));
    EXPECT_FALSE(fs::exists(home / "Pic7.tmp"));
    EXPECT_FALSE(r.Initialised);
    EXPECT_TRUE(r.canvas.empty());
}

TEST_F(ReleaseTest, InitGraphicsReadsTheColoursOfThePreviousRun) {
    // No colour file yet: the factory colours, and the file is made.
    Renderer fresh;
    InitGraphics(ws, fresh);
    EXPECT_TRUE(fresh.Initialised);
    EXPECT_EQ(ws.Tinctures[4].Colour, 0xFF0000);
    EXPECT_EQ(ws.Tinctures[4].Name, "Azur");
    EXPECT_TRUE(fs::exists(home / "QRZ.inf"));
    EXPECT_EQ(RedrawShield(ws, fresh).markedShape, 1);
    EXPECT_EQ(fresh.canvas.pixel(132, 170), 0xFF0000u);
}

}  // namespace
}  // namespace tess::testing
