#pragma once

#include <array>
#include <cstdint>

#include "platform/colour.h"

namespace tess {

// The six hatch styles of the drawing layer, as 8x8 one-bit patterns: set bits
// paint black, clear bits leave the pixel untouched.
enum class HatchStyle {
    Horizontal,
    Vertical,
    ForwardDiagonal,
    BackwardDiagonal,
    Cross,
    DiagonalCross
};

// How a fill paints a pixel. The pattern's phase is the surface's own (0,0):
// pixel (x, y) takes pattern cell (x mod 8, y mod 8).
struct Brush {
    enum class Kind { Solid, Hollow, Hatch, Pattern };
    Kind kind = Kind::Hollow;
    Colour colour = kBlack;                     // Solid, and the lines of a hatch
    HatchStyle hatch = HatchStyle::Horizontal;  // Hatch
    std::array<Colour, 64> pattern{};           // Pattern: row-major 8x8 colours

    static Brush solid(Colour c) {
        Brush b;
        b.kind = Kind::Solid;
        b.colour = c;
        return b;
    }
    static Brush hollow() { return Brush{}; }
    static Brush hatched(HatchStyle s, Colour lines = kBlack) {
        Brush b;
        b.kind = Kind::Hatch;
        b.hatch = s;
        b.colour = lines;
        return b;
    }
    static Brush patterned(const std::array<Colour, 64>& cells) {
        Brush b;
        b.kind = Kind::Pattern;
        b.pattern = cells;
        return b;
    }
};

// The 8x8 bit pattern of a hatch style: bit (7 - x) of row y set means black.
std::array<std::uint8_t, 8> hatchBits(HatchStyle style);

}  // namespace tess
