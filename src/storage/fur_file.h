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
// The tiles the fur editor makes, and its row shifts in percent.
inline constexpr int kSmallestFurTile = 5;
inline constexpr int kLargestFurTile = 32;
inline constexpr int kLargestRowShift = 99;

struct FurFileHeader {
    Integer Format = 0;
    Integer TileHeight = 0;
    Integer TileWidth = 0;
    Integer RowShift = 0;
};
// The four header values; empty for a file shorter than its header.
std::optional<FurFileHeader> readFurFileHeader(const std::vector<std::uint8_t>& furFile);

// The header of the fur file at `path` as the fur editor opens it: sizes
// 5..32 and a row shift 0..99, else `error` says in French why the file is
// refused (missing, unreadable, too short, sizes no fur has) and
// `errorNumber` is the failure's number (storage/error_numbers.h).
struct FurFileOpening {
    std::optional<FurFileHeader> header;
    std::string error;
    int errorNumber = 0;
};
FurFileOpening OpenFurFileHeader(const std::string& path);

// The bytes of a fur file for the w x h tile at the corner of `tile`, each cell
// stored as the tincture painted in its colour (factory colours first, as the
// editor's palette paints them, then current colours).
std::vector<std::uint8_t> encodeFurFile(const Surface& tile, int width, int height, int rowShift,
                                        const TinctureTable& tinctures);

// The tile bitmap beside a fur file: its path less the last character, and "x".
std::string furBitmapFile(std::string_view furPath);

// The path a fur is saved under: as typed when it ends in ".fmp", else with
// ".fmp" added. The editor knows a fur file by those three lower-case letters
// only, so a fur saved under any other name could not be opened again, and
// the blazon, which names a fur by its file less the extension, would cut
// the name short.
std::string withFurExtension(std::string_view path);

// Writes the fur file and the bitmap of the whole tile surface beside it
// together: both are prepared and staged first, so a failure leaves both old
// files as they were (never a new table beside an old tile). Empty text on
// success, else the reason, and the failure's number in `errorNumber` when
// given (storage/error_numbers.h).
std::string SaveFurFiles(const std::string& furPath, const Surface& tileSurface, int width,
                         int height, int rowShift, const TinctureTable& tinctures,
                         int* errorNumber = nullptr);

}  // namespace tess
