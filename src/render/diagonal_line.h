#pragma once

#include "model/records.h"
#include "render/line_pen.h"

namespace tess {

// The half-period step of a diagonal line: (a, b) horizontal and vertical parts
// of half a period along the line, (p, q) those of half the depth across it.
struct DiagonalSteps {
    int a = 0;
    int b = 0;
    int p = 0;
    int q = 0;
    bool operator==(const DiagonalSteps&) const = default;
};

// Worked out once per line from its slope; needs y1 != y2.
DiagonalSteps diagonalSteps(int x1, int y1, int x2, int y2, const LineStyle& style);

// Bend (direction 3) and bend sinister (4) lines, given from their upper end.
// Carried on past the top and down to the bottom of the surface so that the
// line cuts the surface in two from border to border.
void drawDiagonalLine(const LinePen& pen, int x1, int y1, int x2, int y2, const LineStyle& style,
                      bool edgeFlag, int direction);

}  // namespace tess
