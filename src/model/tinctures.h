#pragma once

#include <array>
#include <string>

#include "model/records.h"

namespace tess {

// Tincture classes carried by parts, charges and bank pictures.
inline constexpr Long kClassMetal = 22;
inline constexpr Long kClassPourpre = 31;
inline constexpr Long kClassColour = 33;
inline constexpr Long kClassInserted = 34;
inline constexpr Long kFirstBuiltInFur = 108;
inline constexpr Long kLastBuiltInFur = 115;
inline constexpr Long kFirstUserFur = 116;
inline constexpr Long kLastUserFur = 119;
inline constexpr int kTinctureCount = 11;

struct TinctureEntry {
    Long DefaultColour = 0;
    Long Colour = 0;
    std::string Name;
};

// Tinctures 1..11 (element 0 unused).
using TinctureTable = std::array<TinctureEntry, kTinctureCount + 1>;

}  // namespace tess
