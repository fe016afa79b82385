#pragma once

namespace tess {

struct Workspace;

// The held charge's group follows the held charge while it is carried: the
// members' records move at once and show at the next redraw. None of these
// takes an undo step (the held charge's commit takes it); a move that changes
// a member's record marks the document modified, the packing does not.

// Packs the held charge's group so its members come first, up to its count;
// nothing without a held, grouped charge.
void CompactHeldChargeGroup(Workspace& ws);

// Moves every member of the held charge's group by (dx, dy) and gives each the
// overlay's size (rounded); nothing without a held, grouped charge.
void MoveHeldChargeGroup(Workspace& ws, int dx, int dy, double width, double height);

// The alignment strip put the held charge's box at (left, top), `width` x
// `height`: every member of its group moves by the box's offset from the held
// charge's record and takes the box's size, each rounded to whole pixels.
void AlignHeldChargeGroup(Workspace& ws, double left, double top, double width, double height);

}  // namespace tess
