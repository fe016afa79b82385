#pragma once

#include <array>

#include "platform/surface.h"

namespace tess {

// The pictures the program carries, drawn by code at first use and built into
// the binary (a missing one is a link error, never a run-time case). Each is
// made once, on first use, and kept for the run; the references stay valid.
inline constexpr int kShieldWidth = 265;
inline constexpr int kShieldHeight = 340;

// Parchment, the colour round the shield.
inline constexpr Colour kParchment = rgb(245, 228, 183);
// The one-pixel frame of the "En bannière" outline and of the blank picture.
inline constexpr Colour kFrameGrey = 0x808080u;

// Shape 1..7 (any other number gives shape 1): black inside the shield,
// parchment outside; shape 3 has the grey frame instead of parchment.
const Surface& shieldOutlinePicture(int shape);
// Shape 1..7 (any other number gives shape 1): white inside the shield, black
// outside (shape 3: white but for its black one-pixel frame).
const Surface& shieldMaskPicture(int shape);
// The blank 265 x 340 picture (the "En bannière" outline: black with a grey frame).
const Surface& blankPicture();
// Built-in fur 108..115: a whole 265 x 340 field of the fur, in factory
// tincture colours only, symmetric about column 132 and repeating every 265 x
// 330 pixels (vair), 260 x 335 (contre-vair), 265 x 336 (vair en pal) or
// 254 x 311 (the ermines), so that copies laid at those offsets join without a
// seam. Any other code gives a plain field of Or.
const Surface& furPicture(int furCode);

// The 8 x 8 hatch pictures of a black-and-white page, row-major, black dots on
// white: tincture 1 (Or), 7 (Orangé) and 11 (Bis). Any other tincture has no
// pattern picture and gets solid black.
const std::array<Colour, 64>& hatchPattern(int tincture);

}  // namespace tess
