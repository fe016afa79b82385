#pragma once

#include "model/records.h"
#include "platform/surface.h"

namespace tess {

// Draws the style as a horizontal sample across the whole picture around row
// `middle` (both edges of a band for the kinds whose two edges differ). First
// raises `Width` to at least 5, `Depth` to 10 and `LineKind` to 10 in `style`,
// so that a previewed style is always one the line engine can draw.
void DrawLineSample(Surface& pic, LineStyle& style, Colour colour, int middle);

}  // namespace tess
