// The diminished bande and barre with patterned edges. Their pictures are
// built from the same marking as every other piece; this file only makes sure
// that marking holds the band that lies between the two edges.
#include "render/ordinary1_narrow_bend.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstring>
#include <vector>

#include "model/line_kinds.h"
#include "render/heraldic_line.h"
#include "render/key_colours.h"
#include "render/ordinary1_outline.h"
#include "render/renderer.h"

namespace tess {

namespace {

// The second edge is drawn in a colour of its own until the marking is done,
// so that where it touches the first can be seen; areas between the edges
// that only one edge borders are held in another until they go back to the
// background. Nothing else on the work surface has either colour.
constexpr Colour kSecondEdge = 0x818181u;
constexpr Colour kLoop = 0x828282u;

// The shallowest depth the line dialog stores.
constexpr int kShallowestDepth = 10;

// How far from the shield a meeting of the edges may lie and still be left
// alone when no depth parts them: further than the band is wide, the part it
// cuts off cannot reach back onto the shield.
constexpr int kClearOfShield = 48;

using Edges = std::array<BendEdge, 2>;

void drawEdge(Surface& s, const BendEdge& e, const LineStyle& line, Colour colour) {
    DrawHeraldicLine(s, e.X1, e.Y1, e.X2, e.Y2, line, colour, e.EdgeFlag, e.Direction);
}

// Whether a pixel of the first edge lies at or beside (x, y), corners
// included: two lines touching even at a corner stop a flood between them.
bool firstEdgeAround(const Surface& work, int x, int y) {
    const int x0 = std::max(x - 1, 0), x1 = std::min(x + 1, work.width() - 1);
    const int y0 = std::max(y - 1, 0), y1 = std::min(y + 1, work.height() - 1);
    for (int v = y0; v <= y1; ++v) {
        const Colour* row = work.row(v);
        for (int u = x0; u <= x1; ++u)
            if (row[u] == kLineColour) return true;
    }
    return false;
}

// Sixteen pixels at a time, in the compiler's generic vectors.
using Pixels4 = Colour __attribute__((vector_size(16)));

bool secondEdgeAmongSixteen(const Colour* p) {
    Pixels4 v[4];
    std::memcpy(v, p, sizeof v);
    const Pixels4 hit = (Pixels4)(v[0] == kSecondEdge) | (Pixels4)(v[1] == kSecondEdge) |
                        (Pixels4)(v[2] == kSecondEdge) | (Pixels4)(v[3] == kSecondEdge);
    std::uint64_t half[2];
    std::memcpy(half, &hit, sizeof half);
    return (half[0] | half[1]) != 0;
}

// How many pixels (x, y) lies outside the shield, 0 on it.
int distanceFromShield(int x, int y) {
    const int dx = std::max({kBigMargin - x, x - (kBigMargin + kCanvasWidth - 1), 0});
    const int dy = std::max({kBigMargin - y, y - (kBigMargin + kCanvasHeight - 1), 0});
    return std::max(dx, dy);
}

// What a meeting of the edges is: none (INT_MAX), or how far outside the
// shield the nearest point where they touch lies.
constexpr int kApart = INT_MAX;

// The band runs from border to border of the surface: a marking that reaches
// none is a pocket closed by one edge's own turns.
bool reachesBorder(const Surface& work, Colour key) {
    const int w = work.width(), h = work.height();
    const Colour* top = work.row(0);
    const Colour* bottom = work.row(h - 1);
    if (std::find(top, top + w, key) != top + w) return true;
    if (std::find(bottom, bottom + w, key) != bottom + w) return true;
    for (int y = 0; y < h; ++y)
        if (work.row(y)[0] == key || work.row(y)[w - 1] == key) return true;
    return false;
}

// Which edges border an area and whether it lies partly on the shield.
struct Area {
    bool First = false;
    bool Second = false;
    bool OnShield = false;
};

// Marks one narrow bend on the work surface.
class NarrowBend {
  public:
    NarrowBend(Surface& work, Surface& scratch, const OrdinaryRecord& piece, Colour key)
        : work_(work), scratch_(scratch), piece_(piece), edges_(bendEdges(piece)), key_(key) {}

