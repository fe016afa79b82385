#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/surface.h"

namespace tess {

// Loads a bmp, gif or jpg (by content, not by name) into a surface; see-through
// pixels of a gif come out white. Empty when the file is missing, is not one
// of these pictures, is damaged or is unreasonably large.
std::optional<Surface> loadPicture(const std::string& path);
// Writes a Windows bitmap (24 bits), replacing any old file only once the new
// one is whole. Empty text on success, else the reason (French, for the user).
std::string savePictureBmp(const Surface& surface, const std::string& path);
// The bytes of that bitmap file, for callers that write several files together;
// empty for an empty surface or when the picture cannot be encoded.
std::optional<std::vector<std::uint8_t>> encodePictureBmp(const Surface& surface);

}  // namespace tess
