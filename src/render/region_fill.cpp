#include "render/region_fill.h"

#include <array>
#include <cstdint>

#include "model/tincture_table.h"
#include "model/workspace.h"

namespace tess {

namespace {

// The three dotted hatchings, 8 x 8, a set bit (from the left, bit 7) black.
constexpr std::array<std::uint8_t, 8> kOrDots = {0x88, 0, 0, 0, 0x88, 0, 0, 0};
constexpr std::array<std::uint8_t, 8> kOrangeDashes = {0x8E, 0, 0, 0, 0xE8, 0, 0, 0};
constexpr std::array<std::uint8_t, 8> kBisGrid = {0x88, 0x55, 0, 0x55, 0x88, 0x55, 0, 0x55};

Brush patternBrush(const std::array<std::uint8_t, 8>& rows) {
    std::array<Colour, 64> cells{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) cells[y * 8 + x] = (rows[y] >> (7 - x)) & 1 ? kBlack : kWhite;
    return Brush::patterned(cells);
}

}  // namespace

Brush hatchBrushOfTincture(int tincture) {
    switch (tincture) {
        case 1:
            return patternBrush(kOrDots);
        case 2:
            return Brush::hollow();
        case 3:
            return Brush::hatched(HatchStyle::Vertical);
        case 4:
            return Brush::hatched(HatchStyle::Horizontal);
        case 5:
            return Brush::hatched(HatchStyle::ForwardDiagonal);
        case 7:
            return patternBrush(kOrangeDashes);
        case 8:
            return Brush::hatched(HatchStyle::Cross);
        case 9:
            return Brush::hatched(HatchStyle::DiagonalCross);
        case 10:
            return Brush::hatched(HatchStyle::BackwardDiagonal);
        case 11:
            return patternBrush(kBisGrid);
        default:
            return Brush::solid(kBlack);  // Sable, and a colour of no tincture
    }
}

void FillRegion(Workspace& ws, Surface& surface, int x, int y, Colour colour) {
    if (!ws.PrintBlackWhite) {
        surface.floodSurface(x, y, Brush::solid(colour));
        return;
    }
    const Brush hatch = hatchBrushOfTincture(FindTinctureByColour(ws.Tinctures, colour));
    if (hatch.kind == Brush::Kind::Solid || hatch.kind == Brush::Kind::Pattern) {
        // These paint every pixel of the region: one flood does it.
        surface.floodSurface(x, y, hatch);
        return;
    }
    surface.floodSurface(x, y, Brush::solid(kWhite));
    if (hatch.kind == Brush::Kind::Hatch) surface.floodSurface(x, y, hatch);
}

}  // namespace tess
