#include "render/shield_shape.h"

#include <algorithm>

#include "model/workspace.h"
#include "render/renderer.h"
#include "resources/pictures.h"

namespace tess {

int drawnShape(Long shape) {
    return shape >= 1 && shape <= kShapeCount ? int(shape) : 1;
}

int SelectShieldShape(Workspace& ws, Renderer& r) {
    const int shape = drawnShape(ws.CurrentBlazon.ShieldShape);
    r.currentShapeOutline = &shieldOutlinePicture(shape);
    r.currentShapeMask = &shieldMaskPicture(shape);
    return shape;
}

void SelectPartMask(const Workspace& ws, Renderer& r) {
    const BlazonRecord& b = ws.CurrentBlazon;
    r.currentInsetMask = &shieldMaskPicture(drawnShape(b.InsetShape));
}

void ApplyShieldMask(Renderer& r) {
    // Mask AND then outline XOR, in one pass: outside the shape the mask is
    // black and the outline parchment, inside white and black.
    const Surface& mask = r.shapeMask();
    const Surface& outline = r.shapeOutline();
    Surface& canvas = r.canvas;
    const int w = std::min({canvas.width(), mask.width(), outline.width()});
    const int h = std::min({canvas.height(), mask.height(), outline.height()});
    for (int y = 0; y < h; ++y) {
        Colour* c = canvas.row(y);
        const Colour* m = mask.row(y);
        const Colour* o = outline.row(y);
        for (int x = 0; x < w; ++x) c[x] = (c[x] & m[x]) ^ o[x];
    }
}

}  // namespace tess
