#pragma once

#include "model/records.h"

namespace tess {

struct Workspace;
class Renderer;

// Brings the renderer's inserted-arms and user-fur pictures in line with the
// record they are drawn for. Each such picture is tagged with the file it was
// made from, and a record brought back by an undo may name another file than
// the picture shows (arms X inserted, then Y in the same part, then undone).
// A part 1..4 or 7 whose record names other arms than its picture has the
// picture read again from those arms' document, as insertion reads it; when
// that fails the part forgets the arms and shows its own tincture, as when a
// document is opened without the arms' picture, so no wrong picture is ever
// drawn or saved as the part's side file. A user-fur slot whose record names
// another fur file is loaded again from it (LoadUserFurPattern). Pictures the
// record no longer names are dropped. Files are read only where a tag differs.
void MatchDocumentPictures(Workspace& ws, Renderer& r);

// The part no longer holds a coat of arms and shows its own tincture again.
void forgetInsertedArms(PartRecord& part);

}  // namespace tess
