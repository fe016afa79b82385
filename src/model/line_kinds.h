#pragma once

namespace tess {

// Heraldic line kinds as `LineStyle.LineKind` stores them.
inline constexpr int kLinePlain = 10;  // "Droit"
inline constexpr int kLineDentele = 11;
inline constexpr int kLineNebule = 12;
inline constexpr int kLineCrenele = 13;
inline constexpr int kLineEngrele = 14;
inline constexpr int kLineBretesse = 15;
inline constexpr int kLineContreBretesse = 16;
inline constexpr int kLineBastille = 17;

// Directions of a heraldic line.
inline constexpr int kLineHorizontal = 1;
inline constexpr int kLineVertical = 2;
inline constexpr int kLineBend = 3;          // upper left to lower right
inline constexpr int kLineBendSinister = 4;  // upper right to lower left

}  // namespace tess
