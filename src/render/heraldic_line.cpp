#include "render/heraldic_line.h"

#include <algorithm>
#include <cstdlib>

#include "model/line_kinds.h"
#include "render/diagonal_line.h"
#include "render/line_pen.h"

namespace tess {
namespace {

// One straight (horizontal or vertical) line. Positions are written as
// (along, across): the coordinate that moves along the axis first, the fixed
// one across it second, so one recipe serves both directions.
class StraightLine {
  public:
    StraightLine(const LinePen& pen, int x1, int y1, int x2, int y2, const LineStyle& style,
                 int direction)
        : pen_(pen),
          x1_(x1),
          y1_(y1),
          x2_(x2),
          y2_(y2),
          horizontal_(direction == kLineHorizontal),
          h_(style.Width / 2),
          d_(style.Depth / 2) {
        const int from = horizontal_ ? x1 : y1;
        const int to = horizontal_ ? x2 : y2;
        const int centre = horizontal_ ? y1 : x1;
        length_ = std::abs(to - from);
        sign_ = (to > from) - (to < from);
        m_ = from;
        c0_ = centre - d_;
        c1_ = centre + d_;
    }

    void plain() const { pen_.line(x1_, y1_, x2_, y2_); }

    void dentele() {
        for (int t = 0; t <= length_; t += 2 * h_) {
            segment(m_, c1_, m_ + sign_ * h_, c0_);
            m_ += sign_ * h_;
            segment(m_, c0_, m_ + sign_ * h_, c1_);
            m_ += sign_ * h_;
        }
    }

    // Crenellations start at level c0, so the first merlon of a horizontal line
    // stands above it and that of a vertical line to its left.
    void squareWave(int t = 0) {
        for (; t <= length_; t += 2 * h_) {
            segment(m_, c0_, m_ + sign_ * h_, c0_);
            m_ += sign_ * h_;
            segment(m_, c0_, m_, c1_);
            segment(m_, c1_, m_ + sign_ * h_, c1_);
            m_ += sign_ * h_;
            segment(m_, c1_, m_, c0_);
        }
    }

    // Starts half a period early; the extra half period is added to the
    // distance still to cover, so the wave still reaches the end point.
    void earlySquareWave() {
        m_ -= sign_ * h_;
        squareWave(-h_);
    }

    // Upper half, then lower half of consecutive ellipses, each first arc
    // running 2 pixels past its far end to meet the one before. Run the other
    // way it would stop short of it instead and leave a gap at every period,
    // so lines always run rightward or downward, whichever end they are given
    // from.
    void nebule() {
        int m = std::min(horizontal_ ? x1_ : y1_, horizontal_ ? x2_ : y2_);
        if (horizontal_) {
            const int y = y1_;
            for (int t = 0; t <= length_; t += 2 * h_) {
                pen_.arc(m + h_, c1_, m, c0_, m + h_, y, m, y + 2);
                m += h_;
                pen_.arc(m, c1_, m + h_, c0_, m, y, m + h_, y);
                m += h_;
            }
            return;
        }
        const int x = x1_;
        for (int t = 0; t <= length_; t += 2 * h_) {
            pen_.arc(x - d_, m, x + d_, m + h_, x, m, x + 2, m + h_);
            m += h_;
            pen_.arc(x - d_, m, x + d_, m + h_, x, m + h_, x, m);
            m += h_;
        }
    }

    // One half ellipse per half period. Counter-clockwise arcs hang below a
    // horizontal line run left to right and bulge left of a vertical line run
    // downward; running from the end point backward puts them on the other side.
    void engrele(bool backward) {
        if (backward) {
            m_ = horizontal_ ? x2_ : y2_;
            sign_ = -sign_;
        }
        for (int t = 0; t <= length_; t += h_) {
            const int next = m_ + sign_ * h_;
            if (horizontal_) {
                pen_.arc(m_, c1_, next, c0_, m_, y1_, next, y1_);
            } else {
                pen_.arc(x1_ + d_, m_, x1_ - d_, next, x1_, m_, x1_, next);
            }
            m_ = next;
        }
    }

  private:
    void segment(int along1, int across1, int along2, int across2) const {
        if (horizontal_) {
            pen_.line(along1, across1, along2, across2);
        } else {
            pen_.line(across1, along1, across2, along2);
        }
    }

    const LinePen& pen_;
    int x1_, y1_, x2_, y2_;
    bool horizontal_;
    int h_, d_;
    int length_ = 0;
    int sign_ = 0;
    int m_ = 0;
    int c0_ = 0, c1_ = 0;
};

void drawStraightLine(const LinePen& pen, int x1, int y1, int x2, int y2, const LineStyle& style,
                      bool edgeFlag, int direction) {
    StraightLine line(pen, x1, y1, x2, y2, style, direction);
    // A period shorter than two pixels would never advance.
    if (style.Width < 2) return line.plain();
    const bool horizontal = direction == kLineHorizontal;
    switch (style.LineKind) {
        case kLineDentele:
            return line.dentele();
        case kLineNebule:
            return line.nebule();
        case kLineCrenele:
            return edgeFlag ? line.squareWave() : line.plain();
        case kLineEngrele:
            return line.engrele(horizontal ? !edgeFlag : edgeFlag);
        case kLineBretesse:
            return edgeFlag ? line.earlySquareWave() : line.squareWave();
        case kLineContreBretesse:
            return line.squareWave();
        case kLineBastille:
            return edgeFlag ? line.plain() : line.squareWave();
        default:
            return line.plain();  // plain, and kinds no document should hold
    }
}

}  // namespace

void DrawHeraldicLine(Surface& pic, int x1, int y1, int x2, int y2, const LineStyle& style,
                      Colour colour, bool edgeFlag, int direction) {
    const LinePen pen(pic, colour);
    switch (direction) {
        case kLineHorizontal:
        case kLineVertical:
            return drawStraightLine(pen, x1, y1, x2, y2, style, edgeFlag, direction);
        case kLineBend:
        case kLineBendSinister:
            return drawDiagonalLine(pen, x1, y1, x2, y2, style, edgeFlag, direction);
        default:
            return;
    }
}

}  // namespace tess
