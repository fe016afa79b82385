#pragma once

#include <string>

#include "storage/file_message.h"

namespace tess {

struct Workspace;
class ChargeSurfaces;

// The selected-charge overlay as placing reads it: its box on the canvas and
// its tag, the picture's path or file name (its file name finds the bank slot).
struct OverlayBox {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    std::string Tag;
};

// Places a charge showing the overlay's picture at the overlay's top-left
// corner: charge `slot` when 1..50 (a held charge put back, whose record the
// caller has filled), else the first free one, which starts blank and leaves
// any group still listing it (unless it is the held charge's). Takes its undo
// step with the modified mark (SetUndos) once the record is marked in use,
// before its box is written; the held charge's record goes into that copy as
// the caller filled it. A picture not yet in the bank is imported; a new
// charge takes the picture's size, own tincture and no mirroring. Its layers are prepared
// unless those it has were made from the same picture, tincture and colour.
// False, with nothing changed, when all fifty charges are in use, the bank
// cannot take the picture, or a new charge would take the document past its
// picture budget; what the user must be told is left in `refusal` when given.
// The caller redraws after true.
bool AddCharge(Workspace& ws, ChargeSurfaces& surfaces, const OverlayBox& overlay, int slot = 0,
               FileMessage* refusal = nullptr);

// What the user is told when a charge is refused because all fifty records
// are in use.
FileMessage chargesFullMessage();

// Gives the charge a tincture 1..11 and recolours its working picture. No
// redraw. False (nothing changed) for a tincture or charge out of range.
bool SetChargeTincture(Workspace& ws, ChargeSurfaces& surfaces, int charge, int tincture);

}  // namespace tess
