#pragma once

namespace tess {

struct Workspace;
class Renderer;

// The steps of a redraw that belong to the honourable pieces, in the order the
// redraw calls them. Each runs only when its piece is present.

// Prepares the second-order piece's mask, key and coloured pictures (on
// partMap) and the piece laid from them, or keeps those of the last redraw
// when the piece's key is the same.
void DrawOrdinary2(Workspace& ws, Renderer& r);
// The same for the first-order piece (on firstOrderWork), with its copies.
void DrawOrdinary1(Workspace& ws, Renderer& r);
// Lays the prepared piece over the canvas.
void CompositeOrdinary2(Workspace& ws, Renderer& r);
void CompositeOrdinary1(Workspace& ws, Renderer& r);

}  // namespace tess
