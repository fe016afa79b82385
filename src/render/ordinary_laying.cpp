#include "render/ordinary_laying.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/renderer.h"

namespace tess {

namespace {

int sourceOffset(std::int64_t i, int sourceSize, int destSize) {
    return int(i * sourceSize / destSize);
}

}  // namespace

bool ordinaryDrawn(const OrdinaryRecord& piece, int order) {
    if (piece.Present == 0) return false;
    return order == 1 ? piece.Type >= 1 && piece.Type <= 9 : piece.Type >= 10 && piece.Type <= 22;
}

void layPieceCopy(Surface& target, const OrdinarySurfaces& piece, const PieceCopy& c,
                  PieceTarget how) {
    const Surface& mask = piece.MaskDC;
    const Surface& paint = how == PieceTarget::Canvas ? piece.ImageDC : piece.Image2DC;
    if (c.DestW <= 0 || c.DestH <= 0 || c.SourceW <= 0 || c.SourceH <= 0) return;
    const int sourceW = std::min(mask.width(), paint.width());
    const int sourceH = std::min(mask.height(), paint.height());
    const int x0 = std::max(c.DestX, 0), x1 = std::min(c.DestX + c.DestW, target.width());
    const int y0 = std::max(c.DestY, 0), y1 = std::min(c.DestY + c.DestH, target.height());
    if (x0 >= x1 || y0 >= y1) return;

    // Source column of every destination column, -1 where it leaves the pictures.
    std::vector<int> column(std::size_t(x1 - x0));
    for (int x = x0; x < x1; ++x) {
        const int sx = c.SourceX + sourceOffset(x - c.DestX, c.SourceW, c.DestW);
        column[std::size_t(x - x0)] = sx >= 0 && sx < sourceW ? sx : -1;
    }
    for (int y = y0; y < y1; ++y) {
        const int sy = c.SourceY + sourceOffset(y - c.DestY, c.SourceH, c.DestH);
        if (sy < 0 || sy >= sourceH) continue;
        const Colour* m = mask.row(sy);
        const Colour* p = paint.row(sy);
        Colour* d = target.row(y) + x0;
        const int n = x1 - x0;
        if (how == PieceTarget::Canvas) {
            for (int i = 0; i < n; ++i) {
                const int sx = column[std::size_t(i)];
                if (sx >= 0) d[i] = (d[i] & m[sx]) ^ p[sx];
            }
        } else {
            // The key picture holds the key colour inside and the line colour
            // on the edges: both replace the map's pixel wherever the mask is
            // not white.
            for (int i = 0; i < n; ++i) {
                const int sx = column[std::size_t(i)];
                if (sx >= 0 && m[sx] != kWhite) d[i] = p[sx];
            }
        }
    }
}

void layOrdinary1(const BlazonRecord& b, const Renderer& r, Surface& target, PieceTarget how) {
    if (!ordinaryDrawn(b.Ordinary1, 1)) return;
    const PieceCopies copies = ordinary1Copies(b.Ordinary1);
    for (int i = 0; i < copies.Count; ++i)
        layPieceCopy(target, r.Ordinary1, copies.Copies[std::size_t(i)], how);
}

void layOrdinary2(const BlazonRecord& b, const Renderer& r, Surface& target, PieceTarget how) {
    if (!ordinaryDrawn(b.Ordinary2, 2)) return;
    const PieceCopy whole{0, 0, kCanvasWidth, kCanvasHeight, 0, 0, kCanvasWidth, kCanvasHeight};
    layPieceCopy(target, r.Ordinary2, whole, how);
}

}  // namespace tess
