#pragma once

#include <array>

#include "model/piece_types.h"
#include "model/records.h"
#include "platform/surface.h"
#include "render/ordinary_pictures.h"

namespace tess {

// Seeds of the second-order piece on the 265 x 340 key surface: one inside the
// piece, up to four in the field beside it.
struct Ordinary2Seeds {
    SeedPoint Piece;
    std::array<SeedPoint, 4> Field;
    int FieldCount = 0;
};

// Draws the piece's lines in the line colour (the dextre, senestre and
// champagne edges through the line engine, the rest plain) and gives its
// seeds. `piece.Size` is the settled size.
Ordinary2Seeds drawOrdinary2Outline(Surface& work, const OrdinaryRecord& piece,
                                    const LineStyle& line);

}  // namespace tess
