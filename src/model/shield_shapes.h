#pragma once

#include "model/records.h"

namespace tess {

// Shield shapes as `BlazonRecord.ShieldShape` and `InsetShape` store them.
inline constexpr Long kShapeClassique = 1;
inline constexpr Long kShapeAnglais = 2;
inline constexpr Long kShapeEnBanniere = 3;
inline constexpr Long kShapeEspagnol = 4;
inline constexpr Long kShapeFrancais = 5;
inline constexpr Long kShapeDemoiselle = 6;
inline constexpr Long kShapeSuisse = 7;
inline constexpr int kShapeCount = 7;

}  // namespace tess
