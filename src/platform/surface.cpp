// Construction, whole-surface fills, rectangles and colour replacement.
#include "platform/surface.h"

#include <algorithm>

#include "platform/span_painter.h"

namespace tess {

Surface::Surface(int width, int height, Colour background)
    : width_(std::max(0, width)),
      height_(std::max(0, height)),
      background_(background),
      pixels_(std::size_t(width_) * std::size_t(height_), background) {}

void Surface::clear() {
    fill(background_);
}

void Surface::fill(Colour c) {
    std::fill(pixels_.begin(), pixels_.end(), c);
}

void Surface::resize(int width, int height) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (width == width_ && height == height_) return;
    std::vector<Colour> grown(std::size_t(width) * std::size_t(height), background_);
    const int keepWidth = std::min(width, width_);
    const int keepHeight = std::min(height, height_);
    for (int y = 0; y < keepHeight; ++y)
        std::copy_n(row(y), keepWidth, grown.data() + std::size_t(y) * std::size_t(width));
    pixels_ = std::move(grown);
    width_ = width;
    height_ = height;
}

void Surface::fillRect(int left, int top, int right, int bottom, const Brush& brush) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    const SpanPainter painter(brush);
    if (!painter.paints()) return;
    const int x0 = std::max(left, 0), x1 = std::min(right, width_);
    const int y0 = std::max(top, 0), y1 = std::min(bottom, height_);
    if (x0 >= x1) return;
    for (int y = y0; y < y1; ++y) painter.paint(row(y), y, x0, x1);
}

void Surface::rectangle(int left, int top, int right, int bottom, Colour pen, const Brush& brush) {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (pen == kNoColour) {
        fillRect(left, top, right, bottom, brush);
        return;
    }
    if (right - left < 1 || bottom - top < 1) return;
    fillRect(left + 1, top + 1, right - 1, bottom - 1, brush);
    const Brush outline = Brush::solid(pen);
    fillRect(left, top, right, top + 1, outline);
    fillRect(left, bottom - 1, right, bottom, outline);
    fillRect(left, top, left + 1, bottom, outline);
    fillRect(right - 1, top, right, bottom, outline);
}

void Surface::takeWhereKey(Colour key, const Surface& from) {
    const int w = std::min(width_, from.width_);
    const int h = std::min(height_, from.height_);
    for (int y = 0; y < h; ++y) {
        Colour* d = row(y);
        const Colour* s = from.row(y);
        for (int x = 0; x < w; ++x)
            if (d[x] == key) d[x] = s[x];
    }
}

}  // namespace tess
