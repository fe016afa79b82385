// The first-order piece's three pictures, built on the 465 x 540 work surface
// firstOrderWork (shield at (100, 100)). The piece is marked there in key colour 7; the
// mask, the key picture and the coloured picture are all read from that one
// marking, so they can never disagree on a pixel.
#include <algorithm>

#include <utility>

#include "model/part_zones.h"
#include "model/tinctures.h"
#include "model/workspace.h"
#include "render/fur_patterns.h"
#include "render/key_colours.h"
#include "render/ordinary1_narrow_bend.h"
#include "render/ordinary1_outline.h"
#include "render/ordinary_laying.h"
#include "render/ordinary_pictures.h"
#include "render/ordinary_steps.h"
#include "render/piece_key.h"
#include "render/pixel_rows.h"
#include "render/region_fill.h"
#include "render/renderer.h"
#include "render/shield_shape.h"
#include "resources/pictures.h"

namespace tess {

namespace {

constexpr Colour kKey = kPartKeyColours[kFirstOrderZone];

// The écusson's box: a third of the shield, centred on the shield's centre.
constexpr int kEcussonX = 188, kEcussonY = 213, kEcussonW = 88, kEcussonH = 113;

// Rewrites the pixels of a box of the work surface: `inside(c)` tells from the
// colour there whether the pixel belongs to the piece.
template <typename Inside>
void markBox(Surface& work, int left, int top, int width, int height, Inside inside) {
    const int x0 = std::max(left, 0), x1 = std::min(left + width, work.width());
    const int y0 = std::max(top, 0), y1 = std::min(top + height, work.height());
    for (int y = y0; y < y1; ++y) {
        Colour* p = work.row(y);
        for (int x = x0; x < x1; ++x) p[x] = inside(p[x]) ? kKey : kWorkBackground;
    }
}

// The bordure is all that lies outside the shield shrunk by 25, 15 or 7
// pixels a side: the margin and the shrunken mask's black corners alike.
void markBordure(Surface& work, const Surface& shapeMask, Integer size) {
    const int inset = size == 0 ? 25 : size > 0 ? 15 : 7;
    const int w = kCanvasWidth - 2 * inset, h = kCanvasHeight - 2 * inset;
    fillSurface(work, kKey);
    StretchBlt(work, kBigMargin + inset, kBigMargin + inset, w, h, shapeMask, 0, 0, kCanvasWidth,
               kCanvasHeight, RasterOp::Copy);
    markBox(work, kBigMargin + inset, kBigMargin + inset, w, h,
            [](Colour c) { return c != kWhite; });
}

// The écusson is the inset shape shrunk to a third. Its box's corners outside
// the shape are field, every one of them; "en bannière" fills its whole box,
// frame included.
void markEcusson(Surface& work, const Surface& insetMask, bool banner) {
    StretchBlt(work, kEcussonX, kEcussonY, kEcussonW, kEcussonH, insetMask, 0, 0, kCanvasWidth,
               kCanvasHeight, RasterOp::Copy);
    markBox(work, kEcussonX, kEcussonY, kEcussonW, kEcussonH,
            [banner](Colour c) { return banner || c == kWhite; });
}

// The orle: a band inside the shield following its outline, between the
// outline shrunk by 25 and by B pixels (25, 15 or 5 pixels wide). Every part of
// the band is piece, however many the shape cuts it into.
void markOrle(Surface& work, Surface& scratch, const Surface& shapeMask, Integer size) {
    const int band = size == 0 ? 50 : size > 0 ? 40 : 30;
    if (scratch.width() != kBigWidth || scratch.height() != kBigHeight)
        scratch = Surface(kBigWidth, kBigHeight, kBlack);
    fillSurface(scratch, kBlack);
    StretchBlt(scratch, kBigMargin + band, kBigMargin + band, kCanvasWidth - 2 * band,
               kCanvasHeight - 2 * band, shapeMask, 0, 0, kCanvasWidth, kCanvasHeight,
               RasterOp::Copy);
    const int left = kBigMargin + 25, top = kBigMargin + 25;
    const int w = kCanvasWidth - 50, h = kCanvasHeight - 50;
    StretchBlt(work, left, top, w, h, shapeMask, 0, 0, kCanvasWidth, kCanvasHeight, RasterOp::Copy);
    for (int y = top; y < top + h; ++y) {
        Colour* p = work.row(y);
        const Colour* inner = scratch.row(y);
        for (int x = left; x < left + w; ++x)
            p[x] = p[x] == kWhite && inner[x] != kWhite ? kKey : kWorkBackground;
    }
}

// Builds the three pictures from the marking, with the émail the key gives:
// the inserted arms, a fur, or the zone's tincture (hatched on a
// black-and-white page).
void buildPictures(const PieceKey& k, Renderer& r, const Surface& work) {
    OrdinarySurfaces& pics = r.Ordinary1;
    if (const Surface* arms = k.Arms.get()) {
        if (k.Type == kChef) {
            // The arms are cut to the chief by its mask, whose edge is the
            // line colour.
            const PieceEmail email{kBlack, arms, kBigMargin, kBigMargin, kLineColour};
            buildPiecePictures(work, kKey, &email, pics);
            return;
        }
        Surface small(kEcussonW, kEcussonH, kBlack);
        StretchBlt(small, 0, 0, kEcussonW, kEcussonH, *arms, 0, 0, kCanvasWidth, kCanvasHeight,
                   RasterOp::Copy);
        const PieceEmail email{kBlack, &small, kEcussonX, kEcussonY};
        buildPiecePictures(work, kKey, &email, pics);
        return;
    }
    if (isBuiltInFur(k.Fur)) {
        // A built-in fur is tiled over the whole work surface already: the
        // piece takes its pixels where it lies, margins included, which is what
        // cutting the pattern to the mask gives (pattern AND NOT mask, so the
        // edges keep the pattern's bits the line colour lacks).
        const Surface& pattern = r.builtInFurPictures[std::size_t(k.Fur - kFirstBuiltInFur)];
        const PieceEmail email{kBlack, &pattern, 0, 0, ~kLineColour & kWhite};
        buildPiecePictures(work, kKey, &email, pics);
        return;
    }
    if (const Surface* fur = k.FurPicture.get()) {
        // A user fur is laid from its tile with its slot's row shift.
        buildPiecePictures(work, kKey, nullptr, pics);
        FillPieceWithFurPicture(pics.colouredPicture, pics.mask, fur, k.FurTile.get(),
                                k.FurRowShift);
        return;
    }
    if (k.BlackAndWhite) {
        buildPiecePictures(work, kKey, nullptr, pics);
        paintPieceHatching(pics, kKey,
                           hatchBrushOfTincture(tinctureOfColour(k.Colours, k.tinctureColour())));
        return;
    }
    const PieceEmail email{k.tinctureColour()};
    buildPiecePictures(work, kKey, &email, pics);
}

// Marks the piece the key describes on the work surface (cleared of the last
// marking first) and builds its pictures; the document is read only through
// the key.
void drawPictures(const PieceKey& k, Renderer& r) {
    // Only this drawing marks firstOrderWork, and its pictures are built from the
    // marking: their spans bound what the last one left there.
    Surface& work = r.firstOrderWork;
    if (work.width() != kBigWidth || work.height() != kBigHeight ||
        work.background() != kWorkBackground)
        work = Surface(kBigWidth, kBigHeight, kWorkBackground);
    clearMarking(work, r.Ordinary1);

    const OrdinaryRecord piece = k.piece();
    switch (k.Type) {
        case kOrle:
            markOrle(work, r.pieceScratch, shieldMaskPicture(k.ShieldShape), k.Size);
            break;
        case kBordure:
            markBordure(work, shieldMaskPicture(k.ShieldShape), k.Size);
            break;
        case kEcusson:
            markEcusson(work, shieldMaskPicture(k.InsetShape), k.InsetShape == kShapeEnBanniere);
            break;
        default:
            if (isNarrowPatternedBend(piece, k.Line)) {
                markNarrowBend(work, r.pieceScratch, piece, k.Line, kKey);
            } else {
                const Ordinary1Seeds seeds = drawOrdinary1Outline(work, piece, k.Line);
                markPiece(work, kKey, seeds.Piece, seeds.Field);
            }
    }
    buildPictures(k, r, work);
}

}  // namespace

void DrawOrdinary1(Workspace& ws, Renderer& r) {
    const BlazonRecord& b = ws.CurrentBlazon;
    // A damaged document's unknown piece leaves the pictures as they were; the
    // compositing skips it too.
    if (!isOrdinary1Type(b.Ordinary1.Type)) return;
    // The écusson's mask stays selected for the window, drawn or kept.
    if (b.Ordinary1.Type == kEcusson) SelectPartMask(ws, r);
    PieceKey key = firstOrderKey(ws, r);
    OrdinarySurfaces& pics = r.Ordinary1;
    if (pics.Made && pics.Key == key) return;
    drawPictures(key, r);
    layOutOrdinary1(pics, key.piece());
    key.keepCopies();
    pics.Key = std::move(key);
    pics.Made = true;
}

}  // namespace tess
