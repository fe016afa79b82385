#pragma once

#include "actions/apply_edit.h"
#include "model/records.h"

namespace tess {

struct Workspace;
class Renderer;

// Whether a drag carrying `tincture` (1..11) or `fur` (108..119; one of
// the two is 0) may be dropped at the canvas point: a fur never over a charge.
bool CanvasDropAccepted(const Renderer& r, int tincture, int fur, double x, double y);

// Drops a tincture or a fur at the canvas point, as one undo step. A tincture
// over a charge recolours the charge and leaves the part under it alone;
// otherwise the part found on the part map takes it (and loses the coat of
// arms inserted into it, except the first-order zone of a piece that cannot
// hold one). A point on a line keeps the undo step and the mark, taken before
// the target was known, changes nothing else and tells the user. Not done,
// with nothing changed, when the drop is refused (a fur over a charge, a stale
// charge hit, no payload).
EditOutcome DropOnCanvas(Workspace& ws, Renderer& r, int tincture, int fur, double x, double y);

// The partition: from the toolbar with an undo step (also when it is already
// the one chosen), from the keyboard without one; the document is marked
// modified either way and redrawn.
EditOutcome ChoosePartition(Workspace& ws, Renderer& r, Long partition, UndoStep undo);

// The shape choosers: the shield's shape or the escutcheon's, 1..7, as one
// undo step, also when it is already that shape. Any other value is the
// chooser's empty cell: nothing happens.
enum class ShapeOf { Shield, Escutcheon };
EditOutcome ChooseShape(Workspace& ws, Renderer& r, ShapeOf which, Long shape);

// A click on the shift zones: always one undo step (also between the bands),
// then the first-order piece's shift when `shift` is -1, 0 or 1 (any other
// value leaves it), redrawn.
EditOutcome ShiftFirstOrder(Workspace& ws, Renderer& r, int shift);

// The class a tincture 1..11 gives a part: metal, pourpre or colour.
Long TinctureClass(Long tincture);

}  // namespace tess
