#pragma once

#include <optional>
#include <span>

#include "model/records.h"
#include "platform/surface.h"

namespace tess {

struct OrdinarySurfaces;

// A seed point in the coordinates of the surface it is flooded on.
struct SeedPoint {
    int x = 0;
    int y = 0;
};

// Turns an outline drawn on a work surface into the piece: the piece's
// regions are flooded in its key colour from the piece seeds, then a region
// that also holds a field seed goes back to the field (an outline that does
// not close leaves no piece rather than a piece over the whole field). Seeds
// off the surface do nothing.
void markPiece(Surface& work, Colour key, std::span<const SeedPoint> pieceSeeds,
               std::span<const SeedPoint> fieldSeeds);

// What the coloured picture shows on the piece: a solid colour, or the pixels
// of a picture whose top left corner lies at (PictureX, PictureY) of the work
// surface (black where the picture ends). Its edges show the line colour, or,
// with `EdgeBits`, the picture's pixel cut to those bits where the picture
// lies: a picture cut to the piece by its mask keeps there what the mask's
// line colour lets through.
struct PieceEmail {
    Colour Fill = kBlack;
    const Surface* Picture = nullptr;
    int PictureX = 0;
    int PictureY = 0;
    std::optional<Colour> EdgeBits = std::nullopt;
};

// The pictures of a piece marked on `work` in `key`. The mask holds the piece
// black, the key picture in `key`, the coloured picture in its émail; the edges
// (the line colour) stay the line colour, on the coloured picture too unless
// the émail's `EdgeBits` cut its picture there, and everything else is field:
// white on the mask, black on the others. Without an émail the caller
// paints the coloured picture whole. A pocket that no flood reached is field.
//
// The pictures keep, per row, the span of columns marked on `work` (anything
// but its background); only the spans marked now or last time are written,
// since the pictures hold field everywhere else already. That leaves a thin
// piece's drawing a fraction of three whole-surface passes. The same spans
// bound what the marking left on `work`, so a caller that marks on it alone
// can clear just them (`clearMarking`).
void buildPiecePictures(const Surface& work, Colour key, const PieceEmail* email,
                        OrdinarySurfaces& piece);

// Clears `work` to its background: only the spans of `piece` when they are
// those of the marking `work` holds (its pictures were built from it last),
// the whole surface otherwise.
void clearMarking(Surface& work, const OrdinarySurfaces& piece);

// The coloured picture of a piece on a black-and-white page: white with the
// hatching `hatch` (that of the tincture it is painted in), edges in the line
// colour, the rest black. Every region of the piece is hatched, however many
// the outline made.
void paintPieceHatching(OrdinarySurfaces& piece, Colour key, const Brush& hatch);

}  // namespace tess
