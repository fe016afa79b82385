#include "actions/apply_edit.h"

#include "model/document.h"
#include "model/workspace.h"
#include "actions/redraw_shield.h"

namespace tess {

RedrawResult ApplyEdit(Workspace& ws, Renderer& r, UndoStep undo,
                       const std::function<void()>& change) {
    if (undo == UndoStep::Take) PushUndo(ws);
    change();
    ws.Modified = true;
    return RedrawShield(ws, r);
}

}  // namespace tess
