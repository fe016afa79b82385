#include "actions/insert_arms_command.h"

#include "actions/apply_edit.h"
#include "model/document.h"
#include "model/workspace.h"

namespace tess {

InsertOutcome InsertArmsCommand(Workspace& ws, Renderer& r, int part,
                                const std::function<std::string()>& chooseDocument,
                                const FileDialogs& dialogs) {
    if (!PartCanHoldBlazon(ws.CurrentBlazon, part)) return {};
    // The step comes before the file is chosen and stays when nothing follows.
    SetUndos(ws);
    InsertOutcome out;
    const std::string path = chooseDocument ? chooseDocument() : std::string();
    if (!path.empty()) out = InsertBlazonFromFile(ws, r, part, path, dialogs);
    out.changed = true;
    return out;
}

}  // namespace tess
