#pragma once

#include <optional>
#include <string>

#include "platform/surface.h"

namespace tess {

// Loads a bmp, gif or jpg (by content, not by name) into a surface.
// Empty when the file is missing or is not a picture.
std::optional<Surface> loadPicture(const std::string& path);
// Writes a Windows bitmap (24 bits). Empty text on success, else the reason.
std::string savePictureBmp(const Surface& surface, const std::string& path);

}  // namespace tess
