// The arrangement's copies and guide on a picture at a reduced scale.
#include "render/motif_drawing.h"

#include <algorithm>

#include "model/placed_charges.h"
#include "model/workspace.h"
#include "platform/rounding.h"
#include "render/charge_layers.h"
#include "render/charge_recolouring.h"
#include "render/charge_surfaces.h"

namespace tess {
namespace {

// Inverted lines ignore their colour; any will do.
constexpr Colour kGuidePen = kBlack;

void guideLine(Surface& t, double x1, double y1, double x2, double y2, double div) {
    t.line(x1 / div, y1 / div, x2 / div, y2 / div, kGuidePen, DrawMode::Invert);
}

void drawGuide(Surface& t, const MotifLayout& l, double div) {
    const double x0 = l.CopyX[0], y0 = l.CopyY[0];
    const double h = l.AreaSize / 2.0;
    switch (l.Pattern) {
        case MotifPattern::Pal:
            guideLine(t, x0, y0 - h, x0, y0 + h, div);
            break;
        case MotifPattern::Fasce:
            guideLine(t, x0 - h, y0, x0 + h, y0, div);
            break;
        case MotifPattern::Bande:
            guideLine(t, x0 - h, y0 - h, x0 + h, y0 + h, div);
            break;
        case MotifPattern::Barre:
            guideLine(t, x0 - h, y0 + h, x0 + h, y0 - h, div);
            break;
        case MotifPattern::Chevron:
            guideLine(t, x0 - h, y0 + h, x0, y0 - h, div);
            guideLine(t, x0 + h, y0 + h, x0, y0 - h, div);
            break;
        case MotifPattern::Pairle:
            guideLine(t, x0 - h, y0 - h, x0, y0, div);
            guideLine(t, x0 + h, y0 - h, x0, y0, div);
            guideLine(t, x0, y0, x0, y0 + h, div);
            break;
        case MotifPattern::Croix:
            guideLine(t, x0 - h, y0, x0 + h, y0, div);
            guideLine(t, x0, y0 - h, x0, y0 + h, div);
            break;
        case MotifPattern::Sautoir:
            guideLine(t, x0 - h, y0 - h, x0 + h, y0 + h, div);
            guideLine(t, x0 - h, y0 + h, x0 + h, y0 - h, div);
            break;
        case MotifPattern::Carre:
            guideLine(t, x0 - h, y0 - h, x0 + h, y0 - h, div);
            guideLine(t, x0 - h, y0 + h, x0 + h, y0 + h, div);
            guideLine(t, x0 - h, y0 - h, x0 - h, y0 + h, div);
            guideLine(t, x0 + h, y0 - h, x0 + h, y0 + h, div);
            break;
        case MotifPattern::Cercle: {
            // The radius of the key points, not the unrounded half side.
            const double r = CInt(l.AreaSize / 2.0);
            t.circle(x0 / div, y0 / div, r / div, kGuidePen, DrawMode::Invert);
            break;
        }
    }
}

void stampCopy(Surface& t, const MotifStamp& s, double x, double y, double div) {
    const int w = CInt(s.width / div), h = CInt(s.height / div);
    const int left = CInt(x / div - (s.width / 2.0) / div);
    const int top = CInt(y / div - (s.height / 2.0) / div);
    if (s.mirrored)
        stampStretched(t, left + w, top, -w, h, *s.mask, *s.picture);
    else
        stampStretched(t, left, top, w, h, *s.mask, *s.picture);
}

}  // namespace

void DrawChargeMotif(Surface& target, const MotifLayout& layout, const MotifStamp& stamp,
                     bool guide, int div) {
    const double d = std::max(div, 1);
    if (guide) drawGuide(target, layout, d);
    if (stamp.mask == nullptr || stamp.picture == nullptr) return;
    const int keys = std::min<int>(layout.KeyCount, kMaxMotifKeys);
    for (int i = 1; i <= keys; ++i) stampCopy(target, stamp, layout.KeyX[i], layout.KeyY[i], d);
    const int extras =
        std::min(std::min<int>(layout.ExtraPerBranch, kMaxExtraPerBranch) * layout.BranchCount,
                 kMaxMotifExtras);
    for (int j = 1; j <= extras; ++j) stampCopy(target, stamp, layout.CopyX[j], layout.CopyY[j], d);
}

void LayoutChargeMotif(Workspace& ws, ChargeSurfaces& surfaces, Surface& target,
                       MotifLayout& layout, int charge, bool guide, int div) {
    ComputeMotifLayout(layout);
    MotifStamp stamp;
    if (chargePicture(ws, charge) != nullptr && refreshChargeLayers(ws, surfaces, charge)) {
        const ChargeRecord& c = ws.CurrentBlazon.Charges[charge];
        stamp = {.mask = &surfaces.bank(c.ImageIndex).mask,
                 .picture = &surfaces.workingPicture(charge),
                 .width = c.Width,
                 .height = c.Height,
                 .mirrored = c.Mirrored != 0};
    }
    DrawChargeMotif(target, layout, stamp, guide, div);
}

}  // namespace tess
