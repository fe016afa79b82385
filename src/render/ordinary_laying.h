#pragma once

#include "model/records.h"
#include "platform/surface.h"
#include "render/ordinary1_repeats.h"

namespace tess {

class Renderer;
struct OrdinarySurfaces;

// What a piece is laid onto, either or both, of one size. The canvas takes the
// piece's émail by mask and picture, so an edge pixel p becomes (p AND line
// colour) XOR line colour. A key map takes the piece's zone in its key colour
// and its edges in the line colour itself, so that a drop or a sample on an
// edge matches no part.
struct PieceTargets {
    Surface* Canvas = nullptr;
    Surface* KeyMap = nullptr;
};

// Whether the piece of order 1 or 2 takes part in this redraw: present, and of
// a type of its order (a damaged document's unknown piece is neither drawn nor
// classified).
bool ordinaryDrawn(const OrdinaryRecord& piece, int order);

// Lays one copy of a prepared piece whose zone has the key colour `key`, with
// the same nearest-pixel stretch as StretchBlt, so the mask and the pictures
// always pick the same source pixels.
void layPieceCopy(const PieceTargets& targets, const OrdinarySurfaces& piece, Colour key,
                  const PieceCopy& copy);

// Lays the first-order piece with all its copies; the canvas, the part key map
// and the classification map all go through here, so they agree on every copy.
void layOrdinary1(const BlazonRecord& b, const Renderer& r, const PieceTargets& targets);
// Lays the second-order piece (265 x 340, one copy).
void layOrdinary2(const BlazonRecord& b, const Renderer& r, const PieceTargets& targets);

}  // namespace tess
