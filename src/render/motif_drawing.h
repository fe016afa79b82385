#pragma once

#include "model/motif_layout.h"
#include "platform/surface.h"

namespace tess {

struct Workspace;
class ChargeSurfaces;

// What an arrangement's copies look like: the charge's bank mask and working
// picture (the same size), the size it is drawn at on the shield and its
// mirroring. The dialog gets one from its caller, so it never reads the
// document.
struct MotifStamp {
    const Surface* mask = nullptr;
    const Surface* picture = nullptr;
    int width = 0;  // drawn size in shield pixels
    int height = 0;
    bool mirrored = false;
};

// Draws the layout's guide (when asked) and every copy onto `target` at
// 1/`div` of the shield's scale. The guide is inverted onto what lies
// beneath, in real coordinates, so the caller repaints before the next guide.
// Then key points 1..KeyCount and extras 1..ExtraPerBranch x BranchCount are
// stamped through the mask (AND) and the picture (XOR), each box rounded half
// to even from the copy's centre. Nothing is computed here.
void DrawChargeMotif(Surface& target, const MotifLayout& layout, const MotifStamp& stamp,
                     bool guide, int div);

// The engine as the dialog runs it for one charge of the document: the layout
// computed, then drawn with the charge's current look at its recorded size.
// The charge's layers are refreshed first; a charge without a picture has its
// layout computed and nothing drawn.
void LayoutChargeMotif(Workspace& ws, ChargeSurfaces& surfaces, Surface& target,
                       MotifLayout& layout, int charge, bool guide, int div);

}  // namespace tess
