#pragma once

#include "model/records.h"

namespace tess {

// Partition codes as `BlazonRecord.Partition` stores them: 9 the plain field,
// 10..19 and 21..25 the divided fields (20 is no partition).
inline constexpr Long kPlainField = 9;
inline constexpr Long kParti = 10;
inline constexpr Long kCoupe = 11;
inline constexpr Long kTranche = 12;
inline constexpr Long kTaille = 13;
inline constexpr Long kEcartele = 14;
inline constexpr Long kEcarteleEnSautoir = 15;
inline constexpr Long kTierceEnPal = 16;
inline constexpr Long kTierceEnFasce = 17;
inline constexpr Long kTierceEnBande = 18;
inline constexpr Long kTierceEnBarre = 19;
inline constexpr Long kTierceEnPairle = 21;
inline constexpr Long kPartiMiCoupeSenestre = 22;
inline constexpr Long kPartiMiCoupeDextre = 23;
inline constexpr Long kCoupeMiPartiChef = 24;
inline constexpr Long kCoupeMiPartiPointe = 25;
inline constexpr Long kLastPartition = kCoupeMiPartiPointe;

constexpr bool isPartitionCode(Long code) {
    return (code >= kPlainField && code <= kTierceEnBarre) ||
           (code >= kTierceEnPairle && code <= kCoupeMiPartiPointe);
}

// The partitions whose lines are heraldic lines (the others are plain).
constexpr bool hasHeraldicLines(Long code) {
    return (code >= kParti && code <= kTaille) || (code >= kTierceEnPal && code <= kTierceEnBarre);
}

}  // namespace tess
