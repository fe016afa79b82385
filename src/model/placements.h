#pragma once

#include <array>

#include "model/part_zones.h"
#include "model/records.h"

namespace tess {

// Placement codes as `ChargeRecord.Placement` stores them: 0 no part found;
// 1..4 in field part k; 5 in the second-order piece's zone; 7 wholly on the
// first-order piece; 9 over several parts or set over everything; 11..15 in
// zone code - 10 and partly on the first-order piece; 21..24 in part code - 20
// and partly on the second-order piece's zone.
inline constexpr int kPlacedNowhere = 0;
inline constexpr int kPlacedOnSecondOrder = kSecondOrderZone;
inline constexpr int kPlacedOnFirstOrder = kFirstOrderZone;
inline constexpr int kPlacedOverSeveral = 9;
inline constexpr int kPartlyOnFirstOrder = 10;   // + the zone 1..5
inline constexpr int kPartlyOnSecondOrder = 20;  // + the field part 1..4

// The placement found for each charge 1..50 by one redraw (element 0 unused).
using ChargePlacements = std::array<int, kChargeCount + 1>;

// The stacking layers of the charges.
inline constexpr int kUnderBothPieces = 1;
inline constexpr int kBetweenPieces = 2;
inline constexpr int kOverBothPieces = 3;

// The stacking layer a placement is drawn in; 0 for a code no placement gives.
constexpr int layerOfPlacement(int placement) {
    if (placement == kPlacedOnSecondOrder || placement == kPartlyOnFirstOrder + kSecondOrderZone)
        return kBetweenPieces;
    if (placement == kPlacedOnFirstOrder || placement == kPlacedOverSeveral) return kOverBothPieces;
    if (placement < kPlacedOnSecondOrder || placement >= kPartlyOnFirstOrder)
        return kUnderBothPieces;
    return 0;
}

// The part record whose charge list takes a placement (6 for charges over
// several parts), 0 for none.
constexpr int partOfPlacement(int placement) {
    if ((placement >= kFirstFieldPart && placement <= kPlacedOnSecondOrder) ||
        placement == kPlacedOnFirstOrder)
        return placement;
    if (placement == kPlacedOverSeveral) return kSeveralPartsZone;
    if (placement > kPartlyOnFirstOrder && placement <= kPartlyOnFirstOrder + kSecondOrderZone)
        return placement - kPartlyOnFirstOrder;
    if (placement > kPartlyOnSecondOrder && placement <= kPartlyOnSecondOrder + kLastFieldPart)
        return placement - kPartlyOnSecondOrder;
    return kPlacedNowhere;
}

}  // namespace tess
