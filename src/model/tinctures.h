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

// The built-in furs' codes, stored as a part's class and tincture.
inline constexpr Long kContreHermineArgentAzur = 108;
inline constexpr Long kContreHermineOrSinople = 109;
inline constexpr Long kVair = 110;
inline constexpr Long kHermine = 111;
inline constexpr Long kContreHermineOrSable = 112;
inline constexpr Long kContreVair = 113;
inline constexpr Long kContreHermine = 114;
inline constexpr Long kVairEnPal = 115;
inline constexpr int kBuiltInFurCount = int(kLastBuiltInFur - kFirstBuiltInFur + 1);

// Tincture numbers 1 (Or) .. 11 (Bis); their names are in tincture_table.h.
constexpr bool isTincture(Long t) {
    return t >= 1 && t <= kTinctureCount;
}
// A fur code: built in (108..115) or a user fur slot's (116..119).
constexpr bool isFurCode(Long code) {
    return code >= kFirstBuiltInFur && code <= kLastUserFur;
}
constexpr bool isBuiltInFur(Long code) {
    return code >= kFirstBuiltInFur && code <= kLastBuiltInFur;
}
constexpr bool isUserFur(Long code) {
    return code >= kFirstUserFur && code <= kLastUserFur;
}

struct TinctureEntry {
    Long DefaultColour = 0;
    Long Colour = 0;
    std::string Name;
};

// Tinctures 1..11 (element 0 unused).
using TinctureTable = std::array<TinctureEntry, kTinctureCount + 1>;

}  // namespace tess
