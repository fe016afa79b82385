// The redraw, step by step in stacking order. Each step is a small function so
// that the pieces and the charges have their place in the sequence.
#include "render/redraw_shield.h"

#include <array>

#include "blazon/blazon_text.h"
#include "blazon/tincture_warnings.h"
#include "model/document.h"
#include "model/workspace.h"
#include "render/charge_steps.h"
#include "render/field_partition.h"
#include "render/fur_patterns.h"
#include "render/grid.h"
#include "render/key_colours.h"
#include "render/ordinary_steps.h"
#include "render/region_fill.h"
#include "render/renderer.h"
#include "render/shield_shape.h"

namespace tess {

namespace {

// The field parts that show a fur, in part order, with the fur each shows.
struct FurQueue {
    std::array<int, 4> Parts{};
    std::array<Long, 4> Furs{};
    int Count = 0;
    void push(int part, Long fur) {
        if (Count < 4) {
            Parts[Count] = part;
            Furs[Count] = fur;
            ++Count;
        }
    }
};

bool present(const OrdinaryRecord& o) {
    return o.Present != 0;
}
bool isFurCode(Long code) {
    return code >= kFirstBuiltInFur && code <= kLastUserFur;
}
bool isTincture(Long t) {
    return t >= 1 && t <= kTinctureCount;
}

// The colour a part is filled with: its tincture's current colour; a part
// whose tincture is no tincture number is filled in Or.
Colour partColour(const Workspace& ws, const PartRecord& part) {
    const Long t = isTincture(part.Tincture) ? part.Tincture : 1;
    return Colour(ws.Tinctures[std::size_t(t)].Colour);
}

// The fur a field part shows, 0 when it is filled with a tincture. A part
// holding an inserted coat of arms may still carry the fur it had before.
Long partFur(const PartRecord& part) {
    if (isFurCode(part.Kind)) return part.Kind;
    if (part.Kind <= kClassInserted && isFurCode(part.Tincture)) return part.Tincture;
    return 0;
}

// Step 4: a user-fur part is blazoned in its fur's dominant tincture.
void takeUserFurTinctures(Workspace& ws) {
    BlazonRecord& b = ws.CurrentBlazon;
    for (int k = 1; k <= kPartCount; ++k) {
        const Long kind = b.Parts[k].Kind;
        if (kind >= kFirstUserFur && kind <= kLastUserFur)
            b.Parts[k].Tincture = b.UserFurs[std::size_t(kind - kFirstUserFur)].DominantTincture;
    }
}

// Steps 5 to 7: a cleared canvas, the shield's shape, the pieces' pictures.
void prepareCanvas(Renderer& r) {
    r.Model.resize(kCanvasWidth, kCanvasHeight);
    r.Picture1.clear();
}

void prepareOrdinaries(Workspace& ws, Renderer& r) {
    const BlazonRecord& b = ws.CurrentBlazon;
    if (present(b.Ordinary2)) DrawOrdinary2(ws, r);
    r.Model.clear();
    if (present(b.Ordinary1)) DrawOrdinary1(ws, r);
    r.Model.clear();
}

// Steps 9 and 10: tinctures into TempPic, furs queued for the overlay.
FurQueue fillField(Workspace& ws, Renderer& r) {
    FurQueue furs;
    // Cut to 320 x 395, keeping the shield at (50, 50) and a 5-pixel strip past it.
    r.TempPic.resize(320, 395);
    const BlazonRecord& b = ws.CurrentBlazon;
    for (int k = 1; k <= b.PartCount; ++k) {
        const PartRecord& part = b.Parts[k];
        const Long fur = partFur(part);
        if (fur != 0 && r.furPicture(fur)) {
            furs.push(k, fur);
            continue;
        }
        // A user fur without its picture shows its dominant tincture.
        FillRegion(ws, r.TempPic, part.SeedX + kModelMargin, part.SeedY + kModelMargin,
                   partColour(ws, part));
    }
    return furs;
}

// Steps 11 and 12: the field onto the canvas, then each fur over its part.
void showField(const FurQueue& furs, Renderer& r) {
    BitBlt(r.Picture1, 0, 0, kCanvasWidth + 5, kCanvasHeight + 5, r.TempPic, kModelMargin,
           kModelMargin, RasterOp::Copy);
    for (int i = 0; i < furs.Count; ++i)
        OverlayFur(r.Picture1, r.PartMapDC, 0, 0, kPartKeyColours[furs.Parts[i]],
                   *r.furPicture(furs.Furs[i]));
}

// Step 13: Model becomes the shield-sized part key map.
void restorePartMap(Renderer& r) {
    r.Model.resize(kCanvasWidth, kCanvasHeight);
    BitBlt(r.Model, 0, 0, kCanvasWidth, kCanvasHeight, r.PartMapDC, 0, 0, RasterOp::Copy);
}

// Steps 15 to 17: charges and pieces in stacking order, the inserted coats of
// arms between the first-order piece and the charges lying on it.
void layStack(Workspace& ws, Renderer& r) {
    const BlazonRecord& b = ws.CurrentBlazon;
    DrawChargesLayer(ws, r, 1);
    if (present(b.Ordinary2)) CompositeOrdinary2(ws, r);
    DrawChargesLayer(ws, r, 2);
    if (present(b.Ordinary1)) CompositeOrdinary1(ws, r);
    for (int k = 1; k <= b.PartCount; ++k)
        if (!b.Parts[k].InsertedPath.empty() && PartCanHoldBlazon(b, k)) DrawBlazonInPart(ws, r, k);
    DrawChargesLayer(ws, r, 3);
}

// Step 22.
Integer toolbarMarker(const Workspace& ws, const Renderer& r) {
    const Long code = ws.CurrentBlazon.Partition;
    return r.ToolbarX[std::size_t(isPartitionCode(code) ? code : kPlainField)];
}

// Step 23.
OptionVisibility optionVisibility(const BlazonRecord& b) {
    OptionVisibility v;
    const OrdinaryRecord& o1 = b.Ordinary1;
    const OrdinaryRecord& o2 = b.Ordinary2;
    v.ReducedPic = present(o1);
    v.ReducedPic2 = present(o2) && o2.Type >= 20 && o2.Type <= 22;
    v.DeportPic = present(o1) && o1.Type != 1 && o1.Type != 7 && o1.Type != 8 && o1.Type != 9 &&
                  o1.Repeat == 0;
    v.Label5 = present(o1);
    v.LblOrdre2 = v.ReducedPic2;
    return v;
}

// Step 24 (with the grid's check of step 19). These follow the stored types
// and sizes only, present or not.
RedrawMenus menuStates(const Workspace& ws) {
    const BlazonRecord& b = ws.CurrentBlazon;
    const OrdinaryRecord& o1 = b.Ordinary1;
    const OrdinaryRecord& o2 = b.Ordinary2;
    RedrawMenus m;
    m.mnuGrid.Checked = ws.GridVisible;
    m.mnuFilet.Enabled = OrdinaryCanBeNarrowed(b, 1);
    m.mnuOrdre1Rab.Enabled =
        o1.Type != 6 && o1.Type != 7 && o1.Type != 8 && o1.Type != 9 && o1.Size >= 0;
    m.mnuReduce.Enabled = o1.Type != 9;
    m.mnuReduced2.Enabled = OrdinaryCanBeNarrowed(b, 2);
    m.mnuFilet2.Enabled = m.mnuReduced2.Enabled;
    m.mnuReduced2.Checked = o2.Size > 0;
    m.mnuFilet2.Checked = o2.Size < 0;
    m.mnuFull2.Checked = o2.Size == 0 || (o2.Size < 0 && !m.mnuFilet2.Enabled);
    m.mnuReduce.Checked = o1.Size > 0;
    m.mnuFilet.Checked = o1.Size < 0 && m.mnuFilet.Enabled;
    m.mnuNormal.Checked = o1.Size == 0 || (o1.Size < 0 && !m.mnuFilet.Enabled);
    m.mnuRabPart.Enabled = hasHeraldicLines(b.Partition);
    return m;
}

}  // namespace

RedrawResult RedrawShield(Workspace& ws, Renderer& r) {
    RedrawResult result;
    ws.Warnings.clear();
    PaintOrdinaryOptionMarks(ws, r, result);
    takeUserFurTinctures(ws);
    prepareCanvas(r);
    result.MarkedShape = SelectShieldShape(ws, r);
    prepareOrdinaries(ws, r);
    DrawFieldPartition(ws, r);
    const FurQueue furs = fillField(ws, r);
    showField(furs, r);
    restorePartMap(r);
    ClassifyCharges(ws, r);
    layStack(ws, r);
    if (ws.GridVisible) DrawGrid(r);
    ApplyShieldMask(r);

    result.SelShapeLeft = toolbarMarker(ws, r);
    result.Options = optionVisibility(ws.CurrentBlazon);
    result.Menus = menuStates(ws);
    // Composed last, from the charge lists and warnings of this very drawing,
    // so the text never disagrees with the shield.
    result.BlazonText = BuildBlazonText(ws);
    result.WarnPicVisible = ws.Warnings.count() > 0;
    if (result.WarnPicVisible) result.WarningText = ShowTinctureWarnings(ws);
    return result;
}

}  // namespace tess
