#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/records.h"
#include "model/tinctures.h"
#include "platform/surface.h"

namespace tess {

// The ".fmp" fur file as the fur editor writes it: format 3, tile height, tile
// width and row shift (16-bit each), then for x = 0..w-1 and y = 0..h-1 one
// 32-bit tincture number per cell (0 for a colour of no tincture). The tile's
// bitmap lies beside it, under the same path with its last character "x".
inline constexpr Integer kFurFileFormat = 3;

struct FurFileHeader {
    Integer Format = 0;
    Integer TileHeight = 0;
    Integer TileWidth = 0;
    Integer RowShift = 0;
};
// The four header values; empty for a file shorter than its header.
std::optional<FurFileHeader> readFurFileHeader(const std::vector<std::uint8_t>& furFile);

// The bytes of a fur file for the w x h tile at the corner of `tile`, each cell
// stored as the tincture painted in its colour (current colours first, then
// factory colours).
std::vector<std::uint8_t> encodeFurFile(const Surface& tile, int width, int height, int rowShift,
                                        const TinctureTable& tinctures);

// The tile bitmap beside a fur file: its path less the last character, and "x".
std::string furBitmapFile(std::string_view furPath);

// Writes the fur file and then the bitmap of the whole tile surface beside it,
// each into a temporary file renamed into place, so a failure never leaves a
// half-written fur. Empty text on success, else the reason.
std::string SaveFurFiles(const std::string& furPath, const Surface& tileSurface, int width,
                         int height, int rowShift, const TinctureTable& tinctures);

}  // namespace tess
