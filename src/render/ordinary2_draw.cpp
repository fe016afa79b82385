// The second-order piece's three pictures, built on the key surface partMap
// (265 x 340) before the partition uses it, and kept while the piece's key
// stays the same.
#include <utility>

#include "model/part_zones.h"
#include "model/workspace.h"
#include "render/key_colours.h"
#include "render/ordinary2_outline.h"
#include "render/ordinary_laying.h"
#include "render/ordinary_pictures.h"
#include "render/ordinary_steps.h"
#include "render/piece_key.h"
#include "render/pixel_rows.h"
#include "render/region_fill.h"
#include "render/renderer.h"
#include "resources/pictures.h"

namespace tess {

namespace {

constexpr Colour kKey = kPartKeyColours[kSecondOrderZone];

// Draws the piece the key describes; the document is read only through it.
void drawPictures(const PieceKey& k, Renderer& r) {
    Surface& work = r.partMap;
    if (work.width() != kCanvasWidth || work.height() != kCanvasHeight)
        work.resize(kCanvasWidth, kCanvasHeight);
    clearSurface(work);
    const Ordinary2Seeds seeds = drawOrdinary2Outline(work, k.piece(), k.Line);
    markPiece(work, kKey, {&seeds.Piece, 1}, {seeds.Field.data(), std::size_t(seeds.FieldCount)});

    OrdinarySurfaces& pics = r.Ordinary2;
    // A fur lies over the zone as the fur of a field part does: fixed to the
    // shield, whatever the piece's shape.
    const Surface* fur = isBuiltInFur(k.Fur) ? &furPicture(int(k.Fur)) : k.FurPicture.get();
    if (fur) {
        const PieceEmail email{kBlack, fur};
        buildPiecePictures(work, kKey, &email, pics);
    } else if (k.BlackAndWhite) {
        buildPiecePictures(work, kKey, nullptr, pics);
        paintPieceHatching(pics, kKey,
                           hatchBrushOfTincture(tinctureOfColour(k.Colours, k.tinctureColour())));
    } else {
        const PieceEmail email{k.tinctureColour()};
        buildPiecePictures(work, kKey, &email, pics);
    }
}

}  // namespace

void DrawOrdinary2(Workspace& ws, Renderer& r) {
    // A damaged document's unknown piece leaves the pictures as they were.
    if (!isOrdinary2Type(ws.CurrentBlazon.Ordinary2.Type)) return;
    PieceKey key = secondOrderKey(ws, r);
    OrdinarySurfaces& pics = r.Ordinary2;
    if (pics.Made && pics.Key == key) return;
    drawPictures(key, r);
    layOutOrdinary2(pics);
    key.keepCopies();
    pics.Key = std::move(key);
    pics.Made = true;
}

}  // namespace tess
