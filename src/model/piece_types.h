#pragma once

#include "model/records.h"

namespace tess {

// Piece types as `OrdinaryRecord.Type` stores them: 1..9 first order (laid in
// zone 7), 10..22 second order (laid in zone 5).
inline constexpr Long kChef = 1;
inline constexpr Long kPal = 2;
inline constexpr Long kFasce = 3;
inline constexpr Long kBande = 4;
inline constexpr Long kBarre = 5;
inline constexpr Long kChevron = 6;
inline constexpr Long kOrle = 7;
inline constexpr Long kBordure = 8;
inline constexpr Long kEcusson = 9;

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

// The sizes `OrdinaryRecord.Size` stores: whole, diminished and en filet. The
// menus and the size choosers store a diminished piece as 1 (first order) or
// 34 (second order); the redraw replaces a positive size by the piece's width
// in pixels, and every reader tests only the sign.
inline constexpr Integer kSizeFull = 0;
inline constexpr Integer kSizeFirstOrderDiminished = 1;
inline constexpr Integer kSizeSecondOrderDiminished = 34;
inline constexpr Integer kSizeFillet = -1;

constexpr bool isOrdinary1Type(Long type) {
    return type >= kChef && type <= kEcusson;
}

constexpr bool isOrdinary2Type(Long type) {
    return type >= kAdextre && type <= kCroix;
}

// The pieces that follow the shield's edge or sit in it: no heraldic lines,
// no shift.
constexpr bool followsShieldEdge(Long type) {
    return type == kOrle || type == kBordure || type == kEcusson;
}

// The first-order pieces that can be shifted: neither the chef nor those
// that follow the shield's edge.
constexpr bool takesShift(Long type) {
    return type != kChef && !followsShieldEdge(type);
}

// The first-order pieces whose edges take the chosen line style: all but the
// chevron and those that follow the shield's edge.
constexpr bool takesLineStyle(Long type) {
    return type != kChevron && !followsShieldEdge(type);
}

// The second-order pieces drawn with heraldic lines.
constexpr bool isLinedOrdinary2(Long type) {
    return type >= kAdextre && type <= kChampagne;
}

// The only second-order pieces that come in sizes.
constexpr bool isSizedOrdinary2(Long type) {
    return type >= kPairle && type <= kCroix;
}

}  // namespace tess
