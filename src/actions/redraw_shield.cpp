// The redraw, step by step in stacking order. Each step is a small function so
// that the pieces and the charges have their place in the sequence.
#include "actions/redraw_shield.h"

#include "actions/document_pictures.h"
#include "actions/option_marks.h"
#include "blazon/blazon_text.h"
#include "blazon/tincture_warnings.h"
#include "model/document.h"
#include "model/document_rules.h"
#include "model/piece_types.h"
#include "model/workspace.h"
#include "render/charge_steps.h"
#include "render/field_paint.h"
#include "render/field_partition.h"
#include "render/grid.h"
#include "render/key_maps.h"
#include "render/ordinary_steps.h"
#include "render/renderer.h"
#include "render/shield_shape.h"

namespace tess {

namespace {

bool present(const OrdinaryRecord& o) {
    return o.Present != 0;
}

// The pieces are prepared before the partition, or kept from the last redraw
// when nothing they are drawn from changed. The canvas needs no clearing: the
// field is painted over all of it. partMap is free scratch until it takes the
// part key map, so the pieces' preparation leaves it as it likes.
void prepareOrdinaries(Workspace& ws, Renderer& r) {
    const BlazonRecord& b = ws.CurrentBlazon;
    if (present(b.Ordinary2)) DrawOrdinary2(ws, r);
    if (present(b.Ordinary1)) DrawOrdinary1(ws, r);
}

// Charges and pieces in stacking order, the inserted coats of
// arms between the first-order piece and the charges lying on it.
void layStack(Workspace& ws, Renderer& r) {
    const BlazonRecord& b = ws.CurrentBlazon;
    DrawChargesLayer(ws, r, kUnderBothPieces);
    if (present(b.Ordinary2)) CompositeOrdinary2(ws, r);
    DrawChargesLayer(ws, r, kBetweenPieces);
    if (present(b.Ordinary1)) CompositeOrdinary1(ws, r);
    for (int k = 1; k <= b.PartCount; ++k)
        if (!b.Parts[k].InsertedPath.empty() && PartCanHoldBlazon(b, k)) DrawBlazonInPart(ws, r, k);
    DrawChargesLayer(ws, r, kOverBothPieces);
}

// The partition marker on the toolbar.
Integer toolbarMarker(const Workspace& ws, const Renderer& r) {
    const Long code = ws.CurrentBlazon.Partition;
    return r.ToolbarX[std::size_t(isPartitionCode(code) ? code : kPlainField)];
}

// The option pictures beside the shield and their labels.
OptionVisibility optionVisibility(const BlazonRecord& b) {
    OptionVisibility v;
    const OrdinaryRecord& o1 = b.Ordinary1;
    const OrdinaryRecord& o2 = b.Ordinary2;
    v.sizeChooser = present(o1);
    v.secondSizeChooser = present(o2) && isSizedOrdinary2(o2.Type);
    v.shiftChooser = present(o1) && takesShift(o1.Type) && o1.Repeat == 0;
    v.firstOrderLabel = present(o1);
    v.secondOrderLabel = v.secondSizeChooser;
    return v;
}

// The menu items. Apart from the grid's check, these follow the stored types
// and sizes only, present or not.
RedrawMenus menuStates(const Workspace& ws) {
    const BlazonRecord& b = ws.CurrentBlazon;
    const OrdinaryRecord& o1 = b.Ordinary1;
    const OrdinaryRecord& o2 = b.Ordinary2;
    RedrawMenus m;
    m.grid.Checked = ws.GridVisible;
    m.firstOrderNarrow.Enabled = OrdinaryCanBeNarrowed(b, 1);
    m.firstOrderLines.Enabled = takesLineStyle(o1.Type) && o1.Size >= 0;
    m.firstOrderDiminished.Enabled = o1.Type != kEcusson;
    m.secondOrderDiminished.Enabled = OrdinaryCanBeNarrowed(b, 2);
    m.secondOrderNarrow.Enabled = m.secondOrderDiminished.Enabled;
    m.secondOrderDiminished.Checked = o2.Size > 0;
    m.secondOrderNarrow.Checked = o2.Size < 0;
    m.secondOrderFull.Checked = o2.Size == 0 || (o2.Size < 0 && !m.secondOrderNarrow.Enabled);
    m.firstOrderDiminished.Checked = o1.Size > 0;
    m.firstOrderNarrow.Checked = o1.Size < 0 && m.firstOrderNarrow.Enabled;
    m.firstOrderFull.Checked = o1.Size == 0 || (o1.Size < 0 && !m.firstOrderNarrow.Enabled);
    m.partitionLines.Enabled = hasHeraldicLines(b.Partition);
    return m;
}

}  // namespace

RedrawResult RedrawShield(Workspace& ws, Renderer& r) {
    RedrawResult result;
    // A redraw before the set-up would draw on nothing; make the surfaces.
    if (!r.Initialised) InitSurfaces(r);
    // After an undo the record may name other arms or furs than the pictures show.
    MatchDocumentPictures(ws, r);
    ws.Warnings.clear();
    // The document rules (model/document_rules.h) run between the drawing
    // steps, each where the drawing first depends on it; they are the only
    // changes a redraw makes to the document.
    ResetShiftOfRepeatedPiece(ws.CurrentBlazon);
    result.Marks = OrdinaryOptionMarks(ws.CurrentBlazon);
    GiveUserFurPartsTheirFurTincture(ws.CurrentBlazon);
    result.markedShape = SelectShieldShape(ws, r);
    SettlePieceSizes(ws.CurrentBlazon);
    if (drawsEcusson(ws.CurrentBlazon)) EcussonFollowsShieldShape(ws.CurrentBlazon);
    prepareOrdinaries(ws, r);
    DrawFieldPartition(ws, r);
    PaintField(ws, r);
    LayKeyMaps(ws, r);
    GiveChargesTheirPlacements(ws, FindChargePlacements(ws, r));
    ClassDrawnChargesAndTakeOutOffCanvas(ws);
    layStack(ws, r);
    if (ws.GridVisible) DrawGrid(r);
    ApplyShieldMask(r);

    result.partitionMarkerX = toolbarMarker(ws, r);
    result.Options = optionVisibility(ws.CurrentBlazon);
    result.Menus = menuStates(ws);
    // Composed last, from the charge lists and warnings of this very drawing,
    // so the text never disagrees with the shield.
    result.blazonText = BuildBlazonText(ws);
    result.warningVisible = ws.Warnings.count() > 0;
    if (result.warningVisible) result.warningText = TinctureWarningsText(ws);
    return result;
}

}  // namespace tess
