#include "resources/sketch.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "resources/pictures.h"

namespace tess::resources {

void fillRect(Surface& s, int l, int t, int r, int b, Colour c) {
    l = std::max(l, 0);
    t = std::max(t, 0);
    r = std::min(r, s.width() - 1);
    b = std::min(b, s.height() - 1);
    for (int y = t; y <= b; ++y) std::fill(s.row(y) + l, s.row(y) + r + 1, c);
}

void frameRect(Surface& s, int l, int t, int r, int b, Colour c) {
    drawLine(s, l, t, r, t, c);
    drawLine(s, l, b, r, b, c);
    drawLine(s, l, t, l, b, c);
    drawLine(s, r, t, r, b, c);
}

void drawLine(Surface& s, int x0, int y0, int x1, int y1, Colour c) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        s.setPixel(x0, y0, c);
        if (x0 == x1 && y0 == y1) return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void fillPolygon(Surface& s, const std::vector<Point>& points, Colour c) {
    if (points.size() < 3) return;
    double top = points[0].y, bottom = points[0].y;
    for (const Point& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    std::vector<double> crossings;
    for (int y = std::max(0, int(std::floor(top))); y <= std::min(s.height() - 1, int(bottom));
         ++y) {
        const double cy = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point& a = points[i];
            const Point& b = points[(i + 1) % points.size()];
            if ((a.y <= cy) == (b.y <= cy)) continue;
            crossings.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // Pixel x is inside when its centre x + 0.5 lies between the crossings.
            const int from = int(std::ceil(crossings[i] - 0.5));
            const int to = int(std::floor(crossings[i + 1] - 0.5 - 1e-9));
            for (int x = std::max(from, 0); x <= std::min(to, s.width() - 1); ++x) s.row(y)[x] = c;
        }
    }
}

void fillRing(Surface& s, double cx, double cy, double r0, double r1, Colour c) {
    for (int y = std::max(0, int(cy - r1 - 1)); y <= std::min(s.height() - 1, int(cy + r1 + 1));
         ++y)
        for (int x = std::max(0, int(cx - r1 - 1)); x <= std::min(s.width() - 1, int(cx + r1 + 1));
             ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d >= r0 && d <= r1) s.row(y)[x] = c;
        }
}

void fillDisc(Surface& s, double cx, double cy, double r, Colour c) {
    fillRing(s, cx, cy, 0, r, c);
}

namespace {

struct Glyph {
    char ch;
    std::array<std::uint8_t, 7> rows;  // bit 4 is the leftmost column
};

constexpr Glyph kFont[] = {
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}},
    {'D', {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}},
    {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
    {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}},
    {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}},
    {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}},
    {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
    {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}},
    {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}},
    {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}},
    {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}},
    {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}},
    {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
    {'Y', {0x11, 0x11, 0x0A, 0x04, 0x04, 0x04, 0x04}},
    {'Z', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}},
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}},
    {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}},
    {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}},
    {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}},
    {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}},
    {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'?', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x00, 0x04}},
    {'!', {0x04, 0x04, 0x04, 0x04, 0x04, 0x00, 0x04}},
    {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}},
    {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}},
    {' ', {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
};

const Glyph* glyphOf(char ch) {
    for (const Glyph& g : kFont)
        if (g.ch == ch) return &g;
    return nullptr;
}

}  // namespace

int textWidth(std::string_view text, int scale) {
    return text.empty() ? 0 : int(text.size()) * 6 * scale - scale;
}

void drawText(Surface& s, int x, int y, std::string_view text, int scale, Colour c) {
    for (char ch : text) {
        if (const Glyph* g = glyphOf(ch))
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (g->rows[row] >> (4 - col) & 1)
                        fillRect(s, x + col * scale, y + row * scale, x + col * scale + scale - 1,
                                 y + row * scale + scale - 1, c);
        x += 6 * scale;
    }
}

std::vector<char> shieldSilhouette(int shape, int w, int h) {
    const Surface& mask = shieldMaskPicture(shape);
    std::vector<char> inside(std::size_t(w * h), 0);
    // The picture without its never-inside border, cut into w x h cells.
    constexpr int kLeft = 1, kTop = 1, kInnerW = kShieldWidth - 2, kInnerH = kShieldHeight - 2;
    for (int j = 0; j < h; ++j) {
        const int y0 = kTop + j * kInnerH / h, y1 = kTop + (j + 1) * kInnerH / h;
        for (int i = 0; i < w; ++i) {
            const int x0 = kLeft + i * kInnerW / w, x1 = kLeft + (i + 1) * kInnerW / w;
            int in = 0;
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x) in += mask.row(y)[x] == kWhite;
            inside[j * w + i] = 2 * in >= (x1 - x0) * (y1 - y0);
        }
    }
    return inside;
}

void paintSilhouette(Surface& s, int left, int top, const std::vector<char>& inside, int w, int h,
                     const std::function<Colour(int, int)>& fill, Colour edge) {
    auto in = [&](int i, int j) { return i >= 0 && j >= 0 && i < w && j < h && inside[j * w + i]; };
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            if (!in(i, j)) continue;
            bool border = false;
            for (int dj = -1; dj <= 1; ++dj)
                for (int di = -1; di <= 1; ++di) border = border || !in(i + di, j + dj);
            s.setPixel(left + i, top + j, border ? edge : fill(i, j));
        }
}

}  // namespace tess::resources
