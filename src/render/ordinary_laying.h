#pragma once

#include "model/records.h"
#include "platform/surface.h"
#include "render/ordinary1_repeats.h"

namespace tess {

struct OrdinarySurfaces;
struct LaidPiece;

// Whether the piece of order 1 or 2 takes part in this redraw: present, and of
// a type of its order (a damaged document's unknown piece is neither drawn nor
// classified).
bool ordinaryDrawn(const OrdinaryRecord& piece, int order);

// Lays the piece's copies once, onto a mask, a picture and a zone of the
// shield's size (`piece.Laid`), each copy with the same nearest-pixel stretch
// as StretchBlt, so the mask and the pictures always pick the same source
// pixels. A canvas takes a piece by AND with its mask then XOR with its
// picture (an edge pixel p becomes (p AND line colour) XOR line colour), and a
// key map takes its zone (the key colour, the line colour itself on the edges,
// so that a drop or a sample on an edge matches no part): the copies laid in
// turn come to one mask, one picture and one zone, which every redraw then
// lays straight.
void layOutPiece(OrdinarySurfaces& piece, Colour key, const PieceCopies& copies);
// The same for the two pieces (the first with its copies).
void layOutOrdinary1(OrdinarySurfaces& piece, const OrdinaryRecord& record);
void layOutOrdinary2(OrdinarySurfaces& piece);

// The laid piece over the canvas: (pixel AND mask) XOR picture.
void layOnCanvas(Surface& canvas, const LaidPiece& laid);

}  // namespace tess
