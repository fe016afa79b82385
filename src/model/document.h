#pragma once

#include "model/records.h"
#include "model/workspace.h"

namespace tess {

// Makes the document new and empty: the blank coat of arms, no charge held or
// placed, no user fur, no picture in the list or the bank, no charge group,
// and every undo slot holding that blank state. Neither redraws nor touches
// `ws.Modified`: each caller redraws and decides the title itself. The
// windows are the caller's: it lets go of what they held of the old document
// (the overlay, a copy of one of its charges, the picture list), and the
// redraw hides the user-fur swatches.
void ResetDocument(Workspace& ws);

// Copies the current record onto the undo stack (slot 1 newest); the copy in
// slot 25 is lost. While a charge is held the copy keeps that charge's record
// as `ws.HeldUndoRecord` says. Leaves `ws.Modified` alone: the window's push
// marks it.
void PushUndo(Workspace& ws);

// Brings back the newest copy; the others move up one slot and slot 25 keeps
// its copy, so undoing past the oldest keeps returning it. Restores the record
// only (not the bank, the groups or the charge layers), keeps the document's
// current `Folder` and `FilePath`, frees a charge record the copy shows in use
// without a picture (an undone placing), and leaves `ws.Modified` alone. The
// caller redraws.
void UndoLast(Workspace& ws);

// Whether a saved coat of arms may be inserted into part zone `part` (1..7).
bool PartCanHoldBlazon(const BlazonRecord& blazon, int part);

// Whether the piece of order `which` (1 or 2) may be narrowed to a line.
bool OrdinaryCanBeNarrowed(const BlazonRecord& blazon, int which);

}  // namespace tess
