#pragma once

namespace tess {

struct Workspace;
class Renderer;

// The three shield-sized key maps, from the field's key map and the pieces'
// laid zones, in one pass: fieldPartMap and ordinaryMap, from which the
// charges' places are read, take the second-order and the first-order zone
// respectively, and partMap, the part key map the window reads, takes both,
// the first over the second, as they are stacked on the canvas.
void LayKeyMaps(Workspace& ws, Renderer& r);

}  // namespace tess
