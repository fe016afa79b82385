// The pieces laid over the canvas at their places in the stacking order of the
// redraw; their zones went onto the key maps with the field's (LayKeyMaps).
#include "model/workspace.h"
#include "render/ordinary_laying.h"
#include "render/ordinary_steps.h"
#include "render/renderer.h"

namespace tess {

void CompositeOrdinary2(Workspace& ws, Renderer& r) {
    if (ordinaryDrawn(ws.CurrentBlazon.Ordinary2, 2)) layOnCanvas(r.canvas, r.Ordinary2.Laid);
}

void CompositeOrdinary1(Workspace& ws, Renderer& r) {
    if (ordinaryDrawn(ws.CurrentBlazon.Ordinary1, 1)) layOnCanvas(r.canvas, r.Ordinary1.Laid);
}

}  // namespace tess
