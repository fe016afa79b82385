#pragma once

#include "model/records.h"

// The codes the canvas's commands name. Kept to themselves until the model
// names them for every folder.
namespace tess::canvas_codes {

// Part records by role.
inline constexpr int kLastFieldPart = 4;
inline constexpr int kSecondOrderZone = 5;
inline constexpr int kSeveralPartsZone = 6;
inline constexpr int kFirstOrderZone = 7;

// Piece types the canvas tests.
inline constexpr Long kChef = 1;
inline constexpr Long kEcusson = 9;
inline constexpr Long kAdextre = 10;
inline constexpr Long kSenestre = 11;
inline constexpr Long kChampagne = 12;

// Partitions chosen by the keyboard, in the order of their keys.
inline constexpr Long kPlainField = 9;
inline constexpr Long kTierceEnBande = 18;
inline constexpr Long kTierceEnBarre = 19;
inline constexpr Long kTierceEnPairle = 21;
inline constexpr Long kPartiMiCoupeSenestre = 22;
inline constexpr Long kPartiMiCoupeDextre = 23;
inline constexpr Long kCoupeMiPartiChef = 24;
inline constexpr Long kCoupeMiPartiPointe = 25;

}  // namespace tess::canvas_codes
