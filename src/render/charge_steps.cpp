// The charges' steps of the redraw, on the renderer's surfaces.
#include "render/charge_steps.h"

#include <algorithm>

#include "model/workspace.h"
#include "render/charge_layers.h"
#include "render/renderer.h"

namespace tess {
namespace {

bool present(const OrdinaryRecord& o) {
    return o.Present != 0;
}

// A piece's zone laid onto a key map: mask AND, picture XOR, mask AND, key
// picture XOR, in one pass over the map. Inside the piece (black on its mask)
// the map ends with the piece's key picture; elsewhere it is unchanged.
void layZone(Surface& map, const OrdinarySurfaces& piece, int sx, int sy) {
    const Surface& mask = piece.MaskDC;
    const Surface& image = piece.ImageDC;
    const Surface& key = piece.Image2DC;
    const int w = std::min({map.width(), mask.width() - sx, image.width() - sx, key.width() - sx});
    const int h =
        std::min({map.height(), mask.height() - sy, image.height() - sy, key.height() - sy});
    for (int y = 0; y < h; ++y) {
        Colour* out = map.row(y);
        const Colour* m = mask.row(y + sy) + sx;
        const Colour* p = image.row(y + sy) + sx;
        const Colour* k = key.row(y + sy) + sx;
        for (int x = 0; x < w; ++x) out[x] = (((out[x] & m[x]) ^ p[x]) & m[x]) ^ k[x];
    }
}

}  // namespace

void ClassifyCharges(Workspace& ws, Renderer& r) {
    const BlazonRecord& b = ws.CurrentBlazon;
    if (present(b.Ordinary2)) layZone(r.PartMapDC, r.Ordinary2, 0, 0);
    if (present(b.Ordinary1)) layZone(r.OrdinaryMapDC, r.Ordinary1, kBigMargin, kBigMargin);
    classifyCharges(ws, PlacementMaps{r.PartMapDC, r.OrdinaryMapDC, present(b.Ordinary1)});
}

void DrawChargesLayer(Workspace& ws, Renderer& r, int layer) {
    drawChargesLayer(ws, r.Charges, r.Picture1, r.ChargeHitDC, layer);
}

}  // namespace tess
