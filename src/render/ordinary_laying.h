#pragma once

#include "model/records.h"
#include "platform/surface.h"
#include "render/ordinary1_repeats.h"

namespace tess {

class Renderer;
struct OrdinarySurfaces;
struct LaidPiece;

// What a piece is laid onto, any of them, of one size. The canvas takes the
// piece's émail by mask and picture, so an edge pixel p becomes (p AND line
// colour) XOR line colour. A key map takes the piece's zone in its key colour
// and its edges in the line colour itself, so that a drop or a sample on an
// edge matches no part. A mask takes the piece's mask by AND (what a canvas
// keeps of itself).
struct PieceTargets {
    Surface* Canvas = nullptr;
    Surface* KeyMap = nullptr;
    Surface* Mask = nullptr;
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

// Lays the piece's copies once, onto a mask, a picture and a zone of the
// shield's size (`piece.Laid`): as the laying is AND then XOR on the canvas
// and a replacement on the key maps, the copies laid in turn come to one mask,
// one picture and one zone, which every redraw then lays straight.
void layOutPiece(OrdinarySurfaces& piece, Colour key, const PieceCopies& copies);
// The same for the two pieces (the first with its copies).
void layOutOrdinary1(OrdinarySurfaces& piece, const OrdinaryRecord& record);
void layOutOrdinary2(OrdinarySurfaces& piece);

// The laid piece over the canvas: (pixel AND mask) XOR picture.
void layOnCanvas(Surface& canvas, const LaidPiece& laid);

}  // namespace tess
