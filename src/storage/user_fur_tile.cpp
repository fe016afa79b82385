#include "storage/user_fur_tile.h"

#include <cmath>

#include "platform/record_file.h"

namespace tess {

bool isDrawableFurTile(int width, int height) {
    return width >= 1 && height >= 1 && width <= kMaxFurTileSide && height <= kMaxFurTileSide;
}

Surface readUserFurTile(const std::vector<std::uint8_t>& furFile, int width, int height,
                        const TinctureTable& tinctures) {
    Surface tile(width, height, kBlack);
    tile.clear();
    ByteReader cells(furFile);
    for (int skipped = 0; skipped < kFurFileHeaderBytes / 2; ++skipped) (void)cells.getInteger();
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const auto tincture = cells.getLong();
            if (tincture && *tincture >= 1 && *tincture <= kTinctureCount)
                tile.row(y)[x] = Colour(tinctures[*tincture].Colour);
        }
    }
    return tile;
}

Surface tileUserFur(const Surface& tile, int rowShiftPercent) {
    return tileUserFurOver(tile, rowShiftPercent, kFurAreaWidth, kFurAreaHeight);
}

Surface tileUserFurOver(const Surface& tile, int rowShiftPercent, int areaWidth, int areaHeight) {
    Surface area(areaWidth, areaHeight, kWhite);
    area.clear();
    const int w = tile.width();
    const int h = tile.height();
    if (w <= 0 || h <= 0) return area;
    // The shift per row, computed as the fur editor does: an integer product,
    // a single-precision division, the running offset rounded half to even.
    const float step = float(rowShiftPercent * w) / 100.0f;
    long offset = 0;
    for (int y = 0; y <= areaHeight; y += h) {
        // Tiles that would land wholly left of the area draw nothing; starting at
        // the first one that shows keeps a large offset from costing a long row.
        for (long x = (offset / w) * w; x <= offset + areaWidth; x += w)
            BitBlt(area, int(x - offset), y, w, h, tile, 0, 0, RasterOp::Copy);
        offset = std::lrint(step + float(offset));
    }
    return area;
}

}  // namespace tess
