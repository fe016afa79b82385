#include "render/grid.h"

#include "render/renderer.h"

namespace tess {

void DrawGrid(Renderer& r) {
    Surface& canvas = r.canvas;
    const int w = canvas.width();
    const int h = canvas.height();
    // Each line is a one-pixel segment in invert mode, its last pixel not
    // drawn: a vertical one from (x, 0) to (x, h) covers rows 0..h-1, a
    // horizontal one from (0, y) to (w, y) columns 0..w-1. They are inverted
    // straight on the rows rather than stepped along as segments; where two
    // cross, the pixel is inverted twice. The first vertical line (x = -7)
    // falls off the canvas, as it always has.
    constexpr Colour kInvert = 0xFFFFFFu;
    for (int y = 0; y < h; ++y) {
        Colour* row = canvas.row(y);
        for (int x = -7; x <= w; x += 20)
            if (x >= 0 && x < w) row[x] ^= kInvert;
    }
    for (int y = 0; y < h; y += 20) {
        Colour* row = canvas.row(y);
        for (int x = 0; x < w; ++x) row[x] ^= kInvert;
    }
}

}  // namespace tess
