#pragma once

#include "platform/surface.h"

namespace tess {

// The pictures the program carries, drawn by code at first use and built into
// the binary (a missing one is a link error, never a run-time case).
inline constexpr int kShieldWidth = 265;
inline constexpr int kShieldHeight = 340;

// Shape 1..7: black inside the shield, parchment outside.
const Surface& shieldOutlinePicture(int shape);
// Shape 1..7: white inside the shield, black outside.
const Surface& shieldMaskPicture(int shape);
// The blank 265 x 340 picture (the "En bannière" outline: black with a grey frame).
const Surface& blankPicture();
// Built-in fur 108..115: a whole 265 x 340 field of the fur.
const Surface& furPicture(int furCode);

}  // namespace tess
