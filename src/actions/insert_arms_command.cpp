#include "actions/insert_arms_command.h"

#include "model/document.h"
#include "model/workspace.h"

namespace tess {

InsertOutcome InsertArmsCommand(Workspace& ws, Renderer& r, int part,
                                const std::function<std::string()>& chooseDocument,
                                const FileDialogs& dialogs) {
    if (!PartCanHoldBlazon(ws.CurrentBlazon, part)) return {};
    PushUndo(ws);
    ws.Modified = true;
    const std::string path = chooseDocument ? chooseDocument() : std::string();
    if (path.empty()) return {};
    return InsertBlazonFromFile(ws, r, part, path, dialogs);
}

}  // namespace tess
