#pragma once

#include <array>

#include "model/records.h"
#include "platform/surface.h"
#include "render/ordinary_pictures.h"

namespace tess {

// Second-order piece types.
inline constexpr Long kAdextre = 10;
inline constexpr Long kSenestre = 11;
inline constexpr Long kChampagne = 12;
inline constexpr Long kCanton = 13;
inline constexpr Long kFrancQuartier = 14;
inline constexpr Long kCorniere = 15;
inline constexpr Long kEsquarre = 16;
inline constexpr Long kGiron = 17;
inline constexpr Long kPile = 18;
inline constexpr Long kPointe = 19;
inline constexpr Long kPairle = 20;
inline constexpr Long kSautoir = 21;
inline constexpr Long kCroix = 22;

constexpr bool isOrdinary2Type(Long type) {
    return type >= kAdextre && type <= kCroix;
}

// Only the pairle, the sautoir and the croix come in sizes; a diminished one
// is drawn 22 pixels narrower a side, and the document keeps 22.
void settleOrdinary2Size(OrdinaryRecord& piece);

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
