#pragma once

namespace tess {

struct Workspace;
class Renderer;
struct RedrawResult;

// The steps of a redraw that belong to the honourable pieces, in the order the
// redraw calls them. Each runs only when its piece is present, except the
// option marks, which run on every redraw.

// Marks the chosen size and shift of the first-order piece on the option
// pictures (reported in the redraw's result).
void PaintOrdinaryOptionMarks(Workspace& ws, Renderer& r, RedrawResult& result);
// Prepares the second-order piece's mask, key and coloured pictures (on Model).
void DrawOrdinary2(Workspace& ws, Renderer& r);
// The same for the first-order piece (on BigOne).
void DrawOrdinary1(Workspace& ws, Renderer& r);
// Lays the prepared piece over the canvas and its zone over the key map.
void CompositeOrdinary2(Workspace& ws, Renderer& r);
void CompositeOrdinary1(Workspace& ws, Renderer& r);

}  // namespace tess
