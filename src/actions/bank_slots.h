#pragma once

#include <string>

#include "model/image_bank.h"
#include "storage/file_message.h"

namespace tess {

struct Workspace;
class ChargeSurfaces;

// Takes the first free slot: in use, not loaded, blank key, no name or phrase
// left from an earlier picture, its old surfaces released. 0 when all 255 are
// taken.
int AllocImageSlot(Workspace& ws, ChargeSurfaces& surfaces);

// Imports the picture file `path` into a new slot and returns the slot (0 when
// the bank is full, the file is no readable picture, or the picture with one
// charge would take the document past its picture budget: what the user must
// be told is left in `refusal` when given).
// Pixels of the transparent colour `key` (negative: the top-left pixel's) turn
// black in the picture and white in the mask, every other pixel is figure. The
// picture's own tincture is that of its most frequent figure colour; a colour
// no tincture has is repainted in Or. While the document has never been saved,
// the file is also copied to "PicN.tmp" in the program folder. When `charge`
// is 1..50 that charge is given the slot.
int AddImageToBank(Workspace& ws, ChargeSurfaces& surfaces, const std::string& path, int charge,
                   Long key, FileMessage* refusal = nullptr);

// Gives a slot back (the picture delete command): not in use, no file name,
// surfaces released, and its "PicN.tmp" deleted while the document has no
// folder. The caller has checked that no charge shows it.
void ReleaseImageSlot(Workspace& ws, ChargeSurfaces& surfaces, int slot);

}  // namespace tess
