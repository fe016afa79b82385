#include "render/ordinary_laying.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/key_colours.h"
#include "render/ordinary1_outline.h"
#include "render/ordinary2_outline.h"
#include "render/renderer.h"

namespace tess {

namespace {

int sourceOffset(std::int64_t i, int sourceSize, int destSize) {
    return int(i * sourceSize / destSize);
}

// One destination row of a copy, columns [from, to). The canvas pixel takes
// the mask by AND and the picture by XOR; the key map's pixel is replaced
// wherever the mask is not white, by the piece's key colour where the mask is
// black and by the mask's own line colour on the edges (the key picture holds
// exactly these, so it need not be read). A straight copy reads the source
// row from `shift` on; a stretched one through `col`.
template <bool Canvas, bool KeyMap, bool Straight>
void layRow(Colour* __restrict canvas, Colour* __restrict keyMap, const Colour* __restrict m,
            const Colour* __restrict p, const int* __restrict col, int shift, Colour key, int from,
            int to) {
    for (int i = from; i < to; ++i) {
        const int s = Straight ? shift + i : col[i];
        const Colour mv = m[s];
        if constexpr (Canvas) canvas[i] = (canvas[i] & mv) ^ p[s];
        if constexpr (KeyMap) keyMap[i] = mv == kWhite ? keyMap[i] : mv == kBlack ? key : mv;
    }
}

template <bool Canvas, bool KeyMap>
void layRow(bool straight, Colour* canvas, Colour* keyMap, const Colour* m, const Colour* p,
            const int* col, int shift, Colour key, int from, int to) {
    if (straight)
        layRow<Canvas, KeyMap, true>(canvas, keyMap, m, p, col, shift, key, from, to);
    else
        layRow<Canvas, KeyMap, false>(canvas, keyMap, m, p, col, shift, key, from, to);
}

}  // namespace

bool ordinaryDrawn(const OrdinaryRecord& piece, int order) {
    if (piece.Present == 0) return false;
    return order == 1 ? isOrdinary1Type(piece.Type) : isOrdinary2Type(piece.Type);
}

void layPieceCopy(const PieceTargets& targets, const OrdinarySurfaces& piece, Colour key,
                  const PieceCopy& c) {
    Surface* canvas = targets.Canvas;
    Surface* keyMap = targets.KeyMap;
    const Surface& mask = piece.mask;
    const Surface& image = piece.colouredPicture;
    if (c.DestW <= 0 || c.DestH <= 0 || c.SourceW <= 0 || c.SourceH <= 0) return;
    if (!canvas && !keyMap) return;
    int targetW = 1 << 30, targetH = 1 << 30;
    for (const Surface* t : {canvas, keyMap})
        if (t) targetW = std::min(targetW, t->width()), targetH = std::min(targetH, t->height());
    int sourceW = mask.width(), sourceH = mask.height();
    if (canvas)
        sourceW = std::min(sourceW, image.width()), sourceH = std::min(sourceH, image.height());
    const int x0 = std::max(c.DestX, 0), x1 = std::min(c.DestX + c.DestW, targetW);
    const int y0 = std::max(c.DestY, 0), y1 = std::min(c.DestY + c.DestH, targetH);
    if (x0 >= x1 || y0 >= y1) return;

    // Source column of every destination column; never decreasing, so the
    // destination columns of a source span are found by search.
    std::vector<int> column(std::size_t(x1 - x0));
    for (int x = x0; x < x1; ++x)
        column[std::size_t(x - x0)] = c.SourceX + sourceOffset(x - c.DestX, c.SourceW, c.DestW);
    const bool spans = int(piece.MaskSpans.size()) >= sourceH;
    // A copy at the pictures' own size reads them straight along the row.
    const bool straight = c.SourceW == c.DestW;
    const int shift = straight ? c.SourceX + x0 - c.DestX : 0;

    for (int y = y0; y < y1; ++y) {
        const int sy = c.SourceY + sourceOffset(y - c.DestY, c.SourceH, c.DestH);
        if (sy < 0 || sy >= sourceH) continue;
        // Past the ends of its span a mask row is white: nothing changes there.
        int first = 0, last = sourceW;
        if (spans) {
            first = std::max(piece.MaskSpans[std::size_t(sy)].first, 0);
            last = std::min(piece.MaskSpans[std::size_t(sy)].second, sourceW);
        }
        if (first >= last) continue;
        const int from =
            int(std::lower_bound(column.begin(), column.end(), first) - column.begin());
        const int to = int(std::lower_bound(column.begin(), column.end(), last) - column.begin());
        const Colour* m = mask.row(sy);
        const Colour* p = canvas ? image.row(sy) : nullptr;
        Colour* d = canvas ? canvas->row(y) + x0 : nullptr;
        Colour* k = keyMap ? keyMap->row(y) + x0 : nullptr;
        if (canvas && keyMap)
            layRow<true, true>(straight, d, k, m, p, column.data(), shift, key, from, to);
        else if (canvas)
            layRow<true, false>(straight, d, k, m, p, column.data(), shift, key, from, to);
        else
            layRow<false, true>(straight, d, k, m, p, column.data(), shift, key, from, to);
    }
}

void layOrdinary1(const BlazonRecord& b, const Renderer& r, const PieceTargets& targets) {
    if (!ordinaryDrawn(b.Ordinary1, 1)) return;
    const PieceCopies copies = ordinary1Copies(b.Ordinary1);
    for (int i = 0; i < copies.Count; ++i)
        layPieceCopy(targets, r.Ordinary1, kPartKeyColours[kFirstOrderZone],
                     copies.Copies[std::size_t(i)]);
}

void layOrdinary2(const BlazonRecord& b, const Renderer& r, const PieceTargets& targets) {
    if (!ordinaryDrawn(b.Ordinary2, 2)) return;
    const PieceCopy whole{0, 0, kCanvasWidth, kCanvasHeight, 0, 0, kCanvasWidth, kCanvasHeight};
    layPieceCopy(targets, r.Ordinary2, kPartKeyColours[kSecondOrderZone], whole);
}

}  // namespace tess
