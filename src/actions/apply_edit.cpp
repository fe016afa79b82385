#include "actions/apply_edit.h"

#include "actions/charge_edits.h"
#include "actions/redraw_shield.h"
#include "model/document.h"
#include "model/workspace.h"

namespace tess {

EditOutcome ApplyEdit(Workspace& ws, Renderer& r, UndoStep undo,
                      const std::function<void()>& change) {
    if (undo == UndoStep::Take) SetUndos(ws);
    change();
    ws.Modified = true;
    return RedrawnChange(ws, r);
}

EditOutcome RedrawnChange(Workspace& ws, Renderer& r) {
    EditOutcome out;
    out.done = true;
    out.changed = true;
    out.redraw = RedrawShield(ws, r);
    return out;
}

void SetUndos(Workspace& ws) {
    PushUndo(ws);
    ws.Modified = true;
}

EditOutcome UndoLastEdit(Workspace& ws, Renderer& r) {
    // The overlay never keeps a record the undo copy puts back on the shield.
    LetGoOfHeldCharge(ws);
    UndoLast(ws);
    return RedrawnChange(ws, r);
}

}  // namespace tess
