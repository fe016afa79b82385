#include "render/grid.h"

#include "render/renderer.h"

namespace tess {

void DrawGrid(Renderer& r) {
    Surface& canvas = r.canvas;
    const int w = canvas.width();
    const int h = canvas.height();
    // The first vertical line (x = -7) falls off the canvas, as it always has.
    for (int x = -7; x <= w; x += 20) canvas.line(x, 0, x, h, kBlack, DrawMode::Invert);
    for (int y = 0; y <= h; y += 20) canvas.line(0, y, w, y, kBlack, DrawMode::Invert);
}

}  // namespace tess
