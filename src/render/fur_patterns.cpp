#include "render/fur_patterns.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/tinctures.h"
#include "render/renderer.h"
#include "resources/pictures.h"

namespace tess {

namespace {

struct FurRepeat {
    int Xo;
    int Yo;
};

// How far apart the copies of each fur picture lie when it is tiled; the
// pictures are drawn to join seamlessly at these offsets.
FurRepeat furRepeat(int furCode) {
    switch (furCode) {
        case kVair:
            return {265, 330};
        case kContreVair:
            return {260, 335};
        case kVairEnPal:
            return {265, 336};
        default:
            return {254, 311};  // the ermines
    }
}

void tileFur(Surface& pattern, const Surface& picture, FurRepeat rep) {
    const int w = pattern.width();
    const int h = pattern.height();
    const int pw = picture.width();
    const int ph = picture.height();
    BitBlt(pattern, 0, 0, pw, ph, picture, 0, 0, RasterOp::Copy);
    BitBlt(pattern, rep.Xo, 0, w - rep.Xo, ph, picture, 0, 0, RasterOp::Copy);
    BitBlt(pattern, rep.Xo, rep.Yo, w - rep.Xo, h - rep.Yo, picture, 0, 0, RasterOp::Copy);
    BitBlt(pattern, 0, rep.Yo, pw, h - rep.Yo, picture, 0, 0, RasterOp::Copy);
}

int wrap(int v, int n) {
    const int m = v % n;
    return m < 0 ? m + n : m;
}

int floorDiv(int v, int n) {
    return v >= 0 ? v / n : -((-v + n - 1) / n);
}

// A user fur cut to a piece (`dest` := fur AND NOT `shape`): the shield shows
// the fur's own picture, the margins the same tiling carried on, row of tiles
// by row of tiles, each shifted by the fur's step from the one above, so the
// pattern runs on without a seam wherever a repeated piece shows the margins.
void fillFromUserFurTile(Surface& dest, const Surface& shape, int w, int h, const Surface& picture,
                         const Surface& tile, int rowShiftPercent) {
    const int tw = tile.width(), th = tile.height();
    const int step = userFurRowStep(tw, rowShiftPercent);
    // The tile column of every surface column and shift, worked out once.
    std::vector<int> column(std::size_t(std::max(w, 0) + tw));
    for (std::size_t i = 0; i < column.size(); ++i) column[i] = wrap(int(i) - kBigMargin, tw);
    for (int y = 0; y < h; ++y) {
        const int sy = y - kBigMargin;
        const int shift = wrap(floorDiv(sy, th) * step, tw);
        const Colour* t = tile.row(wrap(sy, th));
        const int* c = column.data() + shift;
        Colour* d = dest.row(y);
        const Colour* s = shape.row(y);
        int from = w, to = w;  // the columns the picture covers on this row
        if (sy >= 0 && sy < picture.height()) {
            from = std::clamp(kBigMargin, 0, w);
            to = std::clamp(kBigMargin + picture.width(), from, w);
        }
        for (int x = 0; x < from; ++x) d[x] = t[c[x]] & (s[x] ^ kWhite);
        if (from < to) {
            const Colour* p = picture.row(sy);
            for (int x = from; x < to; ++x) d[x] = p[x - kBigMargin] & (s[x] ^ kWhite);
        }
        for (int x = to; x < w; ++x) d[x] = t[c[x]] & (s[x] ^ kWhite);
    }
}

}  // namespace

void BuildFurPatterns(Renderer& r) {
    for (int code = kFirstBuiltInFur; code <= kLastBuiltInFur; ++code) {
        Surface& pattern = r.builtInFurPictures[std::size_t(code - kFirstBuiltInFur)];
        pattern = Surface(kBigWidth, kBigHeight, kBlack);
        tileFur(pattern, furPicture(code), furRepeat(code));
    }
}

void FillOrdinaryWithFur(Renderer& r, Surface& dest, const Surface& shape, Long fur,
                         int userFurRowShift) {
    const int w = std::min(dest.width(), shape.width());
    const int h = std::min(dest.height(), shape.height());
    if (fur >= kFirstBuiltInFur && fur <= kLastBuiltInFur) {
        const Surface& pattern = r.builtInFurPictures[std::size_t(fur - kFirstBuiltInFur)];
        if (pattern.width() >= w && pattern.height() >= h) {
            for (int y = 0; y < h; ++y) {
                Colour* d = dest.row(y);
                const Colour* s = shape.row(y);
                const Colour* p = pattern.row(y);
                for (int x = 0; x < w; ++x) d[x] = p[x] & (s[x] ^ kWhite);
            }
            return;
        }
    }
    const Surface* tile = nullptr;
    if (fur >= kFirstUserFur && fur <= kLastUserFur)
        tile = &r.UserFurTiles[std::size_t(fur - kFirstUserFur)];
    FillPieceWithFurPicture(dest, shape, r.furPicture(fur), tile, userFurRowShift);
}

void FillPieceWithFurPicture(Surface& dest, const Surface& shape, const Surface* picture,
                             const Surface* tile, int rowShift) {
    const int w = std::min(dest.width(), shape.width());
    const int h = std::min(dest.height(), shape.height());
    if (!picture) {
        for (int y = 0; y < h; ++y) std::fill(dest.row(y), dest.row(y) + w, kBlack);
        return;
    }
    if (tile && !tile->empty()) {
        fillFromUserFurTile(dest, shape, w, h, *picture, *tile, rowShift);
        return;
    }
    // A fur picture with no tile behind it is repeated whole over the
    // margins. The picture column of every surface column is worked out once:
    // a division per pixel would cost more than the rest of the fill.
    std::vector<int> column(std::size_t(std::max(w, 0)));
    for (int x = 0; x < w; ++x) column[std::size_t(x)] = wrap(x - kBigMargin, picture->width());
    for (int y = 0; y < h; ++y) {
        Colour* d = dest.row(y);
        const Colour* s = shape.row(y);
        const Colour* p = picture->row(wrap(y - kBigMargin, picture->height()));
        for (int x = 0; x < w; ++x) d[x] = p[column[std::size_t(x)]] & (s[x] ^ kWhite);
    }
}

int userFurRowStep(int tileWidth, int rowShiftPercent) {
    // An integer product and a single-precision division, as the fur editor
    // works it out. Rounding the running offset after each row (halves to
    // even) comes to adding this rounded step every row: the offsets stay
    // even whenever the step ends in a half.
    return int(std::lrint(float(rowShiftPercent * tileWidth) / 100.0f));
}

void OverlayFur(Surface& canvas, const Surface& keyMap, int keyX, int keyY, Colour key,
                const Surface& fur) {
    const int x0 = std::max(0, -keyX);
    const int y0 = std::max(0, -keyY);
    const int x1 = std::min({canvas.width(), fur.width(), keyMap.width() - keyX});
    const int y1 = std::min({canvas.height(), fur.height(), keyMap.height() - keyY});
    for (int y = y0; y < y1; ++y) {
        Colour* c = canvas.row(y);
        const Colour* k = keyMap.row(y + keyY) + keyX;
        const Colour* f = fur.row(y);
        for (int x = x0; x < x1; ++x)
            if (k[x] == key) c[x] = f[x];
    }
}

}  // namespace tess
