#pragma once

namespace tess {

struct Workspace;
class ChargeSurfaces;

// Empties charge record `n` (1..50): out of use, no picture, no place, size,
// tincture, class or "broché" flag, out of its group, its recolouring layers
// released. Any other number is ignored. No undo step, no redraw: callers
// clearing several charges take one step round them all.
void ClearCharge(Workspace& ws, ChargeSurfaces& surfaces, int n);

}  // namespace tess
