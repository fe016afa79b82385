// 4-connected flood fills. The region is found first, as horizontal runs, and
// painted second: the painting can then never feed back into the search (a fill
// colour equal to the target, a hatch over white). The search is a scanline
// fill over an explicit stack, so its depth never depends on the picture.
//
// What keeps it cheap on a full-size canvas:
// - every run taken is a maximal run of region pixels, so a run is either wholly
//   marked or not at all: the marks are read once per run met, not per pixel;
// - a row is scanned only over the run it was reached from, and the row that run
//   came from only where the new run reaches past it (the rest of that row is
//   taken already), so most pixels are tested once;
// - the marks are generation-stamped and kept between floods, so a flood never
//   clears (or allocates) a full-size array, only marks the runs it takes.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/span_painter.h"
#include "platform/surface.h"

namespace tess {

namespace {

struct Run {
    int y, x0, x1;  // x1 excluded
};

// Row y still to be scanned over x0..x1-1, reached from row y - dy, which is
// wholly taken over that stretch.
struct Span {
    int y, x0, x1, dy;
};

// The working memory of the searches, kept from one flood to the next. A mark
// holds the stamp of the flood that took the pixel, so starting a flood costs a
// new stamp, and the array is cleared only when the stamps wrap (once in 255
// floods) or grows to a larger surface. It is one per thread: the program draws
// on one thread, and a flood running on another would get its own.
class FloodScratch {
  public:
    // Starts a search over a surface of `pixels` pixels. The stamp returned
    // differs from every mark earlier floods left, whatever their surface size.
    std::uint8_t begin(std::size_t pixels) {
        if (marks_.size() < pixels) {
            marks_.assign(pixels, 0);
            stamp_ = 0;
        }
        if (stamp_ == UINT8_MAX) {
            std::fill(marks_.begin(), marks_.end(), 0);
            stamp_ = 0;
        }
        spans.clear();
        return ++stamp_;
    }

    // Lets go of the marks of an unusually large surface once its flood is done,
    // so one such flood does not hold that much memory for the program's life.
    void end() {
        if (marks_.size() > kKeptMarks) {
            marks_ = {};
            stamp_ = 0;
        }
    }

    std::uint8_t* marks() { return marks_.data(); }

    std::vector<Run> runs;
    std::vector<Span> spans;

