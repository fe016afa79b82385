#pragma once

#include "model/line_kinds.h"
#include "model/records.h"
#include "platform/surface.h"

namespace tess {

// Draws the line from (x1,y1) to (x2,y2) in the style's kind. `edgeFlag` is
// true for the upper / left edge of a piece and for every single line.
void DrawHeraldicLine(Surface& pic, int x1, int y1, int x2, int y2, const LineStyle& style,
                      Colour colour, bool edgeFlag, int direction);

}  // namespace tess
