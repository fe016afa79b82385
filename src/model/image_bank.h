#pragma once

#include <array>
#include <string>

#include "model/records.h"

namespace tess {

inline constexpr int kImageBankSize = 255;

// One bank picture. Its picture and mask surfaces belong to the renderer, keyed
// by slot.
struct ImageBankEntry {
    Integer InUse = 0;
    std::string FileName;
    std::string DisplayName;
    std::string Phrase;
    Integer Height = 0;
    Integer Width = 0;
    Integer Loaded = 0;
    Long OwnTincture = 0;
    Long OwnClass = 0;
    Long KeyColour = 0xC0C0C0;
};

// Slots 1..255 (element 0 unused).
using ImageBank = std::array<ImageBankEntry, kImageBankSize + 1>;

}  // namespace tess