  private:
    static constexpr std::size_t kKeptMarks = std::size_t(2048) * 2048;
    std::vector<std::uint8_t> marks_;
    std::uint8_t stamp_ = 0;
};

// The two kinds of region. `allIn` tests a block of pixels with no early exit,
// which the compiler turns into a few vector compares: the long runs of a
// canvas-sized region are then walked a block at a time.
constexpr int kBlock = 16;

struct SameColour {
    Colour target;
    bool operator()(Colour p) const { return p == target; }
    bool allIn(const Colour* p) const {
        Colour differences = 0;
        for (int i = 0; i < kBlock; ++i) differences |= p[i] ^ target;
        return differences == 0;
    }
};

struct NotBorder {
    Colour border;
    bool operator()(Colour p) const { return p != border; }
    bool allIn(const Colour* p) const {
        Colour hits = 0;
        for (int i = 0; i < kBlock; ++i) hits |= Colour(p[i] == border);
        return hits == 0;
    }
};

// First x at or after `x` (and before `limit`) off the region; `limit` if none.
template <class Region>
int regionEnd(const Colour* px, int x, int limit, Region inRegion) {
    while (limit - x >= kBlock && inRegion.allIn(px + x)) x += kBlock;
    while (x < limit && inRegion(px[x])) ++x;
    return x;
}

// First x of the stretch of region pixels that ends just before `x`.
template <class Region>
int regionStart(const Colour* px, int x, Region inRegion) {
    while (x >= kBlock && inRegion.allIn(px + x - kBlock)) x -= kBlock;
    while (x > 0 && inRegion(px[x - 1])) --x;
    return x;
}

FloodScratch& floodScratch() {
    thread_local FloodScratch scratch;
    return scratch;
}

// Fills scratch.runs with the region of the seed, which must lie on the surface.
template <class Region>
void findRegion(const Surface& s, int seedX, int seedY, Region inRegion, FloodScratch& scratch) {
    scratch.runs.clear();
    const int w = s.width(), h = s.height();
    const Colour* seedRow = s.row(seedY);
    if (!inRegion(seedRow[seedX])) return;

    const std::uint8_t stamp = scratch.begin(std::size_t(w) * std::size_t(h));
    std::uint8_t* const marks = scratch.marks();
    std::vector<Run>& runs = scratch.runs;
    std::vector<Span>& spans = scratch.spans;

    auto take = [&](int y, int x0, int x1) {
        std::memset(marks + std::size_t(y) * std::size_t(w) + x0, stamp, std::size_t(x1 - x0));
        runs.push_back({y, x0, x1});
    };
    auto queue = [&](int y, int x0, int x1, int dy) {
        if (x0 < x1 && unsigned(y) < unsigned(h)) spans.push_back({y, x0, x1, dy});
    };

    const int x0 = regionStart(seedRow, seedX, inRegion);
    const int x1 = regionEnd(seedRow, seedX + 1, w, inRegion);
    take(seedY, x0, x1);
    queue(seedY - 1, x0, x1, -1);
    queue(seedY + 1, x0, x1, 1);

    while (!spans.empty()) {
        const Span span = spans.back();
        spans.pop_back();
        const Colour* px = s.row(span.y);
        const std::uint8_t* mark = marks + std::size_t(span.y) * std::size_t(w);
        int x = span.x0;
        while (x < span.x1) {
            if (!inRegion(px[x])) {
                ++x;
                continue;
            }
            // A run is wholly taken or not at all: its first pixel met tells.
            if (mark[x] == stamp) {
                x = regionEnd(px, x + 1, span.x1, inRegion) + 1;  // past the pixel off it
                continue;
            }
            // Only a stretch at the span's start can reach further left: any
            // other follows a pixel just found off the region.
            const int left = x == span.x0 ? regionStart(px, x, inRegion) : x;
            const int right = regionEnd(px, x + 1, w, inRegion);
            take(span.y, left, right);
            queue(span.y + span.dy, left, right, span.dy);
            // Back into the row the span came from, where this run reaches past it.
            queue(span.y - span.dy, left, span.x0, -span.dy);
            queue(span.y - span.dy, span.x1, right, -span.dy);
            x = right + 1;  // px[right] is off the region (or the row's end)
        }
    }
}

// Columns x0..x1-1 in one colour, a block at a time: the compiler makes the
// fixed-length inner loop a few vector stores, where a plain fill of 32-bit
// pixels stays one store per pixel. Solid floods are most of a redraw's floods.
void fillRun(Colour* row, int x0, int x1, Colour c) {
    for (; x1 - x0 >= kBlock; x0 += kBlock)
        for (int k = 0; k < kBlock; ++k) row[x0 + k] = c;
    for (; x0 < x1; ++x0) row[x0] = c;
}

void paintRuns(Surface& s, const std::vector<Run>& runs, const Brush& brush) {
    if (brush.kind == Brush::Kind::Solid) {
        for (const Run& r : runs) fillRun(s.row(r.y), r.x0, r.x1, brush.colour);
        return;
    }
    const SpanPainter painter(brush);
    if (!painter.paints()) return;
    for (const Run& r : runs) painter.paint(s.row(r.y), r.y, r.x0, r.x1);
}

template <class Region>
void flood(Surface& s, int x, int y, Region inRegion, const Brush& brush) {
    FloodScratch& scratch = floodScratch();
    findRegion(s, x, y, inRegion, scratch);
    paintRuns(s, scratch.runs, brush);
    scratch.end();
}

}  // namespace

void Surface::floodSurface(int x, int y, const Brush& brush) {
    if (!contains(x, y)) return;
    flood(*this, x, y, SameColour{row(y)[x]}, brush);
}

void Surface::floodBorder(int x, int y, Colour border, const Brush& brush) {
    if (!contains(x, y)) return;
    flood(*this, x, y, NotBorder{border}, brush);
}

}  // namespace tess
