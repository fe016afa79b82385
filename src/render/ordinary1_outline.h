#pragma once

#include <array>

#include "model/piece_types.h"
#include "model/records.h"
#include "platform/surface.h"
#include "render/ordinary_pictures.h"

namespace tess {

// What a first-order type does with its size and shift.
struct Ordinary1Settings {
    int ReducedPicHeight = 63;  // how much of the size picture the window shows
    int ShiftX = 0;             // offsets per unit of shift
    int ShiftY = 0;
};
Ordinary1Settings ordinary1Settings(Long type);

// The seeds of a piece drawn by its outline, on the work surface (465 x 540,
// shield at (100, 100)): two inside the piece, three in the field beside it.
struct Ordinary1Seeds {
    std::array<SeedPoint, 2> Piece;
    std::array<SeedPoint, 3> Field;
};

// One heraldic edge of a bande or barre drawn at a size of 0 or above, as the
// line engine takes it, with a field seed on its far side (work coordinates).
struct BendEdge {
    int X1, Y1, X2, Y2;
    bool EdgeFlag;
    int Direction;
    SeedPoint Field;
};
// The lower edge of a bande first, the upper edge of a barre first.
std::array<BendEdge, 2> bendEdges(const OrdinaryRecord& piece);
// The seeds of a bande or barre, whatever its size.
Ordinary1Seeds bendSeeds(const OrdinaryRecord& piece);

// Draws the edges of a Chef, Pal, Fasce, Bande, Barre or Chevron on the work
// surface in the line colour (the heraldic ones through the line engine) and
// gives the seeds the piece is found from. `piece.Size` is the settled size.
Ordinary1Seeds drawOrdinary1Outline(Surface& work, const OrdinaryRecord& piece,
                                    const LineStyle& line);

}  // namespace tess
