// The pieces laid over the canvas and over the part key map, at their places
// in the stacking order of the redraw.
#include "model/workspace.h"
#include "render/ordinary_laying.h"
#include "render/ordinary_steps.h"
#include "render/renderer.h"

namespace tess {

void CompositeOrdinary2(Workspace& ws, Renderer& r) {
    layOrdinary2(ws.CurrentBlazon, r, {&r.canvas, &r.partMap});
}

void CompositeOrdinary1(Workspace& ws, Renderer& r) {
    layOrdinary1(ws.CurrentBlazon, r, {&r.canvas, &r.partMap});
}

}  // namespace tess
