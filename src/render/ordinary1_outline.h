#pragma once

#include <array>

#include "model/records.h"
#include "platform/surface.h"
#include "render/ordinary_pictures.h"

namespace tess {

// First-order piece types.
inline constexpr Long kChef = 1;
inline constexpr Long kPal = 2;
inline constexpr Long kFasce = 3;
inline constexpr Long kBande = 4;
inline constexpr Long kBarre = 5;
inline constexpr Long kChevron = 6;
inline constexpr Long kOrle = 7;
inline constexpr Long kBordure = 8;
inline constexpr Long kEcusson = 9;

constexpr bool isOrdinary1Type(Long type) {
    return type >= kChef && type <= kEcusson;
}

// What a first-order type does with its size and shift.
struct Ordinary1Settings {
    int ReducedPicHeight = 63;   // how much of the size picture the window shows
    Integer DiminishedSize = 0;  // what a positive size becomes; 0: it stays
    Integer ClampedDepth = 0;    // a line depth at or above that size becomes this
    int ShiftX = 0;              // offsets per unit of shift
    int ShiftY = 0;
};
Ordinary1Settings ordinary1Settings(Long type);

// A diminished piece gets its fixed width, and its line depth is kept below it
// so the teeth of both edges never meet. Written into the document.
void settleOrdinary1Size(OrdinaryRecord& piece, LineStyle& line);

// The seeds of a piece drawn by its outline, on the work surface (465 x 540,
// shield at (100, 100)): two inside the piece, three in the field beside it.
struct Ordinary1Seeds {
    std::array<SeedPoint, 2> Piece;
    std::array<SeedPoint, 3> Field;
};

// Draws the edges of a Chef, Pal, Fasce, Bande, Barre or Chevron on the work
// surface in the line colour (the heraldic ones through the line engine) and
// gives the seeds the piece is found from. `piece.Size` is the settled size.
Ordinary1Seeds drawOrdinary1Outline(Surface& work, const OrdinaryRecord& piece,
                                    const LineStyle& line);

}  // namespace tess
