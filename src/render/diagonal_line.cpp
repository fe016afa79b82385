#include "render/diagonal_line.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <initializer_list>

#include "model/line_kinds.h"
#include "platform/rounding.h"
#include "render/heraldic_line.h"

namespace tess {

DiagonalSteps diagonalSteps(int x1, int y1, int x2, int y2, const LineStyle& style) {
    const int h = style.Width / 2;
    // The angle to the vertical and its complement, as the documents' lines
    // have always been stepped (the right angle written in degrees on purpose,
    // so the rounding of the halves stays the same).
    const double theta = std::atan(double(std::abs(x2 - x1)) / double(std::abs(y2 - y1)));
    const double phi = 282.7433388230811 / 180 - theta;
    return {CInt(std::fabs(std::sin(theta) * h)), CInt(std::fabs(std::cos(theta) * h)),
            CInt(std::fabs(std::sin(phi) * style.Depth) / 2),
            CInt(std::fabs(std::cos(phi) * style.Depth) / 2)};
}

namespace {

long long crossOf(LinePoint o, LinePoint a, LinePoint b) {
    return (long long)(a.x - o.x) * (b.y - o.y) - (long long)(a.y - o.y) * (b.x - o.x);
}

bool between(LinePoint a, LinePoint b, LinePoint p) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

// Whether two segments have a point in common, their ends included.
bool segmentsMeet(LinePoint a, LinePoint b, LinePoint c, LinePoint d) {
    const long long d1 = crossOf(c, d, a), d2 = crossOf(c, d, b);
    const long long d3 = crossOf(a, b, c), d4 = crossOf(a, b, d);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0)))
        return true;
    return (d1 == 0 && between(c, d, a)) || (d2 == 0 && between(c, d, b)) ||
           (d3 == 0 && between(a, b, c)) || (d4 == 0 && between(a, b, d));
}

// One bend or bend sinister line. Positions along the line are counted in half
// steps u from the pattern's start point: Q(u). The lower and upper sides are
// offsets added to such a point.
class DiagonalLine {
  public:
    DiagonalLine(const LinePen& pen, int x1, int y1, int x2, int y2, const LineStyle& style,
                 bool edgeFlag, int direction)
        : pen_(pen),
          x1_(x1),
          y1_(y1),
          x2_(x2),
          y2_(y2),
          style_(style),
          edge_(edgeFlag),
          bend_(direction == kLineBend),
          sd_(bend_ ? 1 : -1),
          length_(std::abs(x2 - x1)),
          bottom_(pen.surface().height()) {}

    // False when the pattern cannot be stepped: the line would never advance.
    bool prepare() {
        if (style_.Width < 2 || y1_ == y2_) return false;
        steps_ = diagonalSteps(x1_, y1_, x2_, y2_, style_);
        return steps_.a > 0;
    }

    // The line itself, carried on above the top and down to the surface's
    // bottom (ending there rather than at a fixed row keeps a line that ends
    // lower from doubling back up into the picture).
    void plain() const {
        pen_.line(x1_, y1_, x1_ - 15 * sd_, -15);
        pen_.line(x1_, y1_, x2_, y2_);
        endExtension();
    }

    void dentele() {
        const int a = steps_.a, p = steps_.p, q = steps_.q;
        startAt(-2);
        int t = bend_ ? 2 * a : -2 * a;
        const LinePoint startReach = bend_ ? LinePoint{x0_ - 55, -56} : LinePoint{x0_ + 15, -15};
        if (bend_) {
            pen_.line(Q(0), startReach);
            // The zigzag begins half a step before the extension's foot.
            pen_.line(Q(-1) + lower(), startReach);
        } else if (Q(0).x - p >= x1_) {
            pen_.line(Q(0) + upper(), startReach);
        } else {
            // Teeth deeper than a period is wide put the first upper corner
            // inward of the start point, and an extension leaving from it
            // would cut a wedge of the other side into the field beside the
            // start point (or through the seed in its corner): one more tooth
            // before the first, the extension leaving from its outer corner.
            pen_.line(Q(-1) + lower(), Q(0) + upper());
            pen_.line(Q(-1) + lower(), startReach);
        }

        const int reach = style_.Width + style_.Depth + length_;
        const int bound = bend_ ? 2 * reach : reach;
        int u = 0;
        for (; t <= bound; t += 2 * a, u += 2) {
            if (bend_) {
                pen_.line(Q(u) + upper(), Q(u - 1) + lower());
                pen_.line(Q(u + 1) + lower(), Q(u) + upper());
            } else {
                pen_.path({Q(u) + upper(), Q(u + 1) + lower(), Q(u + 2) + upper()});
            }
        }
        const LinePoint end = Q(u);
        const LinePoint endReach{end.x + 100 * sd_, end.y};
        pen_.line({end.x - p, end.y - q}, endReach);
        if (bend_) pen_.line(Q(u - 1) + lower(), endReach);
    }

