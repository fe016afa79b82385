#pragma once

namespace tess {

struct Workspace;
class Renderer;

// Paints the field onto the canvas from the field's key map (partitionWork): each
// part in its tincture's current colour (or, on a black-and-white page, white
// with the tincture's hatching), or with its fur picture; the lines and
// anything no part covers keep their key map colour. Painting by the key map
// rather than by flooding the canvas keeps the canvas and the hit tests in
// agreement pixel for pixel, and a tincture adjusted to a key colour can never
// be taken for another part.
void PaintField(Workspace& ws, Renderer& r);

}  // namespace tess
