#include "render/line_sample.h"

#include "model/line_kinds.h"
#include "render/line_pen.h"

namespace tess {
namespace {

class LineSample {
  public:
    LineSample(const LinePen& pen, const LineStyle& style, int middle)
        : pen_(pen),
          h_(style.Width / 2),
          d_(style.Depth / 2),
          middle_(middle),
          width_(pen.surface().width()) {}

    void straight(int y) const { pen_.line(-2, y, width_ + 2, y); }

    void dentele() const {
        const int m = middle_;
        for (int x = -2; x < width_ + 1; x += 2 * h_) {
            pen_.line(x, m + d_, x + h_, m - d_);
            pen_.line(x + h_, m - d_, x + 2 * h_, m + d_);
        }
    }

    void nebule() const {
        const int m = middle_;
        for (int x = -2; x < width_ + 1;) {
            pen_.arc(x + h_, m + d_, x, m - d_, x + h_, m, x, m + 2);
            x += h_;
            pen_.arc(x, m + d_, x + h_, m - d_, x, m, x + h_, m);
            x += h_;
        }
    }

    // Every arc is the lower half of its ellipse.
    void engrele() const {
        const int m = middle_;
        for (int x = -2; x < width_ + 1; x += h_)
            pen_.arc(x, m + d_, x + h_, m - d_, x, m, x + h_, m);
    }

    void squareWave(int centre, int x) const {
        const int top = centre - d_, bottom = centre + d_;
        while (x < width_ + 1) {
            pen_.line(x, top, x + h_, top);
            x += h_;
            pen_.path({{x, top}, {x, bottom}, {x + h_, bottom}});
            x += h_;
            pen_.line(x, bottom, x, top);
        }
    }

    int middle() const { return middle_; }
    int h() const { return h_; }
    int d() const { return d_; }

  private:
    const LinePen& pen_;
    int h_, d_;
    int middle_;
    int width_;
};

}  // namespace

void DrawLineSample(Surface& pic, LineStyle& style, Colour colour, int middle) {
    if (style.Width < 5) style.Width = 5;
    if (style.Depth < 10) style.Depth = 10;
    if (style.LineKind < kLinePlain) style.LineKind = kLinePlain;

    const LinePen pen(pic, colour);
    const LineSample sample(pen, style, middle);
    const int m = middle, d = sample.d();
    switch (style.LineKind) {
        case kLinePlain:
            return sample.straight(m);
        case kLineDentele:
            return sample.dentele();
        case kLineNebule:
            return sample.nebule();
        case kLineCrenele:
            sample.straight(m + d + 10);
            return sample.squareWave(m, -2);
        case kLineEngrele:
            return sample.engrele();
        case kLineBretesse:
            sample.squareWave(m - 20, -2);
            return sample.squareWave(m + 20, -2 - sample.h());
        case kLineContreBretesse:
            sample.squareWave(m - 20, -2);
            return sample.squareWave(m + 20, -2);
        case kLineBastille:
            sample.straight(m - d - 10);
            return sample.squareWave(m, -2);
        default:
            return;  // no sample for an unknown kind
    }
}

}  // namespace tess
