#include "render/ordinary_pictures.h"

#include <algorithm>
#include <utility>

#include "model/tinctures.h"
#include "model/workspace.h"
#include "render/key_colours.h"
#include "render/region_fill.h"
#include "render/renderer.h"

namespace tess {

void markPiece(Surface& work, Colour key, std::span<const SeedPoint> pieceSeeds,
               std::span<const SeedPoint> fieldSeeds) {
    const Brush piece = Brush::solid(key);
    for (const SeedPoint& s : pieceSeeds)
        if (work.contains(s.x, s.y) && work.pixel(s.x, s.y) != key)
            work.floodSurface(s.x, s.y, piece);
    // The field seeds only matter where they fall in the piece: everything the
    // piece floods did not reach is field anyway, which spares two floods of
    // the whole margin per redraw.
    const Brush field = Brush::solid(kWhite);
    for (const SeedPoint& s : fieldSeeds)
        if (work.pixel(s.x, s.y) == key) work.floodSurface(s.x, s.y, field);
}

namespace {

// Whether none of four pixels is the piece or its edges.
bool noneOfFour(const Colour* p, Colour key) {
    return ((p[0] != key) & (p[0] != kLineColour) & (p[1] != key) & (p[1] != kLineColour) &
            (p[2] != key) & (p[2] != kLineColour) & (p[3] != key) & (p[3] != kLineColour)) != 0;
}

// The span [first, last) of a work row that holds the piece or its edges;
// first == last when the row holds neither. Most of a row is field: it is
// skipped four pixels at a time.
std::pair<int, int> pieceSpan(const Colour* row, int w, Colour key) {
    int first = 0;
    while (first + 4 <= w && noneOfFour(row + first, key)) first += 4;
    while (first < w && row[first] != key && row[first] != kLineColour) ++first;
    int last = w;
    while (last - 4 >= first && noneOfFour(row + last - 4, key)) last -= 4;
    while (last > first && row[last - 1] != key && row[last - 1] != kLineColour) --last;
    return {first, last};
}

bool sized(const Surface& s, int w, int h) {
    return s.width() == w && s.height() == h;
}

}  // namespace

void buildPiecePictures(const Surface& work, Colour key, const PieceEmail* email,
                        OrdinarySurfaces& piece) {
    const int w = work.width(), h = work.height();
    // Pictures of another size, or not built here last time, are written whole.
    bool known = int(piece.MaskSpans.size()) == h;
    if (!sized(piece.MaskDC, w, h)) piece.MaskDC = Surface(w, h, kWhite), known = false;
    if (!sized(piece.Image2DC, w, h)) piece.Image2DC = Surface(w, h, kBlack), known = false;
    if (!sized(piece.ImageDC, w, h)) piece.ImageDC = Surface(w, h, kBlack), known = false;
    if (!known) piece.MaskSpans.assign(std::size_t(h), {0, w});

    const Surface* picture = email ? email->Picture : nullptr;
    for (int y = 0; y < h; ++y) {
        const Colour* s = work.row(y);
        const std::pair<int, int> now = pieceSpan(s, w, key);
        std::pair<int, int>& before = piece.MaskSpans[std::size_t(y)];
        int from = now.first, to = now.second;
        if (before.first < before.second)
            from = std::min(from, before.first), to = std::max(to, before.second);
        if (now.first >= now.second) from = before.first, to = before.second;
        before = now.first < now.second ? now : std::pair<int, int>{0, 0};
        from = std::max(from, 0);
        to = std::min(to, w);
        if (from >= to) continue;

        Colour* m = piece.MaskDC.row(y);
        Colour* k = piece.Image2DC.row(y);
        for (int x = from; x < to; ++x) {
            const Colour c = s[x];
            const bool inside = c == key, edge = c == kLineColour;
            m[x] = inside ? kBlack : edge ? kLineColour : kWhite;
            k[x] = inside ? key : edge ? kLineColour : kBlack;
        }
        if (!email) continue;
        Colour* d = piece.ImageDC.row(y);
        if (!picture) {
            for (int x = from; x < to; ++x) d[x] = k[x] == key ? email->Fill : k[x];
            continue;
        }
        const int py = y - email->PictureY;
        const Colour* p = py >= 0 && py < picture->height() ? picture->row(py) : nullptr;
        for (int x = from; x < to; ++x) {
            const int px = x - email->PictureX;
            const bool shown = p && px >= 0 && px < picture->width();
            d[x] = k[x] != key ? k[x] : shown ? p[px] : kBlack;
        }
    }
}

void paintPieceHatching(Workspace& ws, OrdinarySurfaces& piece, Colour key, Colour colour) {
    // A page is hatched region by region, each from a pixel of its own.
    Surface& image = piece.ImageDC;
    image = piece.Image2DC;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.row(y)[x] == key) FillRegion(ws, image, x, y, colour);
}

Colour zoneColour(const Workspace& ws, const PartRecord& zone) {
    const Long t = zone.Tincture >= 1 && zone.Tincture <= kTinctureCount ? zone.Tincture : 1;
    return Colour(ws.Tinctures[std::size_t(t)].Colour);
}

const Surface* zoneFur(const Renderer& r, const PartRecord& zone) {
    if (zone.Kind <= kClassInserted) return nullptr;
    return r.furPicture(zone.Kind);
}

}  // namespace tess
