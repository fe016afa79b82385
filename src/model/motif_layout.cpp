// Where the copies of an arranged charge go.
#include "model/motif_layout.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

#include "platform/rounding.h"

namespace tess {
namespace {

// Degrees to radians with the program's own value of pi, so circle points
// land where they always have, ties included.
constexpr double kPi = 3.14159265358979;
double radians(double degrees) {
    return degrees * kPi / 180;
}

Integer word(long long v) {
    return Integer(std::clamp<long long>(v, std::numeric_limits<Integer>::min(),
                                         std::numeric_limits<Integer>::max()));
}
Integer roundedWord(double v) {
    if (std::isnan(v)) return 0;
    return word(static_cast<long long>(std::nearbyint(std::clamp(v, -1e9, 1e9))));
}

struct Pattern {
    Byte keys;
    Byte branches;
};

Pattern shapeOf(MotifPattern p) {
    switch (p) {
        case MotifPattern::Pal:
        case MotifPattern::Fasce:
        case MotifPattern::Bande:
        case MotifPattern::Barre:
            return {2, 1};
        case MotifPattern::Chevron:
            return {3, 2};
        case MotifPattern::Pairle:
            return {4, 3};
        case MotifPattern::Croix:
        case MotifPattern::Sautoir:
            return {5, 4};
        case MotifPattern::Carre:
        case MotifPattern::Cercle:
            return {4, 4};
    }
    return {0, 0};
}

// One arrangement's computation: the area's centre and half side, and the
// tables being filled. Offsets are whole numbers added to whole numbers, kept
// in int so nothing wraps before the store saturates.
class Layout {
  public:
    explicit Layout(MotifLayout& l)
        : l_(l), x0_(l.CopyX[0]), y0_(l.CopyY[0]), h_(l.AreaSize / 2.0) {}

    void run() {
        const Pattern shape = shapeOf(l_.Pattern);
        if (shape.keys == 0) return;
        l_.KeyCount = shape.keys;
        l_.BranchCount = shape.branches;
        const int e = std::min<int>(l_.ExtraPerBranch, kMaxExtraPerBranch);
        const int left = roundedWord(x0_ - h_), right = roundedWord(x0_ + h_);
        const int top = roundedWord(y0_ - h_), bottom = roundedWord(y0_ + h_);
        // Spacing along a whole side, or along a half side for the patterns
        // whose arms run from the edge to the centre.
        const int side = roundedWord(l_.AreaSize / double(e + 1));
        const int half = roundedWord(h_ / (e + 1));
        switch (l_.Pattern) {
            case MotifPattern::Pal:
                keys({{x0_, top}, {x0_, bottom}});
                for (int k = 1; k <= e; ++k) extra(k, kx(1), ky(1) + k * side);
                break;
            case MotifPattern::Fasce:
                keys({{left, y0_}, {right, y0_}});
                for (int k = 1; k <= e; ++k) extra(k, kx(1) + k * side, ky(1));
                break;
            case MotifPattern::Bande:
                keys({{left, top}, {right, bottom}});
                for (int k = 1; k <= e; ++k) extra(k, kx(1) + k * side, ky(1) + k * side);
                break;
            case MotifPattern::Barre:
                keys({{left, bottom}, {right, top}});
                for (int k = 1; k <= e; ++k) extra(k, kx(1) + k * side, ky(1) - k * side);
                break;
            case MotifPattern::Chevron:
                // The arms climb from the feet to the apex, half as fast
                // sideways; the half step is rounded only after halving.
                keys({{x0_, top}, {left, bottom}, {right, bottom}});
                for (int k = 1; k <= e; ++k) {
                    const int ks = k * side;
                    extra(2 * k - 1, roundedWord(kx(2) + ks / 2.0), ky(2) - ks);
                    extra(2 * k, roundedWord(kx(3) - ks / 2.0), ky(3) - ks);
                }
                break;
            case MotifPattern::Pairle:
                keys({{left, top}, {right, top}, {x0_, y0_}, {x0_, bottom}});
                for (int k = 1; k <= e; ++k) {
                    const int ks = k * half;
                    extra(3 * k - 2, kx(1) + ks, ky(1) + ks);
                    extra(3 * k - 1, kx(2) - ks, ky(2) + ks);
                    extra(3 * k, kx(4), ky(4) - ks);
                }
                break;
            case MotifPattern::Croix:
                keys({{left, y0_}, {right, y0_}, {x0_, top}, {x0_, bottom}, {x0_, y0_}});
                for (int k = 1; k <= e; ++k) {
                    const int ks = k * half;
                    extra(4 * k - 3, kx(1) + ks, ky(1));
                    extra(4 * k - 2, kx(2) - ks, ky(2));
                    extra(4 * k - 1, kx(3), ky(3) + ks);
                    extra(4 * k, kx(4), ky(4) - ks);
                }
                break;
            case MotifPattern::Sautoir:
                keys({{left, top}, {right, top}, {left, bottom}, {right, bottom}, {x0_, y0_}});
                for (int k = 1; k <= e; ++k) {
                    const int ks = k * half;
                    extra(4 * k - 3, kx(1) + ks, ky(1) + ks);
                    extra(4 * k - 2, kx(2) - ks, ky(2) + ks);
                    extra(4 * k - 1, kx(3) + ks, ky(3) - ks);
                    extra(4 * k, kx(4) - ks, ky(4) - ks);
                }
                break;
            case MotifPattern::Carre:
                // Each side walked clockwise from its first corner.
                keys({{left, top}, {right, top}, {left, bottom}, {right, bottom}});
                for (int k = 1; k <= e; ++k) {
                    const int ks = k * side;
                    extra(4 * k - 3, kx(1) + ks, ky(1));
                    extra(4 * k - 2, kx(2), ky(2) + ks);
                    extra(4 * k - 1, kx(3), ky(3) - ks);
                    extra(4 * k, kx(4) - ks, ky(4));
                }
                break;
            case MotifPattern::Cercle:
                circle(e);
                break;
        }
    }