    // Crênelé, bretessé, contre-bretessé and bastillé: a square wave with its
    // sides square to the line, or vertical ("À plomb").
    void crenellated() {
        const int kind = style_.LineKind;
        const bool plumb = style_.Plumb != 0;
        const int a = steps_.a;
        if (!bend_) {
            startAt(0);
        } else if (kind == kLineCrenele || kind == kLineBastille) {
            startAt(-2);
        } else if (kind == kLineBretesse) {
            startAt(edge_ ? 0 : -2);
        } else {
            startAt(edge_ ? 0 : -1);
        }

        if (!bend_) {
            pen_.line(Q(0) + lower(), {x1_ + 15, -15});
        } else {
            const bool fromLower = kind == kLineBretesse && plumb;
            const LinePoint reach = kind == kLineCrenele || kind == kLineBastille
                                        ? LinePoint{x0_ - 55, y0_ - 55}
                                        : LinePoint{x0_ - 55, -56};
            pen_.line(Q(0) + (fromLower ? lower() : upper()), reach);
            // A vertical-sided bend wave begins on the top of its first merlon,
            // which touches neither side the extension may leave from.
            if (plumb) pen_.line(merlonTop(0), reach);
        }

        int bound = length_ + style_.Width;
        if (bend_ && !plumb) {
            bound = 2 * (length_ + style_.Width);
        } else if (bend_ && (kind == kLineBretesse || kind == kLineContreBretesse)) {
            bound = length_ + 2 * style_.Width;
        }
        // A wave that crosses the end extension, or leaves the picture through
        // its bottom, closes the line. Short styles on a deep line may instead
        // stop beside the extension, before their last corner has passed the
        // end point: only then do a few more periods carry the wave out of the
        // field and a segment join its last corner to the extension's foot, so
        // that no other line gains a pixel.
        crossedEnd_ = looseSideMeetsEnd_ = false;
        const int limit = bound + std::abs(style_.Depth) + style_.Width;
        int u = 0;
        auto stillOpen = [&] { return !crossedEnd_ && waveEnd(u).y < bottom_; };
        for (int t = 0; t <= bound || (t <= limit && stillOpen() && !pastEnd(waveEnd(u)));
             t += 2 * a, u += 2) {
            if (!plumb) {
                squarePeriod(u);
            } else if (bend_) {
                plumbBendPeriod(u);
            } else {
                plumbSinisterPeriod(u, kind == kLineCrenele);
            }
        }
        endExtension();
        if (stillOpen()) pen_.line(waveEnd(u), endReach());
    }

  private:
    LinePoint Q(int u) const { return {x0_ + sd_ * u * steps_.a, y0_ + u * steps_.b}; }
    LinePoint lower() const { return {-sd_ * steps_.p, steps_.q}; }
    LinePoint upper() const { return {sd_ * steps_.p, -steps_.q}; }

    // The pattern's start point, `u` half steps from the line's upper end.
    void startAt(int u) {
        x0_ = x1_ + sd_ * u * steps_.a;
        y0_ = y1_ + u * steps_.b;
    }

    LinePoint endReach() const { return {x2_ + 15 * sd_, bottom_}; }
    void endExtension() const { pen_.line({x2_, y2_}, endReach()); }

    // The last corner of a wave drawn up to half step u: on the lower side.
    LinePoint waveEnd(int u) const { return (bend_ ? Q(u - 1) : Q(u)) + lower(); }

    // Whether a point lies beyond the end point along the line (and below it).
    bool pastEnd(LinePoint point) const {
        return point.y >= y2_ && (bend_ ? point.x >= x2_ : point.x <= x2_);
    }

    LinePoint merlonTop(int u) const {
        return {Q(u).x - steps_.p, Q(u).y - steps_.q - style_.Depth / 2};
    }

