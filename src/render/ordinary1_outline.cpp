// The outlines of the first-order pieces drawn by their edges. Coordinates are
// those of the 465 x 540 work surface, whose 100-pixel margin lets the edges and
// the ends of the piece run on past the shield for the repeated copies.
#include "render/ordinary1_outline.h"

#include <algorithm>

#include "render/heraldic_line.h"
#include "render/key_colours.h"
#include "render/renderer.h"

namespace tess {

namespace {

// A seed written in shield coordinates, placed on the work surface.
SeedPoint onWork(int x, int y) {
    return {x + kBigMargin, y + kBigMargin};
}

void plain(Surface& work, double x1, double y1, double x2, double y2) {
    work.line(x1, y1, x2, y2, kLineColour);
}

void edge(Surface& work, int x1, int y1, int x2, int y2, const LineStyle& line, bool edgeFlag,
          int direction) {
    DrawHeraldicLine(work, x1, y1, x2, y2, line, kLineColour, edgeFlag, direction);
}

Ordinary1Seeds seeds(SeedPoint o1, SeedPoint o2, SeedPoint f1, SeedPoint f2, SeedPoint f3) {
    return {{o1, o2}, {f1, f2, f3}};
}

Ordinary1Seeds chef(Surface& work, int s, const LineStyle& line) {
    // A negative size simply lowers the edge: the chief has no thin drawing.
    edge(work, -2, 213 - s, 467, 213 - s, line, false, kLineHorizontal);
    const SeedPoint o = onWork(2, 2), f = onWork(132, 170);
    return seeds(o, o, f, f, f);
}

Ordinary1Seeds pal(Surface& work, int s, int dx, const LineStyle& line) {
    if (s >= 0) {
        edge(work, 188 + s + dx, 0, 188 + s + dx, 550, line, true, kLineVertical);
        edge(work, 276 - s + dx, 0, 276 - s + dx, 550, line, false, kLineVertical);
    } else {
        plain(work, 227 + dx, 0, 227 + dx, 550);
        plain(work, 237 + dx, 0, 237 + dx, 550);
    }
    const SeedPoint o = onWork(132 + dx, 1);
    return seeds(o, o, onWork(2, 2), onWork(263, 2), onWork(263, 2));
}

Ordinary1Seeds fasce(Surface& work, int s, int dy, const LineStyle& line) {
    if (s >= 0) {
        edge(work, 0, 226 + s + dy, 475, 226 + s + dy, line, true, kLineHorizontal);
        edge(work, 0, 314 - s + dy, 475, 314 - s + dy, line, false, kLineHorizontal);
    } else {
        plain(work, 0, 265 + dy, 475, 265 + dy);
        plain(work, 0, 275 + dy, 475, 275 + dy);
    }
    const SeedPoint o = onWork(5, 170 + dy);
    return seeds(o, o, onWork(2, 2), onWork(2, 338), onWork(2, 338));
}

// A bend's shift down moves its seeds alone.
Ordinary1Seeds bendSeedsAt(Long type, int shift, int dx, int dy) {
    if (type == kBande) {
        const SeedPoint o = shift == 1 ? onWork(90, 2) : onWork(2, 2 - dy);
        return seeds(o, o, onWork(263, 2), onWork(2, 338), onWork(2, 338));
    }
    const SeedPoint o = shift == 1 ? onWork(263, 116) : onWork(263 + dx, 2);
    return seeds(o, o, onWork(2, 2), onWork(263, 338), onWork(263, 338));
}

Ordinary1Seeds bend(Surface& work, const OrdinaryRecord& piece, int dx, int dy,
                    const LineStyle& line) {
    if (piece.Size >= 0) {
        for (const BendEdge& e : bendEdges(piece))
            edge(work, e.X1, e.Y1, e.X2, e.Y2, line, e.EdgeFlag, e.Direction);
    } else if (piece.Type == kBande) {
        plain(work, 24 + dx, 0, 453 + dx, 543);
        plain(work, 16 + dx, 0, 445 + dx, 543);
    } else {
        plain(work, 442 + dx, -3, -3, 567 + dy);
        plain(work, 448 + dx, 0, -3, 576 + dy);
    }
    return bendSeedsAt(piece.Type, piece.Shift, dx, dy);
}

// Always plain lines. The apex sits on the shield's top edge; a shift moves it
// by 113 and spreads or narrows the feet by 88 a side, keeping the chevron
// symmetric about column 232.5.
Ordinary1Seeds chevron(Surface& work, int s, int shift, int dx, int dy) {
    if (s >= 0) {
        plain(work, -51 - dx, 740 + dy, 233, 100 + dy);
        plain(work, 516 + dx, 740 + dy, 232, 100 + dy);
        const double innerApex = 260 + dy - 1.333 * s;
        plain(work, 50 - dx - s, 740 + dy, 233, innerApex);
        plain(work, 416 + dx + s, 740 + dy, 232, innerApex);
    } else {
        plain(work, -15 - dx, 740 + dy, 233, 100 + dy);
        plain(work, 480 + dx, 740 + dy, 232, 100 + dy);
        plain(work, -dx, 740 + dy, 233, 115 + dy);
        plain(work, 465 + dx, 740 + dy, 232, 115 + dy);
    }
    // Raised, the apex leaves the surface: the legs are two regions and the
    // field above them two corners.
    if (shift == -1 && s >= 0)
        return seeds(onWork(103, 19), onWork(163, 19), onWork(1, 1), onWork(132, 339),
                     onWork(263, 3));
    if (shift == -1)
        return seeds(onWork(100, 31), onWork(170, 51), onWork(1, 1), onWork(132, 339),
                     onWork(231, 2));
    const SeedPoint o = onWork(132, std::max(1, 5 + dy));
    return seeds(o, o, onWork(1, 1), onWork(132, 339), onWork(-150, -150));
}

}  // namespace

Ordinary1Settings ordinary1Settings(Long type) {
    switch (type) {
        case kChef:
            return {39, 0, 0};
        case kPal:
            return {63, 44, 0};
        case kFasce:
            return {63, 0, 56};
        case kBande:
        case kBarre:
            return {63, 88, 113};
        case kChevron:
            return {63, 88, 113};
        case kEcusson:
            return {20, 0, 0};
        default:
            return {63, 0, 0};
    }
}

std::array<BendEdge, 2> bendEdges(const OrdinaryRecord& piece) {
    const int s = piece.Size;
    const Ordinary1Settings set = ordinary1Settings(piece.Type);
    // The edges move across only.
    const int dx = set.ShiftX * piece.Shift;
    if (piece.Type == kBande)
        return {BendEdge{s - 40 + dx, -1, s + 385 + dx, 540, false, kLineBend, onWork(2, 338)},
                BendEdge{80 - s + dx, -1, 505 - s + dx, 540, true, kLineBend, onWork(263, 2)}};
    return {
        BendEdge{s + 385 + dx, -1, s - 40 + dx, 540, true, kLineBendSinister, onWork(2, 2)},
        BendEdge{505 - s + dx, -1, 60 - s + dx, 560, false, kLineBendSinister, onWork(263, 338)}};
}

Ordinary1Seeds bendSeeds(const OrdinaryRecord& piece) {
    const Ordinary1Settings set = ordinary1Settings(piece.Type);
    return bendSeedsAt(piece.Type, piece.Shift, set.ShiftX * piece.Shift, set.ShiftY * piece.Shift);
}

Ordinary1Seeds drawOrdinary1Outline(Surface& work, const OrdinaryRecord& piece,
                                    const LineStyle& line) {
    const Ordinary1Settings set = ordinary1Settings(piece.Type);
    const int s = piece.Size;
    const int shift = piece.Shift;
    const int dx = set.ShiftX * shift, dy = set.ShiftY * shift;
    switch (piece.Type) {
        case kChef:
            return chef(work, s, line);
        case kPal:
            return pal(work, s, dx, line);
        case kFasce:
            return fasce(work, s, dy, line);
        case kBande:
        case kBarre:
            return bend(work, piece, dx, dy, line);
        default:
            return chevron(work, s, shift, dx, dy);
    }
}

}  // namespace tess
