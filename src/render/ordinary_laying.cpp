#include "render/ordinary_laying.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <tuple>
#include <utility>
#include <vector>

#include "render/key_colours.h"
#include "render/nearest_steps.h"
#include "render/ordinary1_outline.h"
#include "render/ordinary2_outline.h"
#include "render/pixel_rows.h"
#include "render/renderer.h"
#include "render/row_runs.h"

namespace tess {

namespace {

// The second-order piece's one copy: its pictures as they stand.
PieceCopy wholeShield() {
    return {0, 0, kCanvasWidth, kCanvasHeight, 0, 0, kCanvasWidth, kCanvasHeight};
}

// One destination row of a copy, columns [from, to): the laid picture takes
// the mask by AND and the picture by XOR, as a canvas would; the laid zone is
// replaced wherever the mask is not white, by the piece's key colour where the
// mask is black and by the mask's own line colour on the edges (the key
// picture holds exactly these, so it need not be read); the laid mask takes
// the mask by AND. A straight copy reads the source row from `shift` on, four
// pixels a step; a stretched one through `col`.
template <bool Straight>
void layRow(Colour* __restrict picture, Colour* __restrict zone, Colour* __restrict mask,
            const Colour* __restrict m, const Colour* __restrict p, const int* __restrict col,
            int shift, Colour key, int from, int to) {
    int i = from;
    if constexpr (Straight) {
        const Pixels4 white = all4(kWhite), black = all4(kBlack), key4 = all4(key);
        for (; i + 4 <= to; i += 4) {
            const Pixels4 mv = load4(m + shift + i);
            store4(picture + i, (load4(picture + i) & mv) ^ load4(p + shift + i));
            store4(zone + i, select4(equal4(mv, white), load4(zone + i),
                                     select4(equal4(mv, black), key4, mv)));
            store4(mask + i, load4(mask + i) & mv);
        }
    }
    for (; i < to; ++i) {
        const int s = Straight ? shift + i : col[i];
        const Colour mv = m[s];
        picture[i] = (picture[i] & mv) ^ p[s];
        zone[i] = mv == kWhite ? zone[i] : mv == kBlack ? key : mv;
        mask[i] &= mv;
    }
}

// What the laying of one copy needs from row to row: the destination block
// [x0, x1) x [y0, y1) it covers on the shield, the source column of each of
// its columns, and the source row of the current destination row.
struct CopyRows {
    int x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    // Source column of every destination column; never decreasing, so the
    // destination columns of a source span are found by search.
    std::vector<int> column;
    // A copy at the pictures' own size reads them straight along the row.
    bool straight = false;
    int shift = 0;
    int sourceY = 0;
    NearestSteps rows{0, 0, 1};
};

// The rows of copy `c`; false when it reaches no pixel of the shield.
bool copyRows(const PieceCopy& c, CopyRows& out) {
    if (c.DestW <= 0 || c.DestH <= 0 || c.SourceW <= 0 || c.SourceH <= 0) return false;
    out.x0 = std::max(c.DestX, 0), out.x1 = std::min(c.DestX + c.DestW, kCanvasWidth);
    out.y0 = std::max(c.DestY, 0), out.y1 = std::min(c.DestY + c.DestH, kCanvasHeight);
    if (out.x0 >= out.x1 || out.y0 >= out.y1) return false;
    out.column.resize(std::size_t(out.x1 - out.x0));
    NearestSteps columns(out.x0 - c.DestX, c.SourceW, c.DestW);
    for (int& sx : out.column) {
        sx = c.SourceX + columns.value();
        columns.up();
    }
    out.straight = c.SourceW == c.DestW;
    out.shift = out.straight ? c.SourceX + out.x0 - c.DestX : 0;
    out.sourceY = c.SourceY;
    out.rows = NearestSteps(out.y0 - c.DestY, c.SourceH, c.DestH);
    return true;
}

// Lays row y of one copy (y within its rows) and steps it to the next row;
// [lo, hi) grows to take the columns written.
void layCopyRow(LaidPiece& laid, const OrdinarySurfaces& piece, Colour key, CopyRows& c, int y,
                int& lo, int& hi) {
    const Surface& mask = piece.mask;
    const Surface& image = piece.colouredPicture;
    const int sourceW = std::min(mask.width(), image.width());
    const int sourceH = std::min(mask.height(), image.height());
    const int sy = c.sourceY + c.rows.value();
    c.rows.up();
    if (sy < 0 || sy >= sourceH) return;
    // Past the ends of its span a mask row is white: nothing changes there.
    int first = 0, last = sourceW;
    if (int(piece.MaskSpans.size()) >= sourceH) {
        first = std::max(piece.MaskSpans[std::size_t(sy)].first, 0);
        last = std::min(piece.MaskSpans[std::size_t(sy)].second, sourceW);
    }
    if (first >= last) return;
    const int from =
        int(std::lower_bound(c.column.begin(), c.column.end(), first) - c.column.begin());
    const int to = int(std::lower_bound(c.column.begin(), c.column.end(), last) - c.column.begin());
    if (from >= to) return;
    Colour* picture = laid.picture.row(y) + c.x0;
    Colour* zone = laid.zone.row(y) + c.x0;
    Colour* maskOut = laid.mask.row(y) + c.x0;
    if (c.straight)
        layRow<true>(picture, zone, maskOut, mask.row(sy), image.row(sy), c.column.data(), c.shift,
                     key, from, to);
    else
        layRow<false>(picture, zone, maskOut, mask.row(sy), image.row(sy), c.column.data(), c.shift,
                      key, from, to);
    lo = std::min(lo, c.x0 + from);
    hi = std::max(hi, c.x0 + to);
}

}  // namespace

bool ordinaryDrawn(const OrdinaryRecord& piece, int order) {
    if (piece.Present == 0) return false;
    return order == 1 ? isOrdinary1Type(piece.Type) : isOrdinary2Type(piece.Type);
}

namespace {

bool shieldSized(const Surface& s) {
    return s.width() == kCanvasWidth && s.height() == kCanvasHeight;
}

// `s` of the shield's size, all `c`.
void blank(Surface& s, Colour c) {
    if (!shieldSized(s))
        s = Surface(kCanvasWidth, kCanvasHeight, c);
    else
        fillSurface(s, c);
}

// The laid surfaces' runs, opened afresh for the rows to come.
void openRuns(RowRuns& runs) {
    runs.Runs.clear();
    runs.RowStart.assign(std::size_t(kCanvasHeight) + 1, 0);
}
void closeRow(RowRuns& runs, int y) {
    runs.RowStart[std::size_t(y) + 1] = int(runs.Runs.size());
}

// Appends `run` to the current row of `runs`, merged with the last one when
// `open` and of the same value.
void addRun(RowRuns& runs, bool& open, int from, int to, Colour value) {
    if (open && runs.Runs.back().Value == value)
        runs.Runs.back().To = std::int16_t(to);
    else
        runs.Runs.push_back({std::int16_t(from), std::int16_t(to), value});
    open = true;
}

// Row [lo, hi)'s stamp runs of the laid mask and runs of the laid zone, in
// one walk along the mask. White zone: no copy reached the pixel (the laying
// never writes white), and the mask stayed white there, as the picture stayed
// black; so the zone is read only along the mask's other runs.
void appendLaidRuns(LaidPiece& laid, const Colour* mask, const Colour* zone, int lo, int hi) {
    bool stampOpen = false, zoneOpen = false;
    for (int x = lo; x < hi;) {
        const Colour m = mask[x];
        const int start = x;
        x += sameRun(mask + x, hi - x, m);
        if (m == kWhite) {
            stampOpen = zoneOpen = false;
            continue;
        }
        addRun(laid.CanvasRuns, stampOpen, start, x, stampOf(m, false));
        for (int z = start; z < x;) {
            const Colour c = zone[z];
            const int from = z;
            z += sameRun(zone + z, x - z, c);
            if (c == kWhite)
                zoneOpen = false;
            else
                addRun(laid.ZoneRuns, zoneOpen, from, z, c);
        }
    }
}

// The copies laid in turn, one pass over the shield's rows: each row is
// first brought back to no copy laid (mask and zone white, picture black),
// then takes every copy reaching it, in order, and gives its runs while it is
// still at hand. All the last laying changed lies in its mask's runs (the
// zone is white and the picture black wherever the mask is), so only from
// the first to the last of each row's runs is cleared, and only the columns
// the copies wrote are read for the runs: whole passes over the three
// surfaces cost more than the laying of a thin piece.
void layCopies(LaidPiece& laid, const OrdinarySurfaces& piece, Colour key,
               const PieceCopies& copies) {
    RowRuns last;
    if (!shieldSized(laid.mask) || !shieldSized(laid.picture) || !shieldSized(laid.zone) ||
        !laid.CanvasRuns.hasRows(kCanvasHeight)) {
        blank(laid.mask, kWhite);
        blank(laid.picture, kBlack);
        blank(laid.zone, kWhite);
    } else {
        last = std::move(laid.CanvasRuns);
    }
    std::array<CopyRows, std::tuple_size_v<decltype(copies.Copies)>> rows;
    int count = 0;
    for (int i = 0; i < copies.Count; ++i)
        if (copyRows(copies.Copies[std::size_t(i)], rows[std::size_t(count)])) ++count;
    openRuns(laid.CanvasRuns);
    openRuns(laid.ZoneRuns);
    const bool clearing = last.hasRows(kCanvasHeight);
    for (int y = 0; y < kCanvasHeight; ++y) {
        Colour* mask = laid.mask.row(y);
        Colour* zone = laid.zone.row(y);
        if (clearing && last.begin(y) != last.end(y)) {
            const int from = last.begin(y)->From, n = (last.end(y) - 1)->To - from;
            fillRow(mask + from, n, kWhite);
            fillRow(laid.picture.row(y) + from, n, kBlack);
            fillRow(zone + from, n, kWhite);
        }
        int lo = kCanvasWidth, hi = 0;
        for (int i = 0; i < count; ++i) {
            CopyRows& c = rows[std::size_t(i)];
            if (y >= c.y0 && y < c.y1) layCopyRow(laid, piece, key, c, y, lo, hi);
        }
        appendLaidRuns(laid, mask, zone, lo, hi);
        closeRow(laid.CanvasRuns, y);
        closeRow(laid.ZoneRuns, y);
    }
}

}  // namespace

void layOutPiece(OrdinarySurfaces& piece, Colour key, const PieceCopies& copies) {
    layCopies(piece.Laid, piece, key, copies);
    piece.Laid.Drawing = newDrawingNumber();
}

void layOutOrdinary1(OrdinarySurfaces& piece, const OrdinaryRecord& record) {
    layOutPiece(piece, kPartKeyColours[kFirstOrderZone], ordinary1Copies(record));
}

void layOutOrdinary2(OrdinarySurfaces& piece) {
    PieceCopies one;
    one.Copies[0] = wholeShield();
    one.Count = 1;
    layOutPiece(piece, kPartKeyColours[kSecondOrderZone], one);
}

void layOnCanvas(Surface& canvas, const LaidPiece& laid) {
    if (!laid.CanvasRuns.hasRows(kCanvasHeight) || canvas.width() < kCanvasWidth ||
        canvas.height() < kCanvasHeight)
        return;
    for (int y = 0; y < kCanvasHeight; ++y) {
        Colour* c = canvas.row(y);
        const Colour* m = laid.mask.row(y);
        const Colour* p = laid.picture.row(y);
        for (const RowRun* run = laid.CanvasRuns.begin(y); run != laid.CanvasRuns.end(y); ++run) {
            const int n = run->To - run->From;
            // Where the mask is black the pixel comes to the picture's.
            if (run->Value == kStampCopy)
                std::memcpy(c + run->From, p + run->From, std::size_t(n) * sizeof(Colour));
            else
                andXorRow(c + run->From, m + run->From, p + run->From, n);
        }
    }
}

}  // namespace tess
