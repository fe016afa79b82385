#include "render/shield_shape.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "model/workspace.h"
#include "render/pixel_rows.h"
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

namespace {

// Per row, the longest run of columns where the cut changes nothing (mask
// white, outline black: the shield's inside).
std::vector<std::pair<int, int>> untouchedRuns(const Surface& mask, const Surface& outline, int w,
                                               int h) {
    std::vector<std::pair<int, int>> runs(std::size_t(h), {0, 0});
    for (int y = 0; y < h; ++y) {
        const Colour* m = mask.row(y);
        const Colour* o = outline.row(y);
        std::pair<int, int>& best = runs[std::size_t(y)];
        for (int x = 0; x < w;) {
            if (m[x] != kWhite || o[x] != kBlack) {
                ++x;
                continue;
            }
            const int from = x;
            while (x < w && m[x] == kWhite && o[x] == kBlack) ++x;
            if (x - from > best.second - best.first) best = {from, x};
        }
    }
    return runs;
}

}  // namespace

void ApplyShieldMask(Renderer& r) {
    // Mask AND then outline XOR, in one pass: outside the shape the mask is
    // black and the outline parchment, inside white and black. The inside is
    // left alone: its columns are found once per pair of pictures and kept.
    const Surface& mask = r.shapeMask();
    const Surface& outline = r.shapeOutline();
    Surface& canvas = r.canvas;
    const int w = std::min({canvas.width(), mask.width(), outline.width()});
    const int h = std::min({canvas.height(), mask.height(), outline.height()});
    ShapeCut& cut = r.ShapeCutKept;
    if (cut.Mask != &mask || cut.Outline != &outline || cut.Width != w ||
        int(cut.Inside.size()) != h) {
        cut = {&mask, &outline, w, untouchedRuns(mask, outline, w, h)};
    }
    for (int y = 0; y < h; ++y) {
        Colour* c = canvas.row(y);
        const Colour* m = mask.row(y);
        const Colour* o = outline.row(y);
        const auto [from, to] = cut.Inside[std::size_t(y)];
        andXorRow(c, m, o, from);
        andXorRow(c + to, m + to, o + to, w - to);
    }
}

}  // namespace tess
