#include "render/region_fill.h"

#include "model/tincture_table.h"
#include "model/workspace.h"
#include "resources/pictures.h"

namespace tess {

Brush hatchBrushOfTincture(int tincture) {
    using enum HatchStyle;
    switch (tincture) {
        case 1:   // Or: dots
        case 7:   // Orangé: dots and dashes
        case 11:  // Bis: a dot grid
            return Brush::patterned(hatchPattern(tincture));
        case 2:
            return Brush::hollow();  // Argent stays white
        case 3:
            return Brush::hatched(Vertical);
        case 4:
            return Brush::hatched(Horizontal);
        case 5:
            return Brush::hatched(ForwardDiagonal);
        case 8:
            return Brush::hatched(Cross);
        case 9:
            return Brush::hatched(DiagonalCross);
        case 10:
            return Brush::hatched(BackwardDiagonal);
        default:
            return Brush::solid(kBlack);  // Sable, and a colour of no tincture
    }
}

void FillRegion(Workspace& ws, Surface& surface, int x, int y, Colour colour) {
    if (!ws.PrintBlackWhite) {
        surface.floodSurface(x, y, Brush::solid(colour));
        return;
    }
    HatchRegion(surface, x, y, hatchBrushOfTincture(FindTinctureByColour(ws.Tinctures, colour)));
}

void HatchRegion(Surface& surface, int x, int y, const Brush& hatch) {
    if (hatch.kind == Brush::Kind::Solid || hatch.kind == Brush::Kind::Pattern) {
        // These paint every pixel of the region: one flood does it.
        surface.floodSurface(x, y, hatch);
        return;
    }
    surface.floodSurface(x, y, Brush::solid(kWhite));
    if (hatch.kind == Brush::Kind::Hatch) surface.floodSurface(x, y, hatch);
}

}  // namespace tess
