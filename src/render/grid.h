#pragma once

namespace tess {

class Renderer;

// The 20-pixel grid over the canvas, each line pixel inverted (so it shows on
// any tincture): vertical lines at x = 13 + 20n, horizontal at y = 20n. Where
// two lines cross the pixel is inverted twice and shows the field.
void DrawGrid(Renderer& r);

}  // namespace tess
