#pragma once

#include <span>

#include "model/records.h"
#include "platform/surface.h"

namespace tess {

struct Workspace;
class Renderer;

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

// The mask and the key picture of a piece marked on `work` in `key`: the piece
// black on the mask and `key` on the key picture, its edge pixels (the line
// colour) the line colour on both, everything else field: white on the mask,
// black on the key picture. One pass, so a pocket that no flood reached is
// field rather than left in the work surface's background.
void buildMaskAndKey(const Surface& work, Colour key, Surface& mask, Surface& keyPicture);

// The coloured picture of a piece in tincture `colour`: the piece in the colour
// (on a black-and-white page, white with the tincture's hatching), edges in the
// line colour, the rest black. Every region of the piece is painted, however
// many the outline made.
void paintPieceTincture(Workspace& ws, const Surface& keyPicture, Colour key, Colour colour,
                        Surface& image);

// The coloured picture of a piece showing a picture: each pixel of the piece
// takes the pixel of `picture` at its own place shifted by (-dx, -dy) (black
// where the picture ends), edges the line colour, the rest black.
void paintPiecePicture(const Surface& mask, const Surface& picture, int dx, int dy, Surface& image);

// The current colour of a zone's tincture; a zone whose tincture is no
// tincture number is painted in Or, as the field's parts are.
Colour zoneColour(const Workspace& ws, const PartRecord& zone);

// The fur a zone shows, or null when it shows a tincture: a zone of a fur
// class whose picture exists (a user fur slot without a picture shows its
// dominant tincture instead, as a field part does).
const Surface* zoneFur(const Renderer& r, const PartRecord& zone);

}  // namespace tess
