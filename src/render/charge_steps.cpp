// The charges' steps of the redraw, on the renderer's surfaces.
#include "render/charge_steps.h"

#include <utility>
#include <vector>

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
    if (layer == kUnderBothPieces) {
        // The hit map shows the boxes of all three layers; while they are
        // those of the last redraw, in the same order, it shows them already.
        std::vector<HitBox> boxes = chargeHitBoxes(ws, r.Charges);
        if (!r.HitBoxesMade || boxes != r.HitBoxesDrawn) {
            drawHitBoxes(r.chargeHitMap, boxes);
            r.HitBoxesDrawn = std::move(boxes);
            r.HitBoxesMade = true;
        }
    }
    drawChargesLayer(ws, r.Charges, r.canvas, layer);
}

}  // namespace tess
