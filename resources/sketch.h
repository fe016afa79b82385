#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "platform/surface.h"

namespace tess::resources {

// Small drawing tools for the carried pictures: every pixel is set to one
// colour or left alone (never blended), so the pictures hold only the
// colours they name.

struct Point {
    double x;
    double y;
};

// Columns l..r and rows t..b, both ends included; clipped to the surface.
void fillRect(Surface& s, int l, int t, int r, int b, Colour c);
void frameRect(Surface& s, int l, int t, int r, int b, Colour c);
// Both end pixels drawn.
void drawLine(Surface& s, int x0, int y0, int x1, int y1, Colour c);
// Pixels whose centre lies inside the polygon (even-odd rule).
void fillPolygon(Surface& s, const std::vector<Point>& points, Colour c);
// Pixels whose centre lies within r of (cx, cy).
void fillDisc(Surface& s, double cx, double cy, double r, Colour c);
// Pixels whose centre lies between radii r0 and r1 of (cx, cy).
void fillRing(Surface& s, double cx, double cy, double r0, double r1, Colour c);

// Capitals, digits and a few signs in a 5 x 7 pixel font, `scale` pixels per
// font pixel, one font pixel between letters; (x, y) is the top left.
void drawText(Surface& s, int x, int y, std::string_view text, int scale, Colour c);
int textWidth(std::string_view text, int scale);

// A shield shape shrunk to w x h: true where at least half of the source
// pixels behind it are inside. Row-major.
std::vector<char> shieldSilhouette(int shape, int w, int h);

// Paints a silhouette at (left, top): its inside by `fill` (given the position
// inside the silhouette, 0..w-1, 0..h-1), edged in `edge` on every inside
// pixel that has an outside pixel among its eight neighbours. The edge closes
// the inside, so a flood fill bounded by the edge colour stays in it.
void paintSilhouette(Surface& s, int left, int top, const std::vector<char>& inside, int w, int h,
                     const std::function<Colour(int, int)>& fill, Colour edge);

}  // namespace tess::resources
