// The charges' steps of the redraw, on the renderer's surfaces.
#include "render/charge_steps.h"

#include "model/workspace.h"
#include "render/charge_layers.h"
#include "render/ordinary_laying.h"
#include "render/renderer.h"

namespace tess {

ChargePlacements FindChargePlacements(Workspace& ws, Renderer& r) {
    const BlazonRecord& b = ws.CurrentBlazon;
    return findChargePlacements(
        ws, PlacementMaps{r.fieldPartMap, r.ordinaryMap, ordinaryDrawn(b.Ordinary1, 1)});
}

void DrawChargesLayer(Workspace& ws, Renderer& r, int layer) {
    drawChargesLayer(ws, r.Charges, r.canvas, r.chargeHitMap, layer);
}

}  // namespace tess
