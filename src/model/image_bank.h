#pragma once

#include <array>
#include <string>

#include "model/records.h"

namespace tess {

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

// The first slot in use whose file name equals `fileName`; 0 when none.
int findBankSlot(const ImageBank& bank, const std::string& fileName);

// The program folder's temporary copy of the picture in `slot`.
std::string bankTempCopyPath(int slot);

// A picture's list text: its file name less the last four characters (the
// extension), or the whole name when it has four characters or fewer.
std::string pictureDisplayName(const std::string& fileName);

}  // namespace tess
