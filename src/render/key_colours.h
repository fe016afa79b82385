#pragma once

#include <array>

#include "model/part_zones.h"
#include "model/records.h"
#include "platform/colour.h"

namespace tess {

// The colours of the hidden key maps: one per part record (1..4 the field's
// parts, 5 the second-order piece's zone, 6 charges over several parts and never
// painted, 7 the first-order piece's zone). Element 0 is unused.
inline constexpr std::array<Colour, kPartCount + 1> kPartKeyColours = {
    0, 0xFFFF00u, 0x808000u, 0x800000u, 0x00FF00u, 0x008080u, 0x800080u, 0xC0C0C0u};

// Every partition and piece line on the key maps; it matches no part.
inline constexpr Colour kLineColour = 0x808080u;

// The part record whose key colour this is, 0 for none (a line, a margin).
constexpr int partOfKeyColour(Colour c) {
    for (int k = 1; k <= kPartCount; ++k)
        if (kPartKeyColours[k] == c) return k;
    return 0;
}

}  // namespace tess
