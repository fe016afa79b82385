#include "render/heraldic_line.h"

namespace tess {

// Plain lines only for now; the patterned kinds come with the line engine.
void DrawHeraldicLine(Surface& pic, int x1, int y1, int x2, int y2, const LineStyle& style,
                      Colour colour, bool edgeFlag, int direction) {
    if (direction < 1 || direction > 4) return;
    pic.line(x1, y1, x2, y2, colour);
}

}  // namespace tess
