// Charges are not drawn yet: the hit map stays empty. The charges' own drawing
// replaces this file.
#include "render/charge_steps.h"

#include "render/renderer.h"

namespace tess {

void ClassifyCharges(Workspace&, Renderer&) {}

void DrawChargesLayer(Workspace&, Renderer& r, int layer) {
    if (layer == 1) r.ChargeHitDC.fill(kBlack);
}

}  // namespace tess
