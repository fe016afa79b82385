#pragma once

#include "platform/surface.h"

namespace tess {

struct Workspace;

// Paints the region around (x, y) (the connected pixels of the seed's colour)
// in `colour`, the current colour of a tincture; on a black-and-white page
// (`ws.PrintBlackWhite`) paints it white with the heraldic hatching of the
// tincture of that colour instead (solid black for a colour of no tincture).
void FillRegion(Workspace& ws, Surface& surface, int x, int y, Colour colour);

// Paints the region around (x, y) white with `hatch` over it, as a
// black-and-white page shows a tincture.
void HatchRegion(Surface& surface, int x, int y, const Brush& hatch);

// The brush that hatches tincture 1..11 on a black-and-white page, drawn over
// white; a hollow brush for Argent, solid black for anything else.
Brush hatchBrushOfTincture(int tincture);

}  // namespace tess
