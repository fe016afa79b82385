#include "storage/user_fur_tile.h"

#include <algorithm>
#include <cmath>
#include <vector>

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
    const int w = tile.width();
    const int h = tile.height();
    if (w <= 0 || h <= 0) return area;
    // Every pixel of the area shows tile column (x + offset) mod w of its row
    // of tiles, so each of the tile's rows is laid out once across the width
    // and one period more; a row of the area is then one copy out of it at
    // that row of tiles' offset. 340 row copies on the shield, where laying the tiles one
    // by one costs up to 90,000 blits for the smallest tile.
    const int stripWidth = areaWidth + w;
    std::vector<Colour> strip(std::size_t(stripWidth) * std::size_t(h));
    for (int ty = 0; ty < h; ++ty) {
        const Colour* in = tile.row(ty);
        Colour* out = strip.data() + std::size_t(ty) * std::size_t(stripWidth);
        for (int x = 0; x < stripWidth; ++x) out[x] = in[x % w];
    }
    // The shift per row, computed as the fur editor does: an integer product,
    // a single-precision division, the running offset rounded half to even.
    const float step = float(rowShiftPercent * w) / 100.0f;
    long offset = 0;
    for (int top = 0; top < areaHeight; top += h) {
        const long start = ((offset % w) + w) % w;
        for (int ty = 0; ty < h && top + ty < areaHeight; ++ty)
            std::copy_n(strip.data() + std::size_t(ty) * std::size_t(stripWidth) + start, areaWidth,
                        area.row(top + ty));
        offset = std::lrint(step + float(offset));
    }
    return area;
}

}  // namespace tess
