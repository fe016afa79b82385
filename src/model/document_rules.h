#pragma once

#include "model/placements.h"
#include "model/records.h"

namespace tess {

struct Workspace;

// The changes a redraw makes to the document itself. Each is a rule of the
// arms, not of the drawing: running one twice changes nothing. The redraw runs
// them in the order they stand here, between its drawing steps.

// A repeated first-order piece is never shifted: its shift goes back to 0.
void ResetShiftOfRepeatedPiece(BlazonRecord& b);

// A part laid with a user fur is blazoned in its fur's dominant tincture (its
// drawing stays the fur).
void GiveUserFurPartsTheirFurTincture(BlazonRecord& b);

// The width a diminished first-order piece of this type is drawn at, and the
// line depth a deeper line is brought back to so the teeth of both edges never
// meet; 0, 0 for a piece whose size stays as stored.
struct DiminishedWidth {
    Integer Size = 0;
    Integer ClampedDepth = 0;
};
DiminishedWidth diminishedWidthOf(Long type);

// Pieces present take their settled size: a diminished first-order piece its
// fixed width (its zone's line depth kept below it), a diminished pairle,
// sautoir or croix 22. The second-order piece is settled first.
void SettlePieceSizes(BlazonRecord& b);

// The écusson takes the shield's shape unless its zone holds an inserted coat
// of arms (which keeps the shape it was saved with). The redraw applies it when
// it draws a present écusson.
void EcussonFollowsShieldShape(BlazonRecord& b);
bool drawsEcusson(const BlazonRecord& b);

// Every charge in use with a picture takes the placement code the redraw found
// for it (`placements[n]`, one per charge), and the zones' charge lists are
// rebuilt in charge order. Charges out of use keep their old placement and are
// in no list.
void GiveChargesTheirPlacements(Workspace& ws, const ChargePlacements& placements);

// Charges about to be drawn (in use, with a picture, in a drawn layer) are
// classed by their tincture (Or and Argent metal, the rest colour); those whose
// box lies wholly off the canvas are taken out of use. Judged on the box as
// drawn: a large charge partly on the canvas stays, however small its picture.
void ClassDrawnChargesAndTakeOutOffCanvas(Workspace& ws);

}  // namespace tess