    // Draws both edges with `line` on the clear work surface, the second in
    // its own colour, and tells where they touch, the margins included (the
    // repeated copies show them). Most of each row is background: it is
    // passed over sixteen pixels at a time.
    int drawEdges(const LineStyle& line) {
        line_ = line;
        drawEdge(work_, edges_[0], line, kLineColour);
        drawEdge(work_, edges_[1], line, kSecondEdge);
        second_.clear();
        int nearest = kApart;
        auto visit = [&](int x, int y) {
            second_.push_back(y * work_.width() + x);
            if (firstEdgeAround(work_, x, y)) nearest = std::min(nearest, distanceFromShield(x, y));
        };
        const int w = work_.width();
        for (int y = 0; y < work_.height(); ++y) {
            const Colour* row = work_.row(y);
            int x = 0;
            for (; x + 16 <= w; x += 16) {
                if (!secondEdgeAmongSixteen(row + x)) continue;
                for (int u = x; u < x + 16; ++u)
                    if (row[u] == kSecondEdge) visit(u, y);
            }
            for (; x < w; ++x)
                if (row[x] == kSecondEdge) visit(x, y);
        }
        return nearest;
    }

    // Marks what lies between the edges just drawn (`apart` when they keep
    // apart); false, with the work surface clear, when they cut the band on
    // the shield.
    bool markDrawn(bool apart) {
        if (apart) {
            if (markFromSeeds()) return true;
            work_.clear();
            drawEdges(line_);
        }
        if (markBetween() <= 1) return true;
        work_.clear();
        return false;
    }

    // The deepest depth below `line`'s whose edges touch no nearer to the
    // shield than `clearance` pixels (kApart: nowhere), 0 when even the
    // shallowest the line dialog stores does not do: a pattern stepped a
    // little off its line's slope then runs into the other edge whatever its
    // depth. Edges that keep apart at one depth do at the shallower ones but
    // for a stray pixel of the stepping, so halving the interval finds the
    // boundary. Leaves the work surface clear.
    int deepestDepth(const LineStyle& line, int clearance) {
        LineStyle style = line;
        auto fits = [&](int depth) {
            style.Depth = Integer(depth);
            const int meeting = drawEdges(style);
            work_.clear();
            return clearance == kApart ? meeting == kApart : meeting > clearance;
        };
        int good = kShallowestDepth, bad = line.Depth;
        if (bad <= good || !fits(good)) return 0;
        while (bad - good > 1) {
            const int middle = (good + bad) / 2;
            (fits(middle) ? good : bad) = middle;
        }
        return good;
    }

    // Each edge is drawn again by itself on the scratch surface, where it
    // parts the surface in two, and its far side flooded from its field seed.
    // What neither far side covers lies between the edges: every such area
    // bordered by both edges is piece, however many parts the edges cut the
    // band into, while the small loops of one edge's own pattern stay field,
    // as the usual marking leaves them. Tells how many parts of the piece lie
    // on the shield.
    int markBetween() {
        const Colour background = work_.background();
        const int w = work_.width(), h = work_.height();
        if (scratch_.width() != w || scratch_.height() != h) scratch_ = Surface(w, h, background);
        for (const BendEdge& e : edges_) {
            scratch_.fill(background);
            drawEdge(scratch_, e, line_, kLineColour);
            if (scratch_.pixel(e.Field.x, e.Field.y) == background)
                scratch_.floodSurface(e.Field.x, e.Field.y, Brush::solid(kWhite));
            for (int y = 0; y < h; ++y) {
                const Colour* far = scratch_.row(y);
                Colour* p = work_.row(y);
                for (int x = 0; x < w; ++x)
                    if (far[x] == kWhite && p[x] == background) p[x] = kWhite;
            }
        }
        int partsOnShield = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (work_.row(y)[x] != background) continue;
                const Area area = floodArea(x, y, background, kLoop);
                if (!area.First || !area.Second) continue;
                floodArea(x, y, kLoop, key_);
                partsOnShield += area.OnShield;
            }
        // Back to what the usual marking leaves: the piece, the edges in the
        // line colour and the background.
        for (int y = 0; y < h; ++y) {
            Colour* p = work_.row(y);
            for (int x = 0; x < w; ++x)
                if (p[x] == kWhite || p[x] == kLoop) p[x] = background;
        }
        settleSecondEdge();
        return partsOnShield;
    }

