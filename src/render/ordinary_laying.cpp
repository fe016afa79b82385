#include "render/ordinary_laying.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
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
// the mask by AND. A straight copy reads the source row from `shift` on; a
// stretched one through `col`.
template <bool Straight>
void layRow(Colour* __restrict picture, Colour* __restrict zone, Colour* __restrict mask,
            const Colour* __restrict m, const Colour* __restrict p, const int* __restrict col,
            int shift, Colour key, int from, int to) {
    for (int i = from; i < to; ++i) {
        const int s = Straight ? shift + i : col[i];
        const Colour mv = m[s];
        picture[i] = (picture[i] & mv) ^ p[s];
        zone[i] = mv == kWhite ? zone[i] : mv == kBlack ? key : mv;
        mask[i] &= mv;
    }
}

// Lays one copy of a prepared piece whose zone has the key colour `key`.
void layPieceCopy(LaidPiece& laid, const OrdinarySurfaces& piece, Colour key, const PieceCopy& c) {
    const Surface& mask = piece.mask;
    const Surface& image = piece.colouredPicture;
    if (c.DestW <= 0 || c.DestH <= 0 || c.SourceW <= 0 || c.SourceH <= 0) return;
    const int sourceW = std::min(mask.width(), image.width());
    const int sourceH = std::min(mask.height(), image.height());
    const int x0 = std::max(c.DestX, 0), x1 = std::min(c.DestX + c.DestW, kCanvasWidth);
    const int y0 = std::max(c.DestY, 0), y1 = std::min(c.DestY + c.DestH, kCanvasHeight);
    if (x0 >= x1 || y0 >= y1) return;

    // Source column of every destination column; never decreasing, so the
    // destination columns of a source span are found by search.
    std::vector<int> column(std::size_t(x1 - x0));
    NearestSteps columns(x0 - c.DestX, c.SourceW, c.DestW);
    for (int& sx : column) {
        sx = c.SourceX + columns.value();
        columns.up();
    }
    const bool spans = int(piece.MaskSpans.size()) >= sourceH;
    // A copy at the pictures' own size reads them straight along the row.
    const bool straight = c.SourceW == c.DestW;
    const int shift = straight ? c.SourceX + x0 - c.DestX : 0;

    NearestSteps rows(y0 - c.DestY, c.SourceH, c.DestH);
    for (int y = y0; y < y1; ++y, rows.up()) {
        const int sy = c.SourceY + rows.value();
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
        Colour* picture = laid.picture.row(y) + x0;
        Colour* zone = laid.zone.row(y) + x0;
        Colour* maskOut = laid.mask.row(y) + x0;
        if (straight)
            layRow<true>(picture, zone, maskOut, mask.row(sy), image.row(sy), column.data(), shift,
                         key, from, to);
        else
            layRow<false>(picture, zone, maskOut, mask.row(sy), image.row(sy), column.data(), shift,
                          key, from, to);
    }
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

// The laid surfaces back to no copy laid: mask and zone white, picture black.
// All the last laying changed lies in its mask's runs (the zone is white and
// the picture black wherever the mask is), so only from the first to the last
// of each row's runs is written; three whole fills cost more than the laying
// of a thin piece.
void clearLaid(LaidPiece& laid) {
    if (!shieldSized(laid.mask) || !shieldSized(laid.picture) || !shieldSized(laid.zone) ||
        !laid.CanvasRuns.hasRows(kCanvasHeight)) {
        blank(laid.mask, kWhite);
        blank(laid.picture, kBlack);
        blank(laid.zone, kWhite);
        return;
    }
    const RowRuns& runs = laid.CanvasRuns;
    for (int y = 0; y < kCanvasHeight; ++y) {
        if (runs.begin(y) == runs.end(y)) continue;
        const int from = runs.begin(y)->From, n = (runs.end(y) - 1)->To - from;
        fillRow(laid.mask.row(y) + from, n, kWhite);
        fillRow(laid.picture.row(y) + from, n, kBlack);
        fillRow(laid.zone.row(y) + from, n, kWhite);
    }
}

// Whether copy `c` is the pictures' window on the shield at their own size,
// laid row by row straight (`layStraight`).
bool isStraight(const OrdinarySurfaces& piece, const PieceCopy& c) {
    return c.SourceW == kCanvasWidth && c.SourceH == kCanvasHeight && c.DestX == 0 &&
           c.DestY == 0 && c.DestW == kCanvasWidth && c.DestH == kCanvasHeight && c.SourceX >= 0 &&
           c.SourceY >= 0 && c.SourceX + kCanvasWidth <= piece.mask.width() &&
           c.SourceX + kCanvasWidth <= piece.colouredPicture.width() &&
           c.SourceY + kCanvasHeight <= piece.mask.height() &&
           c.SourceY + kCanvasHeight <= piece.colouredPicture.height();
}

// One straight copy (`isStraight`) over the whole shield: the laid mask and
// picture are those of the shield's window, and the zone is the key where the
// mask is black, the mask's own colour on the edges, white elsewhere. Every
// pixel is written, so the surfaces need no clearing first.
void layStraight(LaidPiece& laid, const OrdinarySurfaces& piece, Colour key, const PieceCopy& c) {
    for (Surface* s : {&laid.mask, &laid.picture, &laid.zone})
        if (!shieldSized(*s)) *s = Surface(kCanvasWidth, kCanvasHeight, kBlack);
    const std::size_t bytes = std::size_t(kCanvasWidth) * sizeof(Colour);
    const Pixels4 white = all4(kWhite), black = all4(kBlack), key4 = all4(key);
    for (int y = 0; y < kCanvasHeight; ++y) {
        const Colour* m = piece.mask.row(c.SourceY + y) + c.SourceX;
        std::memcpy(laid.mask.row(y), m, bytes);
        std::memcpy(laid.picture.row(y), piece.colouredPicture.row(c.SourceY + y) + c.SourceX,
                    bytes);
        Colour* z = laid.zone.row(y);
        int x = 0;
        for (; x + 4 <= kCanvasWidth; x += 4) {
            const Pixels4 v = load4(m + x);
            store4(z + x, select4(equal4(v, white), white, select4(equal4(v, black), key4, v)));
        }
        for (; x < kCanvasWidth; ++x) z[x] = m[x] == kWhite ? kWhite : m[x] == kBlack ? key : m[x];
    }
}

}  // namespace

void layOutPiece(OrdinarySurfaces& piece, Colour key, const PieceCopies& copies) {
    LaidPiece& laid = piece.Laid;
    if (copies.Count == 1 && isStraight(piece, copies.Copies[0])) {
        layStraight(laid, piece, key, copies.Copies[0]);
    } else {
        // White zone: no copy reached the pixel (the laying never writes white).
        clearLaid(laid);
        for (int i = 0; i < copies.Count; ++i)
            layPieceCopy(laid, piece, key, copies.Copies[std::size_t(i)]);
    }
    // Where the mask stayed white, so did the zone, and the picture is black
    // (each copy's picture is black where its mask is white): nothing to lay.
    laid.CanvasRuns = stampRunsOf(laid.mask, false);
    laid.ZoneRuns = rowRunsOf(laid.zone, 0, 0, kCanvasWidth, kCanvasHeight,
                              [](Colour z) { return z == kWhite ? kNoColour : z; });
    laid.Drawing = newDrawingNumber();
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
