#pragma once

#include "model/records.h"

namespace tess {

// The changes a redraw makes to the document itself, before it draws. Each is
// a rule of the arms, not of the drawing: running one twice changes nothing.

// A repeated first-order piece is never shifted: its shift goes back to 0.
void ResetShiftOfRepeatedPiece(BlazonRecord& b);

// A part laid with a user fur is blazoned in its fur's dominant tincture (its
// drawing stays the fur).
void GiveUserFurPartsTheirFurTincture(BlazonRecord& b);

}  // namespace tess