  private:
    // Both edges in the line colour, as the pictures take them.
    void settleSecondEdge() {
        Colour* pixels = work_.row(0);
        for (const int at : second_) pixels[at] = kLineColour;
    }

    // The usual marking from the seeds, on edges that keep apart; false when
    // a seed missed the band.
    bool markFromSeeds() {
        const Ordinary1Seeds seeds = bendSeeds(piece_);
        settleSecondEdge();
        markPiece(work_, key_, seeds.Piece, seeds.Field);
        for (const SeedPoint& o : seeds.Piece)
            if (work_.pixel(o.x, o.y) != key_) return false;
        return reachesBorder(work_, key_);
    }

    // Floods the 4-connected area of `from` pixels at (x, y) with `to`.
    Area floodArea(int x, int y, Colour from, Colour to) {
        const int w = work_.width(), h = work_.height();
        Area area;
        auto visit = [&](int u, int v) {
            if (u < 0 || v < 0 || u >= w || v >= h) return;
            Colour& c = work_.row(v)[u];
            if (c == from) {
                c = to;
                stack_.push_back(v * w + u);
                area.OnShield |= distanceFromShield(u, v) == 0;
            } else if (c == kLineColour) {
                area.First = true;
            } else if (c == kSecondEdge) {
                area.Second = true;
            }
        };
        stack_.clear();
        visit(x, y);
        while (!stack_.empty()) {
            const int at = stack_.back();
            stack_.pop_back();
            const int u = at % w, v = at / w;
            visit(u + 1, v);
            visit(u - 1, v);
            visit(u, v + 1);
            visit(u, v - 1);
        }
        return area;
    }

    Surface& work_;
    Surface& scratch_;
    const OrdinaryRecord& piece_;
    const std::array<BendEdge, 2> edges_;
    const Colour key_;
    LineStyle line_;
    std::vector<int> second_;  // where the second edge lies, as row-major indices
    std::vector<int> stack_;
};

}  // namespace

bool isNarrowPatternedBend(const OrdinaryRecord& piece, const LineStyle& line) {
    if ((piece.Type != kBande && piece.Type != kBarre) || piece.Size <= 0) return false;
    // Nébulé and engrelé have no diagonal form: they are drawn plain.
    switch (line.LineKind) {
        case kLineDentele:
        case kLineCrenele:
        case kLineBretesse:
        case kLineContreBretesse:
        case kLineBastille:
            return true;
        default:
            return false;
    }
}

void markNarrowBend(Surface& work, Surface& scratch, const OrdinaryRecord& piece,
                    const LineStyle& line, Colour key) {
    NarrowBend bend(work, scratch, piece, key);
    // As drawn: edges that keep apart lose nothing whichever way the piece is
    // found, and edges that touch only where the shield does not show it keep
    // what the shield shows. Edges touching on the shield cut the band there.
    const int meeting = bend.drawEdges(line);
    if (meeting > 0 && bend.markDrawn(meeting == kApart)) return;
    if (meeting == 0) work.clear();
    // The band is cut on the shield: the deepest drawing that parts the
    // edges, or else keeps their meetings well clear of the shield, or at
    // least off it.
    LineStyle drawn = line;
    for (const int clearance : {kApart, kClearOfShield, 0}) {
        if (const int depth = bend.deepestDepth(line, clearance)) {
            drawn.Depth = Integer(depth);
            if (bend.markDrawn(bend.drawEdges(drawn) == kApart)) return;
        }
    }
    // Nothing parts them: the piece is every part between its edges.
    bend.drawEdges(line);
    bend.markBetween();
}

}  // namespace tess
