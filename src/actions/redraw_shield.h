#pragma once

#include "actions/redraw_result.h"

namespace tess {

struct Workspace;
class Renderer;

// Rebuilds the whole coat of arms from the current document onto the canvas,
// with every map derived from it (the part key map on partMap, fieldPartMap and
// ordinaryMap, the charge hit map, charge placements, the warning list), and
// returns what the window shows besides the canvas. Nothing is drawn
// incrementally: each redraw starts afresh. Runs after InitGraphics; called
// before it, it makes the surfaces itself.
RedrawResult RedrawShield(Workspace& ws, Renderer& r);

}  // namespace tess
