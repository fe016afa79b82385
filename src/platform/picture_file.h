#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/picture_limits.h"
#include "platform/surface.h"

namespace tess {

enum class PictureRefusal {
    None,
    Missing,      // no file there
    NotAFile,     // a folder, a pipe, a socket or a device
    LinkLoop,     // a symbolic link that leads round to itself
    Unreadable,   // not allowed to read it, or the disk failed
    NotAPicture,  // neither a bmp, a gif nor a jpg
    Damaged,      // cut short, or a header or pixels that do not decode
    TooLarge,     // beyond the size asked for, in pixels or in bytes
};

struct PictureRead {
    std::optional<Surface> picture;
    PictureRefusal refusal = PictureRefusal::Missing;
    // The size its header claims, known once the header was read (0 before):
    // a picture refused as too large is described by it.
    int width = 0;
    int height = 0;
    // What was read of the file: a budget shared by several files counts it.
    std::uint64_t bytesRead = 0;
    // Where the picture ends in its file (a padded file goes on past it).
    std::uint64_t pictureBytes = 0;
};

// Loads a bmp, gif or jpg (by content, not by name) into a surface; see-through
// pixels of a gif come out white. The file is opened as every reader opens one
// (platform/file_reading.h) and walked by its own structure before anything is
// decoded (platform/picture_scan.h): one wider or higher than kMaxPictureSide,
// of more than `mostPixels` pixels, or needing more than `mostBytes` bytes, is
// refused as TooLarge before a pixel is decoded; one that ends before its
// picture does is Damaged, and a padded one is read no further than its
// picture.
PictureRead readPicture(const std::string& path, std::int64_t mostPixels = kMaxPicturePixels,
                        std::uint64_t mostBytes = kLargestPictureFile);
// The same, giving the picture alone.
std::optional<Surface> loadPicture(const std::string& path);
// The bytes of a picture file in memory, read the same way (the fuzzer's entry).
PictureRead decodePicture(const std::uint8_t* data, std::size_t size,
                          std::int64_t mostPixels = kMaxPicturePixels);
// Writes a Windows bitmap (24 bits), replacing any old file only once the new
// one is whole. Empty text on success, else the reason (French, for the user).
std::string savePictureBmp(const Surface& surface, const std::string& path);
// The bytes of that bitmap file, for callers that write several files together;
// empty for an empty surface or when the picture cannot be encoded.
std::optional<std::vector<std::uint8_t>> encodePictureBmp(const Surface& surface);

}  // namespace tess
