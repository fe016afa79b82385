#pragma once

namespace tess {

// Part records by role: 1..4 the field's parts, 5 the second-order piece's
// zone, 6 the charges over several parts, 7 the first-order piece's zone.
inline constexpr int kFirstFieldPart = 1;
inline constexpr int kLastFieldPart = 4;
inline constexpr int kSecondOrderZone = 5;
inline constexpr int kSeveralPartsZone = 6;
inline constexpr int kFirstOrderZone = 7;

constexpr bool isFieldPart(int part) {
    return part >= kFirstFieldPart && part <= kLastFieldPart;
}

}  // namespace tess
