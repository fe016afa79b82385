// The charges' steps of the redraw, on the renderer's surfaces.
#include "render/charge_steps.h"

#include "model/workspace.h"
#include "render/charge_layers.h"
#include "render/renderer.h"

namespace tess {
namespace {

bool present(const OrdinaryRecord& o) {
    return o.Present != 0;
}

// A piece's zone laid onto a key map: inside the piece (black on its mask) the
// map ends with the piece's key picture, elsewhere it is unchanged.
void layZone(Surface& map, const OrdinarySurfaces& piece, int sx, int sy) {
    const int w = map.width(), h = map.height();
    BitBlt(map, 0, 0, w, h, piece.MaskDC, sx, sy, RasterOp::And);
    BitBlt(map, 0, 0, w, h, piece.ImageDC, sx, sy, RasterOp::Xor);
    BitBlt(map, 0, 0, w, h, piece.MaskDC, sx, sy, RasterOp::And);
    BitBlt(map, 0, 0, w, h, piece.Image2DC, sx, sy, RasterOp::Xor);
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
