#include "actions/colour_adjustment.h"

#include <cstdint>

#include "actions/charge_placing.h"
#include "actions/redraw_shield.h"
#include "model/tincture_file.h"
#include "model/workspace.h"
#include "render/renderer.h"

namespace tess {

namespace {

constexpr std::int64_t kGreenUnit = 256;
constexpr std::int64_t kWhitest = 0xFFFFFF;

}  // namespace

Colour StepAdjustedColour(Colour working, int step) {
    const std::int64_t next = std::int64_t(working) + std::int64_t(step) * kGreenUnit;
    if (next < 0 || next > kWhitest) return working;
    return Colour(next);
}

ColourAdjustment ApplyTinctureColour(Workspace& ws, Renderer& r, int tincture, Colour colour) {
    ColourAdjustment out;
    if (tincture < 1 || tincture > kTinctureCount) return out;
    ws.Tinctures[tincture].Colour = Long(colour);
    out.fileError = SaveTinctureColours(ws.Tinctures);
    for (int n = 1; n <= kChargeCount; ++n)
        if (ws.CurrentBlazon.Charges[n].Tincture == tincture)
            SetChargeTincture(ws, r.Charges, n, tincture);
    out.redraw = RedrawShield(ws, r);
    return out;
}

}  // namespace tess
