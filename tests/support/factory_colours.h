#pragma once

#include <array>

#include "platform/colour.h"

namespace tess::testing {

// The eleven factory colours (0x00BBGGRR) and names, written out by hand: the
// program's own table must agree with them, so a mistyped colour shows in the
// swatches, the fields and the colour file rather than passing unseen.
struct FactoryTincture {
    Colour colour;
    const char* name;
};
inline constexpr std::array<FactoryTincture, 11> kFactoryTinctures = {{
    {0x00FFFF, "Or"},
    {0xFFFFFF, "Argent"},
    {0x0000FF, "Gueules"},
    {0xFF0000, "Azur"},
    {0x008000, "Sinople"},
    {0x000000, "Sable"},
    {0x0080FF, "Orangé"},
    {0x000080, "Sanguine"},
    {0x004080, "Brun"},
    {0x800080, "Pourpre"},
    {0x80FFFF, "Bis"},
}};

}  // namespace tess::testing
