#pragma once

namespace tess {

// The shield canvas in shield coordinates: every record's position, the key
// maps and the charge placements are measured on it.
inline constexpr int kCanvasWidth = 265;
inline constexpr int kCanvasHeight = 340;

}  // namespace tess
