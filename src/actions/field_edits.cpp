#include "actions/field_edits.h"

#include "actions/apply_edit.h"
#include "actions/canvas_hits.h"
#include "actions/charge_placing.h"
#include "model/document.h"
#include "model/part_zones.h"
#include "model/partitions.h"
#include "model/piece_types.h"
#include "model/placed_charges.h"
#include "model/shield_shapes.h"
#include "model/tinctures.h"
#include "model/workspace.h"
#include "platform/rounding.h"
#include "render/charge_recolouring.h"
#include "render/renderer.h"

namespace tess {

Long TinctureClass(Long tincture) {
    if (tincture == kOr || tincture == kArgent) return kClassMetal;
    if (tincture == kPourpre) return kClassPourpre;
    return kClassColour;
}

bool CanvasDropAccepted(const Renderer& r, int tincture, int fur, double x, double y) {
    if (tincture == 0 && fur == 0) return false;
    return tincture != 0 || !HitAt(r, x, y).onChargeMap;
}

EditOutcome DropOnCanvas(Workspace& ws, Renderer& r, int tincture, int fur, double x, double y) {
    // Refused here too, whatever the last drag-over decided: the outcome of a
    // drop never depends on which move event came last.
    if (!CanvasDropAccepted(r, tincture, fur, x, y)) return NothingDone();
    const CanvasHit hit = HitAt(r, x, y);
    if (tincture != 0 && hit.onChargeMap) {
        // A hit map left stale by another change finds no charge: nothing to
        // recolour, so no undo step either.
        const int n = ChargeAtPoint(ws, CInt(x), CInt(y));
        if (n == 0) return NothingDone();
        return ApplyEdit(ws, r, UndoStep::Take, [&] {
            PrepareChargeLayers(ws, r.Charges, n);
            SetChargeTincture(ws, r.Charges, n, tincture);
        });
    }
    if (hit.part == 0) {
        // The step and the mark come before the target is known.
        SetUndos(ws);
        EditOutcome out = RedrawnChange(ws, r);
        out.message = FileMessage::exclamation(
            "Tessaline",
            "Une division a été atteinte et touchée. Veuillez recommencer votre tir s.v.p.");
        return out;
    }
    return ApplyEdit(ws, r, UndoStep::Take, [&] {
        BlazonRecord& b = ws.CurrentBlazon;
        PartRecord& part = b.Parts[std::size_t(hit.part)];
        const bool pieceKeepsArms = hit.part == kFirstOrderZone && b.Ordinary1.Type != kChef &&
                                    b.Ordinary1.Type != kEcusson;
        if (!pieceKeepsArms) part.InsertedPath.clear();
        if (tincture != 0) {
            part.Tincture = tincture;
            part.Kind = TinctureClass(tincture);
        } else {
            part.Tincture = fur;
            part.Kind = fur;
        }
    });
}

EditOutcome ChoosePartition(Workspace& ws, Renderer& r, Long partition, UndoStep undo) {
    return ApplyEdit(ws, r, undo, [&] { ws.CurrentBlazon.Partition = partition; });
}

EditOutcome ChooseShape(Workspace& ws, Renderer& r, ShapeOf which, Long shape) {
    if (shape < kShapeClassique || shape > kShapeCount) return NothingDone();
    return ApplyEdit(ws, r, UndoStep::Take, [&] {
        BlazonRecord& b = ws.CurrentBlazon;
        (which == ShapeOf::Escutcheon ? b.InsetShape : b.ShieldShape) = shape;
    });
}

EditOutcome ShiftFirstOrder(Workspace& ws, Renderer& r, int shift) {
    return ApplyEdit(ws, r, UndoStep::Take, [&] {
        if (shift >= -1 && shift <= 1) ws.CurrentBlazon.Ordinary1.Shift = Integer(shift);
    });
}

}  // namespace tess
