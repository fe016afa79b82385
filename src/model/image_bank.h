#pragma once

#include <array>
#include <string>

#include "model/records.h"

namespace tess {

struct Workspace;
class ChargeSurfaces;

inline constexpr int kImageBankSize = 255;
// The transparent colour a freshly taken slot holds until a picture comes.
inline constexpr Long kBankBlankKey = 0xC0C0C0;

// One bank picture. Its picture and mask surfaces belong to the renderer, keyed
// by slot (`ChargeSurfaces`).
struct ImageBankEntry {
    Integer InUse = 0;
    std::string FileName;     // the picture's file name (a document's side file once loaded)
    std::string DisplayName;  // the image-bank list's text
    std::string Phrase;       // its blazon expression
    Integer Height = 0;
    Integer Width = 0;
    Integer Loaded = 0;
    Long OwnTincture = 0;  // tincture 1..11 of its dominant colour
    Long OwnClass = 0;     // 22 for Or and Argent, else 33
    Long KeyColour = kBankBlankKey;
};

// Slots 1..255 (element 0 unused).
using ImageBank = std::array<ImageBankEntry, kImageBankSize + 1>;

// Takes the first free slot: in use, not loaded, blank key, no name or phrase
// left from an earlier picture, its old surfaces released. 0 when all 255 are
// taken.
int AllocImageSlot(Workspace& ws, ChargeSurfaces& surfaces);

// Imports the picture file `path` into a new slot and returns the slot (0 when
// the bank is full or the file is no readable picture; the user has been told).
// Pixels of the transparent colour `key` (negative: the top-left pixel's) turn
// black in the picture and white in the mask, every other pixel is figure. The
// picture's own tincture is that of its most frequent figure colour; a colour
// no tincture has is repainted in Or. While the document has never been saved,
// the file is also copied to "PicN.tmp" in the program folder. When `charge`
// is 1..50 that charge is given the slot.
int AddImageToBank(Workspace& ws, ChargeSurfaces& surfaces, const std::string& path, int charge,
                   Long key);

// The first slot in use whose file name equals `fileName`; 0 when none.
int findBankSlot(const ImageBank& bank, const std::string& fileName);

// Gives a slot back (the picture delete command): not in use, no file name,
// surfaces released, and its "PicN.tmp" deleted while the document has no
// folder. The caller has checked that no charge shows it.
void ReleaseImageSlot(Workspace& ws, ChargeSurfaces& surfaces, int slot);

// The program folder's temporary copy of the picture in `slot`.
std::string bankTempCopyPath(int slot);

// A picture's list text: its file name less the last four characters (the
// extension), or the whole name when it has four characters or fewer.
std::string pictureDisplayName(const std::string& fileName);

}  // namespace tess
