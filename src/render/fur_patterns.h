#pragma once

#include "model/records.h"
#include "platform/surface.h"

namespace tess {

class Renderer;

// Tiles each built-in fur picture over a 465 x 540 surface with the fur's own
// repeat, once at start-up (the pieces' fur fills then cost whole-surface
// copies only).
void BuildFurPatterns(Renderer& r);

// The fur of code `fur` cut to a piece: dest := FurPattern AND NOT shape, pixel
// by pixel (the fur where `shape` is black, black elsewhere). `dest` and `shape`
// are 465 x 540 with the shield at (100, 100). A user fur shows its shield
// picture on the shield and its tile, laid on with `userFurRowShift` (the
// slot's row shift in percent of the tile width), over the margins; a code with
// no picture leaves the piece black.
void FillOrdinaryWithFur(Renderer& r, Surface& dest, const Surface& shape, Long fur,
                         int userFurRowShift = 0);

// The same for a fur given by its shield picture and, for a user fur, its
// tile: the picture on the shield, the tile laid on with `rowShift` over the
// margins (no tile: the picture repeated whole); no picture leaves the piece
// black.
void FillPieceWithFurPicture(Surface& dest, const Surface& shape, const Surface* picture,
                             const Surface* tile, int rowShift);

// How far each row of a user fur's tiles lies to the left of the row above.
int userFurRowStep(int tileWidth, int rowShiftPercent);

// Every pixel of `canvas` whose pixel on `keyMap` (at the same place shifted by
// (keyX, keyY)) is `key` takes the pixel of `fur` at the canvas's place. The mask
// comes from the key map, not from the canvas colour, so a tincture adjusted to
// a key colour never catches a fur.
void OverlayFur(Surface& canvas, const Surface& keyMap, int keyX, int keyY, Colour key,
                const Surface& fur);

}  // namespace tess
