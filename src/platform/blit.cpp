// Block copies with raster operations. Both copies clip to the destination and
// leave alone every destination pixel whose source pixel lies off the source.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/surface.h"

namespace tess {

namespace {

// One destination run against its source pixels; `sourceColumn` gives, per
// destination pixel, the source column (negative: off the source, untouched).
template <RasterOp op>
void combineRun(Colour* d, const Colour* s, const int* sourceColumn, int n) {
    for (int i = 0; i < n; ++i) {
        const int sx = sourceColumn[i];
        if (sx < 0) continue;
        if constexpr (op == RasterOp::Copy) d[i] = s[sx];
        if constexpr (op == RasterOp::And) d[i] &= s[sx];
        if constexpr (op == RasterOp::Xor) d[i] ^= s[sx];
        if constexpr (op == RasterOp::Or) d[i] |= s[sx];
    }
}

void combine(RasterOp op, Colour* d, const Colour* s, const int* sourceColumn, int n) {
    switch (op) {
        case RasterOp::Copy:
            combineRun<RasterOp::Copy>(d, s, sourceColumn, n);
            break;
        case RasterOp::And:
            combineRun<RasterOp::And>(d, s, sourceColumn, n);
            break;
        case RasterOp::Xor:
            combineRun<RasterOp::Xor>(d, s, sourceColumn, n);
            break;
        case RasterOp::Or:
            combineRun<RasterOp::Or>(d, s, sourceColumn, n);
            break;
        case RasterOp::Blackness:
            std::fill_n(d, n, kBlack);
            break;
    }
}

// Straight copies run over contiguous rows without the column table.
void combineStraight(RasterOp op, Colour* d, const Colour* s, int n) {
    switch (op) {
        case RasterOp::Copy:
            std::copy_n(s, n, d);
            break;
        case RasterOp::And:
            for (int i = 0; i < n; ++i) d[i] &= s[i];
            break;
        case RasterOp::Xor:
            for (int i = 0; i < n; ++i) d[i] ^= s[i];
            break;
        case RasterOp::Or:
            for (int i = 0; i < n; ++i) d[i] |= s[i];
            break;
        case RasterOp::Blackness:
            std::fill_n(d, n, kBlack);
            break;
    }
}

// Maps destination box coordinate i (0..|dn|-1, from the box's near edge) to
// a source offset: nearest neighbour by the exact integer ratio, so a mask and
// its picture stretched to the same box pick the same source pixels.
int sourceOffset(std::int64_t i, int sn, int dn) {
    return int(i * std::int64_t(sn) / std::int64_t(dn));
}

}  // namespace

void BitBlt(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy,
            RasterOp op) {
    if (w <= 0 || h <= 0) return;
    if (op == RasterOp::Blackness) {
        dst.fillRect(dx, dy, dx + w, dy + h, Brush::solid(kBlack));
        return;
    }
    if (&dst == &src) {  // overlapping blocks: read from a still copy
        const Surface copy = src;
        BitBlt(dst, dx, dy, w, h, copy, sx, sy, op);
        return;
    }
    // Clip the block so that both its destination and its source stay inside.
    std::int64_t x0 = 0, x1 = w, y0 = 0, y1 = h;
    x0 = std::max<std::int64_t>({x0, -std::int64_t(dx), -std::int64_t(sx)});
    y0 = std::max<std::int64_t>({y0, -std::int64_t(dy), -std::int64_t(sy)});
    x1 = std::min<std::int64_t>(
        {x1, std::int64_t(dst.width()) - dx, std::int64_t(src.width()) - sx});
    y1 = std::min<std::int64_t>(
        {y1, std::int64_t(dst.height()) - dy, std::int64_t(src.height()) - sy});
    if (x0 >= x1 || y0 >= y1) return;
    const int n = int(x1 - x0);
    for (std::int64_t i = y0; i < y1; ++i)
        combineStraight(op, dst.row(int(dy + i)) + (dx + x0), src.row(int(sy + i)) + (sx + x0), n);
}

void StretchBlt(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy,
                int sw, int sh, RasterOp op) {
    if (dw == 0 || dh == 0 || sw == 0 || sh == 0) return;
    if (&dst == &src) {
        const Surface copy = src;
        StretchBlt(dst, dx, dy, dw, dh, copy, sx, sy, sw, sh, op);
        return;
    }
    // A negative extent turns a box around: the box is start+extent..start-1
    // and its first pixel is start-1. A negative source extent does the same
    // on the source, so the two cancel.
    const bool mirrorX = (dw < 0) != (sw < 0);
    const bool mirrorY = (dh < 0) != (sh < 0);
    const std::int64_t boxLeft = dw < 0 ? std::int64_t(dx) + dw : dx;
    const std::int64_t boxTop = dh < 0 ? std::int64_t(dy) + dh : dy;
    const std::int64_t srcLeft = sw < 0 ? std::int64_t(sx) + sw : sx;
    const std::int64_t srcTop = sh < 0 ? std::int64_t(sy) + sh : sy;
    const int bw = std::abs(dw), bh = std::abs(dh), aw = std::abs(sw), ah = std::abs(sh);

    const std::int64_t x0 = std::max<std::int64_t>(boxLeft, 0);
    const std::int64_t x1 = std::min<std::int64_t>(boxLeft + bw, dst.width());
    const std::int64_t y0 = std::max<std::int64_t>(boxTop, 0);
    const std::int64_t y1 = std::min<std::int64_t>(boxTop + bh, dst.height());
    if (x0 >= x1 || y0 >= y1) return;

    // Source column of every visible destination column, -1 when off the source.
    std::vector<int> column(std::size_t(x1 - x0));
    for (std::int64_t x = x0; x < x1; ++x) {
        const std::int64_t i = mirrorX ? boxLeft + bw - 1 - x : x - boxLeft;
        const std::int64_t c = srcLeft + sourceOffset(i, aw, bw);
        column[std::size_t(x - x0)] = (c >= 0 && c < src.width()) ? int(c) : -1;
    }
    for (std::int64_t y = y0; y < y1; ++y) {
        const std::int64_t j = mirrorY ? boxTop + bh - 1 - y : y - boxTop;
        const std::int64_t r = srcTop + sourceOffset(j, ah, bh);
        if (op != RasterOp::Blackness && (r < 0 || r >= src.height())) continue;
        const Colour* s = op == RasterOp::Blackness ? nullptr : src.row(int(r));
        combine(op, dst.row(int(y)) + x0, s, column.data(), int(x1 - x0));
    }
}

}  // namespace tess
