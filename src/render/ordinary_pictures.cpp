#include "render/ordinary_pictures.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "render/key_colours.h"
#include "render/pixel_rows.h"
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

// Whether none of eight pixels is marked.
bool unmarkedEight(const Colour* p, Pixels4 background) {
    const Pixels4 any = (load4(p) ^ background) | (load4(p + 4) ^ background);
    return (any[0] | any[1] | any[2] | any[3]) == 0;
}

// The span [first, last) of a work row that holds anything but the surface's
// background (the piece, its edges, a pocket given back to the field); first ==
// last when the row holds none. Most of a row is background: it is skipped
// eight pixels at a time.
std::pair<int, int> markedSpan(const Colour* row, int w, Colour background) {
    const Pixels4 background4 = all4(background);
    int first = 0;
    while (first + 8 <= w && unmarkedEight(row + first, background4)) first += 8;
    while (first < w && row[first] == background) ++first;
    int last = w;
    while (last - 8 >= first && unmarkedEight(row + last - 8, background4)) last -= 8;
    while (last > first && row[last - 1] == background) --last;
    return {first, last};
}

bool sized(const Surface& s, int w, int h) {
    return s.width() == w && s.height() == h;
}

// The pixels [from, to) of one row of the mask and the key picture, from the
// marking: the piece black and in `key`, its edges in the line colour, the
// rest white and black.
void writeMaskAndKey(const Colour* s, Colour* m, Colour* k, Colour key, int from, int to) {
    const Pixels4 key4 = all4(key), line4 = all4(kLineColour), white4 = all4(kWhite);
    int x = from;
    for (; x + 4 <= to; x += 4) {
        const Pixels4 c = load4(s + x);
        const Pixels4 inside = equal4(c, key4), edge = equal4(c, line4);
        store4(m + x, (edge & line4) | (~(inside | edge) & white4));
        store4(k + x, (inside & key4) | (edge & line4));
    }
    for (; x < to; ++x) {
        const Colour c = s[x];
        m[x] = c == key ? kBlack : c == kLineColour ? kLineColour : kWhite;
        k[x] = c == key ? key : c == kLineColour ? kLineColour : kBlack;
    }
}

// Inside the piece `inside`, on its edges `edge`, black elsewhere.
void writeSolid(const Colour* s, Colour* d, Colour key, Colour inside, Colour edge, int from,
                int to) {
    const Pixels4 key4 = all4(key), line4 = all4(kLineColour);
    const Pixels4 inside4 = all4(inside), edge4 = all4(edge);
    int x = from;
    for (; x + 4 <= to; x += 4) {
        const Pixels4 c = load4(s + x);
        store4(d + x, (equal4(c, key4) & inside4) | (equal4(c, line4) & edge4));
    }
    for (; x < to; ++x) d[x] = s[x] == key ? inside : s[x] == kLineColour ? edge : kBlack;
}

// Inside the piece the picture's pixel, on its edges that pixel cut to
// `edgeAnd` or else the line colour (`edgeOr`), black elsewhere; the picture's
// row `p` starts at column `left` of the work surface.
void writePicture(const Colour* s, const Colour* p, int left, Colour* d, Colour key, Colour edgeAnd,
                  Colour edgeOr, int from, int to) {
    const Pixels4 key4 = all4(key), line4 = all4(kLineColour);
    const Pixels4 and4 = all4(edgeAnd), or4 = all4(edgeOr);
    int x = from;
    for (; x + 4 <= to; x += 4) {
        const Pixels4 c = load4(s + x), v = load4(p + (x - left));
        store4(d + x, (equal4(c, key4) & v) | (equal4(c, line4) & ((v & and4) | or4)));
    }
    for (; x < to; ++x) {
        const Colour c = s[x], v = p[x - left];
        d[x] = c == key ? v : c == kLineColour ? (v & edgeAnd) | edgeOr : kBlack;
    }
}

}  // namespace

void buildPiecePictures(const Surface& work, Colour key, const PieceEmail* email,
                        OrdinarySurfaces& piece) {
    const int w = work.width(), h = work.height();
    // Pictures of another size, or not built here last time, are written whole.
    bool known = int(piece.MaskSpans.size()) == h;
    if (!sized(piece.mask, w, h)) piece.mask = Surface(w, h, kWhite), known = false;
    if (!sized(piece.keyPicture, w, h)) piece.keyPicture = Surface(w, h, kBlack), known = false;
    if (!sized(piece.colouredPicture, w, h))
        piece.colouredPicture = Surface(w, h, kBlack), known = false;
    if (!known) piece.MaskSpans.assign(std::size_t(h), {0, w});

    const Surface* picture = email ? email->Picture : nullptr;
    const Colour edgeAnd = email ? email->EdgeBits.value_or(0) : 0;
    const Colour edgeOr = email && email->EdgeBits ? 0 : kLineColour;
    const Colour background = work.background();
    for (int y = 0; y < h; ++y) {
        const Colour* s = work.row(y);
        const std::pair<int, int> now = markedSpan(s, w, background);
        std::pair<int, int>& before = piece.MaskSpans[std::size_t(y)];
        int from = now.first, to = now.second;
        if (before.first < before.second)
            from = std::min(from, before.first), to = std::max(to, before.second);
        if (now.first >= now.second) from = before.first, to = before.second;
        before = now.first < now.second ? now : std::pair<int, int>{0, 0};
        from = std::max(from, 0);
        to = std::min(to, w);
        if (from >= to) continue;

        writeMaskAndKey(s, piece.mask.row(y), piece.keyPicture.row(y), key, from, to);
        if (!email) continue;
        Colour* d = piece.colouredPicture.row(y);
        if (!picture) {
            writeSolid(s, d, key, email->Fill, kLineColour, from, to);
            continue;
        }
        // Where the picture ends the piece is black and its edges the line
        // colour; the columns it covers are read straight along its row.
        const int py = y - email->PictureY;
        int a = to, b = to;
        if (py >= 0 && py < picture->height()) {
            a = std::clamp(email->PictureX, from, to);
            b = std::clamp(email->PictureX + picture->width(), a, to);
        }
        writeSolid(s, d, key, kBlack, kLineColour, from, a);
        if (a < b)
            writePicture(s, picture->row(py), email->PictureX, d, key, edgeAnd, edgeOr, a, b);
        writeSolid(s, d, key, kBlack, kLineColour, b, to);
    }
}

void clearMarking(Surface& work, const OrdinarySurfaces& piece) {
    if (int(piece.MaskSpans.size()) != work.height()) {
        work.clear();
        return;
    }
    const Colour background = work.background();
    for (int y = 0; y < work.height(); ++y) {
        const auto [first, last] = piece.MaskSpans[std::size_t(y)];
        const int from = std::max(first, 0), to = std::min(last, work.width());
        if (from < to) std::fill(work.row(y) + from, work.row(y) + to, background);
    }
}

void paintPieceHatching(OrdinarySurfaces& piece, Colour key, const Brush& hatch) {
    // A page is hatched region by region, each from a pixel of its own.
    Surface& image = piece.colouredPicture;
    image = piece.keyPicture;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.row(y)[x] == key) HatchRegion(image, x, y, hatch);
}

}  // namespace tess
