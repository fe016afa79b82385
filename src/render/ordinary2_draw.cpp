// The second-order piece's three pictures, built on the key surface partMap
// (265 x 340) before the partition uses it.
#include "model/part_zones.h"
#include "model/workspace.h"
#include "render/key_colours.h"
#include "render/ordinary2_outline.h"
#include "render/ordinary_pictures.h"
#include "render/ordinary_steps.h"
#include "render/renderer.h"

namespace tess {

void DrawOrdinary2(Workspace& ws, Renderer& r) {
    constexpr Colour key = kPartKeyColours[kSecondOrderZone];
    Surface& work = r.partMap;
    if (work.width() != kCanvasWidth || work.height() != kCanvasHeight)
        work.resize(kCanvasWidth, kCanvasHeight);
    work.clear();

    BlazonRecord& b = ws.CurrentBlazon;
    OrdinaryRecord& piece = b.Ordinary2;
    if (!isOrdinary2Type(piece.Type)) return;
    const PartRecord& zone = b.Parts[kSecondOrderZone];
    const Ordinary2Seeds seeds = drawOrdinary2Outline(work, piece, zone.Line);
    markPiece(work, key, {&seeds.Piece, 1}, {seeds.Field.data(), std::size_t(seeds.FieldCount)});

    OrdinarySurfaces& pics = r.Ordinary2;
    // A fur lies over the zone as the fur of a field part does: fixed to the
    // shield, whatever the piece's shape.
    if (const Surface* fur = zoneFur(r, zone)) {
        const PieceEmail email{kBlack, fur};
        buildPiecePictures(work, key, &email, pics);
    } else if (ws.PrintBlackWhite) {
        buildPiecePictures(work, key, nullptr, pics);
        paintPieceHatching(ws, pics, key, zoneColour(ws, zone));
    } else {
        const PieceEmail email{zoneColour(ws, zone)};
        buildPiecePictures(work, key, &email, pics);
    }
}

}  // namespace tess