  private:
    int kx(int i) const { return l_.KeyX[i]; }
    int ky(int i) const { return l_.KeyY[i]; }

    void keys(std::initializer_list<std::pair<int, int>> points) {
        int i = 1;
        for (const auto& [x, y] : points) {
            l_.KeyX[i] = word(x);
            l_.KeyY[i] = word(y);
            ++i;
        }
    }
    void extra(int j, long long x, long long y) {
        l_.CopyX[j] = word(x);
        l_.CopyY[j] = word(y);
    }

    // Keys below, right of, above and left of the centre; the extras fill one
    // quarter after the other (lower right, upper right, upper left, lower
    // left), each from its horizontal end.
    void circle(int e) {
        const int r = roundedWord(l_.AreaSize / 2.0);
        for (int i = 1; i <= 4; ++i) {
            const double a = radians((i - 1) * (360.0 / 4));
            l_.KeyX[i] = roundedWord(r * std::sin(a) + x0_);
            l_.KeyY[i] = roundedWord(r * std::cos(a) + y0_);
        }
        const double step = 90.0 / (e + 1);
        for (int k = 1; k <= e; ++k) {
            const double t = radians(k * step);
            const double c = r * std::cos(t), s = r * std::sin(t);
            extra(k, roundedWord(c + x0_), roundedWord(s + y0_));
            extra(e + k, roundedWord(c + x0_), roundedWord(y0_ - s));
            extra(2 * e + k, roundedWord(x0_ - c), roundedWord(y0_ - s));
            extra(3 * e + k, roundedWord(x0_ - c), roundedWord(s + y0_));
        }
    }

    MotifLayout& l_;
    const int x0_;
    const int y0_;
    const double h_;
};

}  // namespace

void ComputeMotifLayout(MotifLayout& layout) {
    Layout(layout).run();
}

int MotifCopyCount(const MotifLayout& layout) {
    if (layout.KeyCount == 0) return 0;
    return layout.KeyCount - 1 +
           std::min<int>(layout.ExtraPerBranch, kMaxExtraPerBranch) * layout.BranchCount;
}

std::string_view MotifPatternName(MotifPattern pattern) {
    switch (pattern) {
        case MotifPattern::Pal:
            return "En Pal";
        case MotifPattern::Fasce:
            return "En Fasce";
        case MotifPattern::Bande:
            return "En Bande";
        case MotifPattern::Barre:
            return "En Barre";
        case MotifPattern::Chevron:
            return "En Chevron";
        case MotifPattern::Pairle:
            return "En Pairle";
        case MotifPattern::Croix:
            return "En Croix";
        case MotifPattern::Sautoir:
            return "En Sautoir";
        case MotifPattern::Carre:
            return "En Carré";
        case MotifPattern::Cercle:
            return "En Cercle";
    }
    return {};
}

std::string_view MotifPatternPhrase(MotifPattern pattern) {
    switch (pattern) {
        case MotifPattern::Pal:
            return "d'un pal";
        case MotifPattern::Fasce:
            return "d'une fasce";
        case MotifPattern::Bande:
            return "d'une bande";
        case MotifPattern::Barre:
            return "d'une barre";
        case MotifPattern::Chevron:
            return "d'un chevron";
        case MotifPattern::Pairle:
            return "d'un pairle";
        case MotifPattern::Croix:
            return "d'une croix";
        case MotifPattern::Sautoir:
            return "d'un sautoir";
        case MotifPattern::Carre:
            return "d'un carré";
        case MotifPattern::Cercle:
            return "d'un cercle";
    }
    return {};
}

}  // namespace tess
