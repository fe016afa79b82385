// 4-connected flood fills. The region is found first, as horizontal runs, and
// painted second: the painting can then never feed back into the search (a fill
// colour equal to the target, a hatch over white). The search is a scanline
// fill over an explicit stack, so its depth never depends on the picture.
#include <cstdint>
#include <vector>

#include "platform/span_painter.h"
#include "platform/surface.h"

namespace tess {

namespace {

struct Run {
    int y, x0, x1;  // x1 excluded
};

template <class InRegion>
std::vector<Run> findRegion(const Surface& s, int seedX, int seedY, InRegion inRegion) {
    std::vector<Run> runs;
    const int w = s.width(), h = s.height();
    if (!s.contains(seedX, seedY) || !inRegion(s.row(seedY)[seedX])) return runs;

    std::vector<std::uint8_t> taken(std::size_t(w) * std::size_t(h), 0);
    struct Seed {
        int x, y;
    };
    std::vector<Seed> stack;
    stack.push_back({seedX, seedY});

    // Pushes one seed per stretch of region pixels of row y within x0..x1-1.
    auto scanRow = [&](int y, int x0, int x1) {
        const Colour* px = s.row(y);
        const std::uint8_t* mark = taken.data() + std::size_t(y) * std::size_t(w);
        int x = x0;
        while (x < x1) {
            while (x < x1 && (mark[x] || !inRegion(px[x]))) ++x;
            if (x >= x1) break;
            stack.push_back({x, y});
            while (x < x1 && !mark[x] && inRegion(px[x])) ++x;
        }
    };

    while (!stack.empty()) {
        const Seed seed = stack.back();
        stack.pop_back();
        const Colour* px = s.row(seed.y);
        std::uint8_t* mark = taken.data() + std::size_t(seed.y) * std::size_t(w);
        if (mark[seed.x]) continue;
        int x0 = seed.x, x1 = seed.x + 1;
        while (x0 > 0 && !mark[x0 - 1] && inRegion(px[x0 - 1])) --x0;
        while (x1 < w && !mark[x1] && inRegion(px[x1])) ++x1;
        std::fill(mark + x0, mark + x1, 1);
        runs.push_back({seed.y, x0, x1});
        if (seed.y > 0) scanRow(seed.y - 1, x0, x1);
        if (seed.y + 1 < h) scanRow(seed.y + 1, x0, x1);
    }
    return runs;
}

void paintRuns(Surface& s, const std::vector<Run>& runs, const Brush& brush) {
    const SpanPainter painter(brush);
    if (!painter.paints()) return;
    for (const Run& r : runs) painter.paint(s.row(r.y), r.y, r.x0, r.x1);
}

}  // namespace

void Surface::floodSurface(int x, int y, const Brush& brush) {
    if (!contains(x, y)) return;
    const Colour target = row(y)[x];
    paintRuns(*this, findRegion(*this, x, y, [target](Colour p) { return p == target; }), brush);
}

void Surface::floodBorder(int x, int y, Colour border, const Brush& brush) {
    if (!contains(x, y)) return;
    paintRuns(*this, findRegion(*this, x, y, [border](Colour p) { return p != border; }), brush);
}

}  // namespace tess
