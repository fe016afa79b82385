#include "storage/fur_file.h"

#include "model/tincture_table.h"
#include "platform/picture_file.h"
#include "platform/record_file.h"
#include "platform/text_encoding.h"

namespace tess {

std::optional<FurFileHeader> readFurFileHeader(const std::vector<std::uint8_t>& furFile) {
    ByteReader in(furFile);
    const auto format = in.getInteger();
    const auto height = in.getInteger();
    const auto width = in.getInteger();
    const auto shift = in.getInteger();
    if (!shift) return std::nullopt;
    return FurFileHeader{*format, *height, *width, *shift};
}

std::vector<std::uint8_t> encodeFurFile(const Surface& tile, int width, int height, int rowShift,
                                        const TinctureTable& tinctures) {
    ByteWriter out;
    out.putInteger(kFurFileFormat);
    out.putInteger(Integer(height));
    out.putInteger(Integer(width));
    out.putInteger(Integer(rowShift));
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            out.putLong(FindTinctureByColour(tinctures, tile.pixel(x, y)));
    return out.bytes();
}

std::string furBitmapFile(std::string_view furPath) {
    return dropLastCharacters(furPath, 1) + "x";
}

std::string SaveFurFiles(const std::string& furPath, const Surface& tileSurface, int width,
                         int height, int rowShift, const TinctureTable& tinctures) {
    std::string error = writeFileAtomically(
        furPath, encodeFurFile(tileSurface, width, height, rowShift, tinctures));
    if (!error.empty()) return error;
    return savePictureBmp(tileSurface, furBitmapFile(furPath));
}

}  // namespace tess
