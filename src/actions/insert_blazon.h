#pragma once

#include <optional>
#include <string>

#include "actions/redraw_result.h"
#include "platform/surface.h"
#include "storage/file_dialogs.h"
#include "storage/file_message.h"

namespace tess {

struct Workspace;
class Renderer;

struct InsertOutcome {
    bool inserted = false;
    // The document, its undo stack or its mark changed: the part took the
    // coat of arms, or the insert command took its undo step.
    bool changed = false;
    FileMessage message;  // empty when inserted or when nothing was to be done
    RedrawResult redraw;  // valid when inserted
};

// Puts the saved coat of arms `path` into part 1..4 or 7: the part holds it
// (class 34, its path), the écusson takes the document's shield shape, and the
// part shows the document's preview (its own shape in part 7, the banner shape
// elsewhere); then redraws. The file is checked (a plain file, a document, a
// shape 1..7, a preview that loads) before the part changes: a path where
// nothing stands does nothing, anything else wrong (a link to nothing
// included) leaves the part as it was with a message. Arms stand outside the
// document's picture budget (model/picture_budget.h).
InsertOutcome InsertBlazonInPart(Workspace& ws, Renderer& r, int part, const std::string& path);

// The picture part 1..4 or 7 shows for the saved coat of arms `path`, read
// and checked as InsertBlazonInPart reads it; none when that would refuse it.
std::optional<Surface> LoadInsertedArmsPicture(const std::string& path, int part);

// The insert command once its document is chosen: a file that is not a
// document (or no file at all: a pipe, a device) is refused with its message
// first; a preview missing beside a document is asked for (declined: nothing
// happens), then InsertBlazonInPart with the document's own path.
InsertOutcome InsertBlazonFromFile(Workspace& ws, Renderer& r, int part, const std::string& path,
                                   const FileDialogs& dialogs);

}  // namespace tess
