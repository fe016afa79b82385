#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace tess {

// No picture the program uses (a charge, a preview, a fur tile) comes near
// this side; a forged header must not make a 1 KB file claim gigabytes.
inline constexpr int kMaxPictureSide = 4096;
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t(kMaxPictureSide) * kMaxPictureSide;

enum class PictureRefusal { None, Unreadable, TooLarge };

struct PictureRead {
    std::optional<Surface> picture;
    PictureRefusal refusal = PictureRefusal::Unreadable;
};

// Loads a bmp, gif or jpg (by content, not by name) into a surface; see-through
// pixels of a gif come out white. The picture is measured before it is decoded:
// one wider or higher than kMaxPictureSide, or of more than `mostPixels`
// pixels, is refused as TooLarge without being decoded. A missing file, or one
// that is none of these pictures or is damaged, is Unreadable.
PictureRead readPicture(const std::string& path, std::int64_t mostPixels = kMaxPicturePixels);
// The same, giving the picture alone.
std::optional<Surface> loadPicture(const std::string& path);
// Writes a Windows bitmap (24 bits), replacing any old file only once the new
// one is whole. Empty text on success, else the reason (French, for the user).
std::string savePictureBmp(const Surface& surface, const std::string& path);
// The bytes of that bitmap file, for callers that write several files together;
// empty for an empty surface or when the picture cannot be encoded.
std::optional<std::vector<std::uint8_t>> encodePictureBmp(const Surface& surface);

}  // namespace tess