    // How a segment of the crenellated wave hangs on the part drawn before it.
    // A bend's period draws its sides out of order: its last side is loose
    // until the next period joins it, and the first side of the first period
    // is a stray spur before the start.
    enum class Hold { Joined, Loose, Stray };

    // A segment of the crenellated wave, noting whether the wave meets the end
    // extension: what a loose side meets counts once the next period joins it.
    void waveLine(LinePoint from, LinePoint to, Hold hold = Hold::Joined) {
        pen_.line(from, to);
        const bool meets = segmentsMeet(from, to, {x2_, y2_}, endReach());
        if (hold == Hold::Joined) crossedEnd_ = crossedEnd_ || meets;
        if (hold == Hold::Loose) looseSideMeetsEnd_ = meets;
    }
    void wavePath(std::initializer_list<LinePoint> points) {
        const LinePoint* previous = nullptr;
        for (const LinePoint& point : points) {
            if (previous) waveLine(*previous, point);
            previous = &point;
        }
    }
    void joinLooseSide() {
        crossedEnd_ = crossedEnd_ || looseSideMeetsEnd_;
        looseSideMeetsEnd_ = false;
    }

    // Bend sinister: merlon below on [u, u+1], crenel above on [u+1, u+2].
    // Bend: lower side on [u-1, u], upper side on [u, u+1].
    void squarePeriod(int u) {
        if (bend_) {
            joinLooseSide();
            waveLine(Q(u) + lower(), Q(u - 1) + lower(), u == 0 ? Hold::Stray : Hold::Joined);
            wavePath({Q(u + 1) + lower(), Q(u + 1) + upper(), Q(u) + upper()});
            waveLine(Q(u + 2) + upper(), Q(u + 2) + lower(), Hold::Loose);
        } else {
            wavePath({Q(u) + lower(), Q(u + 1) + lower(), Q(u + 1) + upper(), Q(u + 2) + upper(),
                      Q(u + 2) + lower()});
        }
    }

    // Vertical-sided merlons of a bend: their tops half the depth above the
    // upper side.
    void plumbBendPeriod(int u) {
        joinLooseSide();
        waveLine(Q(u) + lower(), Q(u - 1) + lower(), u == 0 ? Hold::Stray : Hold::Joined);
        wavePath({Q(u + 1) + lower(), merlonTop(u + 1), merlonTop(u)});
        waveLine(merlonTop(u + 2), Q(u + 2) + lower(), Hold::Loose);
    }

    // Vertical-sided merlons of a bend sinister: crênelé rises the whole depth
    // above the line, the others to the upper side one half step back.
    void plumbSinisterPeriod(int u, bool crenele) {
        const int p = steps_.p, q = steps_.q, depth = style_.Depth;
        const LinePoint rise1 = crenele ? LinePoint{Q(u + 1).x + p, Q(u + 1).y - depth}
                                        : LinePoint{Q(u + 1).x + p, Q(u).y - q};
        const LinePoint rise2 = crenele ? LinePoint{Q(u + 2).x + p, Q(u + 2).y - depth}
                                        : LinePoint{Q(u + 2).x + p, Q(u + 1).y - q};
        wavePath({Q(u) + lower(), Q(u + 1) + lower(), rise1, rise2, Q(u + 2) + lower()});
    }

    const LinePen& pen_;
    int x1_, y1_, x2_, y2_;
    const LineStyle& style_;
    bool edge_;
    bool bend_;
    int sd_;
    int length_;
    int bottom_;
    DiagonalSteps steps_;
    int x0_ = 0, y0_ = 0;
    bool crossedEnd_ = false;
    bool looseSideMeetsEnd_ = false;
};

}  // namespace

void drawDiagonalLine(const LinePen& pen, int x1, int y1, int x2, int y2, const LineStyle& style,
                      bool edgeFlag, int direction) {
    DiagonalLine line(pen, x1, y1, x2, y2, style, edgeFlag, direction);
    // A style or a line the pattern cannot be stepped on is drawn plain rather
    // than not at all.
    const bool stepped = line.prepare();
    switch (stepped ? style.LineKind : kLinePlain) {
        case kLineDentele:
            return line.dentele();
        case kLineCrenele:
            return edgeFlag ? line.crenellated() : line.plain();
        case kLineBastille:
            return edgeFlag ? line.plain() : line.crenellated();
        case kLineBretesse:
        case kLineContreBretesse:
            return line.crenellated();
        default:
            return line.plain();  // nébulé and engrelé have no diagonal form
    }
}

}  // namespace tess
