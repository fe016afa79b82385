#pragma once

#include <string>

#include "model/records.h"

namespace tess {

struct Workspace;
struct ImageBankEntry;
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
// caller has filled), else the first free one. Pushes the undo stack once the
// record is marked in use, without the title's mark but setting the modified
// flag. A picture not yet in the bank is imported; a new charge takes the
// picture's size, own tincture and no mirroring. Its layers are prepared.
// False, with the user told and nothing changed, when all fifty charges are in
// use or the bank cannot take the picture. The caller redraws after true.
bool AddCharge(Workspace& ws, ChargeSurfaces& surfaces, const OverlayBox& overlay, int slot = 0);

// Gives the charge a tincture 1..11 and recolours its working picture. No
// redraw. False (nothing changed) for a tincture or charge out of range.
bool SetChargeTincture(Workspace& ws, ChargeSurfaces& surfaces, int charge, int tincture);

// The bank entry a charge shows, or null when it has none (no slot, a slot out
// of range, or a picture no longer in the bank). Drawing, hit tests and the
// blazon skip such charges instead of reading a freed entry.
const ImageBankEntry* chargePicture(const Workspace& ws, int charge);

// The first charge number whose record is not in use; 0 when all fifty are.
int firstFreeCharge(const BlazonRecord& blazon);

// The charge under the shield point (x, y), 0 when none: among charges in use
// whose box holds the point strictly inside, the smallest box (areas compared
// exactly), the lower number on equal areas. A record marked in use without a
// picture is freed on the way, as an undone placing can leave one.
Byte ChargeAtPoint(Workspace& ws, int x, int y);

}  // namespace tess
