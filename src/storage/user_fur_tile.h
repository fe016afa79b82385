#pragma once

#include <cstdint>
#include <vector>

#include "model/tinctures.h"
#include "platform/surface.h"

namespace tess {

// The ".fmp" fur file: four 16-bit values (format 3, tile height, tile width,
// row shift in percent), then one 32-bit tincture number per cell, column by
// column (x outer, y inner). Documents keep the tile size and row shift
// themselves, so only the table is read here.
inline constexpr int kFurFileHeaderBytes = 8;
// The fur editor makes tiles of 5 to 32 cells a side; anything from 1 to this
// is drawn, larger sizes are refused so a damaged document cannot ask for a
// huge picture.
inline constexpr int kMaxFurTileSide = 64;
inline constexpr int kFurAreaWidth = 265;
inline constexpr int kFurAreaHeight = 340;

bool isDrawableFurTile(int width, int height);

// The tile of `width` x `height` cells painted in the tinctures' current
// colours. A cell outside 1..11, or past the end of a short file, leaves its
// pixel as the new tile has it (black); the reading always ends after
// width x height cells.
Surface readUserFurTile(const std::vector<std::uint8_t>& furFile, int width, int height,
                        const TinctureTable& tinctures);

// The tile laid over the whole shield area row by row, each row of tiles
// starting further to the left than the one above by the row shift in percent
// of the tile width (the offset is rounded after each row, halves to even).
Surface tileUserFur(const Surface& tile, int rowShiftPercent);
// The same over an area of any size (the fur editor's preview).
Surface tileUserFurOver(const Surface& tile, int rowShiftPercent, int areaWidth, int areaHeight);

}  // namespace tess
