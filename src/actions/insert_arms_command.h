#pragma once

#include <functional>
#include <string>

#include "actions/insert_blazon.h"
#include "storage/file_dialogs.h"

namespace tess {

struct Workspace;
class Renderer;

// The zone of the first-order piece, where the chief or the escutcheon takes
// an inserted coat of arms.
inline constexpr int kFirstOrderZone = 7;

// "Insérer un blason" for part 1..4 or the first-order zone: nothing at all
// when the part cannot hold a coat of arms; else an undo step and the modified
// mark, then the document is chosen (`chooseDocument` gives its path, empty
// when cancelled), a missing preview beside it is asked for, and the coat of
// arms goes into the part. A cancel or a declined search keeps the undo step
// and the mark, as the command always did: the outcome says changed.
InsertOutcome InsertArmsCommand(Workspace& ws, Renderer& r, int part,
                                const std::function<std::string()>& chooseDocument,
                                const FileDialogs& dialogs);

}  // namespace tess
