#pragma once

#include "actions/redraw_result.h"
#include "model/records.h"

namespace tess {

struct Workspace;
class Renderer;

// What a drop of a tincture or a fur on the canvas came to.
enum class CanvasDropOutcome {
    Refused,     // nothing changed: a fur over a charge, a stale charge hit, no payload
    Recoloured,  // the charge under the point took the tincture
    Dressed,     // the part under the point took the tincture or fur
    OnLine,      // no part there (a line): an undo step and the mark, nothing else
};

// Whether a drag carrying `tincture` (1..11) or `fur` (108..119; one of
// the two is 0) may be dropped at the canvas point: a fur never over a charge.
bool CanvasDropAccepted(const Renderer& r, int tincture, int fur, double x, double y);

// Drops a tincture or a fur at the canvas point, as one undo step. A tincture
// over a charge recolours the charge and leaves the part under it alone;
// otherwise the part found on the part map takes it (and loses the coat of
// arms inserted into it, except the first-order zone of a piece that cannot
// hold one). A point on a line takes the undo step and the mark and changes
// nothing else: the caller tells the user. The redraw's result is in `shown`
// unless the outcome is Refused or OnLine.
CanvasDropOutcome DropOnCanvas(Workspace& ws, Renderer& r, int tincture, int fur, double x,
                               double y, RedrawResult& shown);

// The partition chosen from the keyboard: no undo step, the document marked
// modified, redrawn.
RedrawResult ChoosePartition(Workspace& ws, Renderer& r, Long partition);

// A click on the shift zones: always one undo step (also between the bands),
// then the first-order piece's shift when `shift` is -1, 0 or 1 (any other
// value leaves it), redrawn.
RedrawResult ShiftFirstOrder(Workspace& ws, Renderer& r, int shift);

// The class a tincture 1..11 gives a part: metal, pourpre or colour.
Long TinctureClass(Long tincture);

}  // namespace tess
