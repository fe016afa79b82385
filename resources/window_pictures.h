#pragma once

#include <vector>

#include "platform/surface.h"

namespace tess {

// The painted controls of the main window. Each picture is made once, on first
// use; the handlers hit-test them by fixed pixel ranges, which these drawings
// respect (every cell's drawing lies inside its range).

// The window's own background, round the painted cells.
inline constexpr Colour kPanelColour = 0xC8D0D4u;
// The toolbar's button faces and group edges.
inline constexpr Colour kButtonFace = 0xC0C0C0u;
inline constexpr Colour kButtonEdge = 0x808080u;

// The tincture palette, 41 x 127: eleven swatches in two columns, each closed by black and
// white inside, ready to be flood-painted (bounded by black) in the current
// tincture colours from the palette's swatch points. Paint a fresh copy each
// time: a swatch once painted black would stop a later fill.
const Surface& tincturePalettePicture();

// The fur palette, 50 x 85: the eight built-in furs in their palette cells.
const Surface& furPalettePicture();

// The shield and escutcheon shape choosers, 45 x 98: the seven shapes as small shields closed
// by black, dark red (&H80) inside but the Classique cell yellow (&HFFFF).
const Surface& shapeChooserPicture();

// The size choosers of the first order (maroon shields) and the second
// (green shields), 28 x 63: three shields, each with a pale closed by black (wide,
// diminished, en filet from the top); the pales are red (&HFF) but the top one
// yellow for order 1, green (&H8000) but the top one white for order 2.
const Surface& sizeChooserPicture(int order);

// The shift chooser, 25 x 64: three shields with a cross closed by black, shifted to
// the dexter chief, centred, shifted to the sinister base; the crosses red
// but the middle one yellow.
const Surface& shiftChooserPicture();

// The alignment strip, 20 x 302: the thirteen alignment cells (rows 17..149 across,
// 186..300 down) under two headings.
const Surface& alignmentStripPicture();

// The toolbar, 640 x 40: the 23 toolbar buttons on their faces and group edges.
const Surface& toolbarPicture();

// The warning sign beside the blazon, 24 x 24: the warning sign.
const Surface& warningPicture();

// The small icon (16 x 16) of honourable piece type 1..22 in the pieces list;
// any other type gives a plain shield.
const Surface& honourablePieceIcon(int type);

// The program's icon, 32 x 32: a small shield, the panel colour round it
// (which the window may treat as transparent).
const Surface& programIcon();

// The ten 320 x 200 frames of the start-up animation, 1..10 in showing order;
// any other number gives the last frame. Drawn at each call and kept by no
// one here: they are shown once, and kept they would hold 2.5 MB for the
// whole session.
inline constexpr int kIntroFrameCount = 10;
Surface introFrame(int n);
// All ten, in showing order, from one drawing of the finished shield (some
// 0.7 ms each; all ten take 3.4 ms with it drawn once, 10.3 ms without).
std::vector<Surface> introFrames();

}  // namespace tess
