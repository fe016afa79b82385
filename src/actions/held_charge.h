#pragma once

#include "actions/edit_outcome.h"

namespace tess {

struct Workspace;
class Renderer;

// Empties charge record n (1..50) and drops its recolouring layers; any other
// number is ignored. Placement, mirroring and group stay as they were.
void ClearCharge(Workspace& ws, Renderer& r, int n);

// The group of the charge held in the overlay, 0 when it has none or when no
// charge is held: the window asks about the group before deleting.
int HeldChargeGroup(const Workspace& ws);

// Deletes the held charge as one undo step: with `wholeGroup` every member of
// its group goes and the group ends; otherwise the charge alone leaves its
// group. Nothing is held afterwards. Without a held charge (a new picture,
// or nothing) the document does not change: not done.
EditOutcome DeleteHeldCharge(Workspace& ws, Renderer& r, bool wholeGroup);

}  // namespace tess
