#include "render/ordinary_laying.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/ordinary1_outline.h"
#include "render/ordinary2_outline.h"
#include "render/renderer.h"

namespace tess {

namespace {

int sourceOffset(std::int64_t i, int sourceSize, int destSize) {
    return int(i * sourceSize / destSize);
}

}  // namespace

bool ordinaryDrawn(const OrdinaryRecord& piece, int order) {
    if (piece.Present == 0) return false;
    return order == 1 ? isOrdinary1Type(piece.Type) : isOrdinary2Type(piece.Type);
}

void layPieceCopy(const PieceTargets& targets, const OrdinarySurfaces& piece, const PieceCopy& c) {
    Surface* canvas = targets.Canvas;
    Surface* keyMap = targets.KeyMap;
    const Surface& mask = piece.MaskDC;
    const Surface& image = piece.ImageDC;
    const Surface& key = piece.Image2DC;
    if (c.DestW <= 0 || c.DestH <= 0 || c.SourceW <= 0 || c.SourceH <= 0) return;
    if (!canvas && !keyMap) return;
    int targetW = 1 << 30, targetH = 1 << 30;
    for (const Surface* t : {canvas, keyMap})
        if (t) targetW = std::min(targetW, t->width()), targetH = std::min(targetH, t->height());
    int sourceW = mask.width(), sourceH = mask.height();
    for (const Surface* s : {canvas ? &image : nullptr, keyMap ? &key : nullptr})
        if (s) sourceW = std::min(sourceW, s->width()), sourceH = std::min(sourceH, s->height());
    const int x0 = std::max(c.DestX, 0), x1 = std::min(c.DestX + c.DestW, targetW);
    const int y0 = std::max(c.DestY, 0), y1 = std::min(c.DestY + c.DestH, targetH);
    if (x0 >= x1 || y0 >= y1) return;

    // Source column of every destination column; never decreasing, so the
    // destination columns of a source span are found by search.
    std::vector<int> column(std::size_t(x1 - x0));
    for (int x = x0; x < x1; ++x)
        column[std::size_t(x - x0)] = c.SourceX + sourceOffset(x - c.DestX, c.SourceW, c.DestW);
    const bool spans = int(piece.MaskSpans.size()) >= sourceH;
    const bool straight = c.SourceW == c.DestW;

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
        const int* col = column.data();
        const Colour* m = mask.row(sy);
        // A copy at the pictures' own size reads them straight along the row.
        const int shift = straight ? c.SourceX + x0 - c.DestX : 0;
        if (canvas) {
            const Colour* p = image.row(sy);
            Colour* d = canvas->row(y) + x0;
            if (straight) {
                const Colour *ms = m + shift, *ps = p + shift;
                for (int i = from; i < to; ++i) d[i] = (d[i] & ms[i]) ^ ps[i];
            } else {
                for (int i = from; i < to; ++i) d[i] = (d[i] & m[col[i]]) ^ p[col[i]];
            }
        }
        if (keyMap) {
            // The key picture holds the key colour inside and the line colour
            // on the edges: both replace the map's pixel wherever the mask is
            // not white.
            const Colour* k = key.row(sy);
            Colour* d = keyMap->row(y) + x0;
            if (straight) {
                const Colour *ms = m + shift, *ks = k + shift;
                for (int i = from; i < to; ++i)
                    if (ms[i] != kWhite) d[i] = ks[i];
            } else {
                for (int i = from; i < to; ++i)
                    if (m[col[i]] != kWhite) d[i] = k[col[i]];
            }
        }
    }
}

void layOrdinary1(const BlazonRecord& b, const Renderer& r, const PieceTargets& targets) {
    if (!ordinaryDrawn(b.Ordinary1, 1)) return;
    const PieceCopies copies = ordinary1Copies(b.Ordinary1);
    for (int i = 0; i < copies.Count; ++i)
        layPieceCopy(targets, r.Ordinary1, copies.Copies[std::size_t(i)]);
}

void layOrdinary2(const BlazonRecord& b, const Renderer& r, const PieceTargets& targets) {
    if (!ordinaryDrawn(b.Ordinary2, 2)) return;
    const PieceCopy whole{0, 0, kCanvasWidth, kCanvasHeight, 0, 0, kCanvasWidth, kCanvasHeight};
    layPieceCopy(targets, r.Ordinary2, whole);
}

}  // namespace tess
