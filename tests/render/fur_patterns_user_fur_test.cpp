// A user fur on the first-order piece runs on over the work surface's margins
// as the fur's own tiling does, so that repeated and long pieces, which show
// the margins, show no seam where the shield's picture would have ended.
#include <random>
#include <string>

#include "model/tinctures.h"
#include "ordinary_redraw_fixture.h"
#include "render/fur_patterns.h"
#include "render/renderer.h"
#include "storage/user_fur_tile.h"

namespace tess {
namespace {

using testing::OrdinaryRedraw;

// A tile of random colours, so that no shift but the right one matches.
Surface randomTile(int w, int h, std::mt19937& random) {
    Surface tile(w, h, kBlack);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) tile.setPixel(x, y, random() & 0xFFFFFFu);
    return tile;
}

struct FurCase {
    int Width, Height, Shift;
};
const FurCase kFurCases[] = {{20, 20, 25}, {7, 13, 0},  {5, 5, 50},   {21, 9, 33},
                             {32, 32, 95}, {10, 6, 25}, {13, 31, 55}, {64, 64, 45}};

class UserFurMargins : public OrdinaryRedraw {
  protected:
    // Slot 1 (fur 117) holds the tile and the picture the fur file gives.
    Surface loadFur(const FurCase& c, std::mt19937& random) {
        Surface tile = randomTile(c.Width, c.Height, random);
        r.UserFurPictures[1] = tileUserFur(tile, c.Shift);
        r.UserFurTiles[1] = tile;
        UserFurRecord& record = ws.CurrentBlazon.UserFurs[1];
        record.TileWidth = Integer(c.Width);
        record.TileHeight = Integer(c.Height);
        record.VerticalOffset = Byte(c.Shift);
        return tile;
    }

    // Empty when the pattern repeats one tile across, and one row of tiles
    // down as it runs the row's step across, wherever `inside` holds both
    // pixels compared: the fur's own lattice, which has no seam.
    template <typename Inside>
    static std::string seam(const Surface& s, const FurCase& c, Inside inside) {
        const int step = userFurRowStep(c.Width, c.Shift);
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x) {
                const int ax = x + c.Width, bx = x + step, by = y + c.Height;
                if (ax < s.width() && inside(x, y) && inside(ax, y) &&
                    s.pixel(ax, y) != s.pixel(x, y))
                    return "across at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
                if (by < s.height() && bx >= 0 && bx < s.width() && inside(x, by) &&
                    inside(bx, y) && s.pixel(x, by) != s.pixel(bx, y))
                    return "down at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
            }
        return {};
    }
};

// The step the margins use is the one the fur's picture was laid with.
TEST_F(UserFurMargins, RowStepIsTheOneThePictureWasTiledWith) {
    std::mt19937 random(11);
    for (int w = 1; w <= 40; ++w)
        for (int shift = 0; shift <= 99; shift += 3) {
            const FurCase c{w, 5, shift};
            const Surface picture = tileUserFur(randomTile(w, 5, random), shift);
            ASSERT_TRUE(seam(picture, c, [](int, int) { return true; }).empty())
                << "width " << w << ", shift " << shift;
        }
}

// Every pixel of a piece covering the whole work surface: the shield keeps
// the fur's picture, and the pattern runs on across the 265 and 340 borders.
TEST_F(UserFurMargins, FillRunsTheTilingOnAcrossTheShieldsBorders) {
    std::mt19937 random(7);
    const Surface shape(kBigWidth, kBigHeight, kBlack);
    for (const FurCase& c : kFurCases) {
        loadFur(c, random);
        Surface dest(kBigWidth, kBigHeight, 0x777777u);
        FillOrdinaryWithFur(r, dest, shape, 117, c.Shift);
        const Surface& picture = r.UserFurPictures[1];
        for (int y = 0; y < kCanvasHeight; ++y)
            for (int x = 0; x < kCanvasWidth; ++x)
                ASSERT_EQ(dest.pixel(x + kBigMargin, y + kBigMargin), picture.pixel(x, y))
                    << c.Width << "x" << c.Height << " " << c.Shift << ": " << x << "," << y;
        EXPECT_EQ(seam(dest, c, [](int, int) { return true; }), "")
            << c.Width << "x" << c.Height << " " << c.Shift;
    }
}

TEST_F(UserFurMargins, FillKeepsTheFurToThePieceAndBlackElsewhere) {
    std::mt19937 random(3);
    loadFur(kFurCases[0], random);
    Surface shape(kBigWidth, kBigHeight, kWhite);
    shape.fillRect(20, 30, 120, 500, Brush::solid(kBlack));  // margin and shield
    Surface dest(kBigWidth, kBigHeight, 0x777777u);
    FillOrdinaryWithFur(r, dest, shape, 117, kFurCases[0].Shift);
    EXPECT_EQ(dest.pixel(19, 200), kBlack);
    EXPECT_EQ(dest.pixel(120, 200), kBlack);
    EXPECT_EQ(dest.pixel(110, 200), r.UserFurPictures[1].pixel(10, 100));
    EXPECT_NE(dest.pixel(50, 40), kBlack);
    EXPECT_EQ(seam(dest, kFurCases[0], [&](int x, int y) { return shape.pixel(x, y) == kBlack; }),
              "");
}

// Whole redraws of the pieces whose copies show the margins: the coloured
// picture has no seam anywhere on the piece, and the shield shows the fur's
// picture where the piece is laid once.
TEST_F(UserFurMargins, RepeatedAndLongPiecesShowNoSeam) {
    std::mt19937 random(5);
    for (const FurCase& c : {kFurCases[0], kFurCases[3], kFurCases[5]}) {
        loadFur(c, random);
        setZone(7, 117, 117);
        for (Long type : {kBande, kBarre, kChevron, kPal, kFasce}) {
            first(type, 0, 0, 2);
            redraw();
            const OrdinarySurfaces& piece = r.Ordinary1;
            auto onPiece = [&](int x, int y) { return piece.mask.pixel(x, y) == kBlack; };
            ASSERT_EQ(seam(piece.colouredPicture, c, onPiece), "")
                << type << ", " << c.Width << "x" << c.Height << " " << c.Shift;
        }
        first(kBande);
        redraw();
        EXPECT_TRUE(onFirst(132, 170) || part(132, 170) == 7);
        EXPECT_EQ(canvas(132, 170), r.UserFurPictures[1].pixel(132, 170));
    }
}

}  // namespace
}  // namespace tess
