#pragma once

#include <cstdint>
#include <vector>

#include "platform/brush.h"
#include "platform/colour.h"

namespace tess {

// Raster operations of the copy routines (the GDI codes the documents name).
enum class RasterOp {
    Copy,       // SRCCOPY   d = s
    And,        // SRCAND    d = d & s
    Xor,        // SRCINVERT d = d ^ s   (&H660046)
    Or,         // SRCPAINT  d = d | s
    Blackness,  // BLACKNESS d = 0       (the source is not read)
};

// How `line` paints: in its colour, or by inverting (p XOR 0xFFFFFF).
enum class DrawMode { Copy, Invert };

// A surface of 32-bit pixels holding colours as 0x00BBGGRR. Pixels are plain
// rows (`row(y)`) so that loops stay on raw memory; the drawing operations
// below reproduce the exact semantics the drawing code relies on (last pixel of
// a segment not drawn, 4-connected floods, blits that never smooth).
class Surface {
  public:
    Surface() = default;
    Surface(int width, int height, Colour background = kWhite);

    int width() const { return width_; }
    int height() const { return height_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }
    bool contains(int x, int y) const {
        return unsigned(x) < unsigned(width_) && unsigned(y) < unsigned(height_);
    }

    Colour background() const { return background_; }
    void setBackground(Colour c) { background_ = c; }

    Colour* row(int y) { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
    const Colour* row(int y) const { return pixels_.data() + std::size_t(y) * std::size_t(width_); }
    Colour* data() { return pixels_.data(); }
    const Colour* data() const { return pixels_.data(); }

    // Reading outside the surface gives kNoColour; writing outside does nothing.
    Colour pixel(int x, int y) const { return contains(x, y) ? row(y)[x] : kNoColour; }
    void setPixel(int x, int y, Colour c) {
        if (contains(x, y)) row(y)[x] = c;
    }

    // Every pixel in the background colour.
    void clear();
    void fill(Colour c);
    // New size keeping the upper-left pixels; new area in the background colour.
    void resize(int width, int height);

    // One-pixel 8-connected segment from (x1,y1) towards (x2,y2), the last pixel
    // not drawn; end points rounded half to even; pixels off the surface skipped.
    void line(double x1, double y1, double x2, double y2, Colour c, DrawMode mode = DrawMode::Copy);

    // Elliptic arc as GDI's Arc: ellipse inscribed in the box (corners in any
    // order, right and bottom edges excluded as for `rectangle`), from the ray
    // through (xs,ys) counter-clockwise on screen to the ray through (xe,ye),
    // both end pixels included. Equal rays: the whole ellipse. A box one pixel
    // high or wide (or flat) gives a straight segment.
    void arc(int left, int top, int right, int bottom, int xs, int ys, int xe, int ye, Colour c,
             DrawMode mode = DrawMode::Copy);
    // Whole circle round a centre given in real coordinates (the picture-box
    // Circle): the ellipse of the box from round(cx - r) to round(cx + r)
    // inclusive, likewise in y. Each pixel drawn once, so Invert twice restores.
    void circle(double cx, double cy, double radius, Colour c, DrawMode mode = DrawMode::Copy);

    // Outline in `pen` on columns l..r-1 and rows t..b-1, interior in `brush`.
    // A hollow brush leaves the interior; with kNoColour as pen there is no
    // outline and the brush covers the whole l..r-1 x t..b-1.
    void rectangle(int left, int top, int right, int bottom, Colour pen, const Brush& brush);
    // Paints columns l..r-1 and rows t..b-1 with the brush (no outline).
    void fillRect(int left, int top, int right, int bottom, const Brush& brush);

    // 4-connected region of pixels equal to the colour at the seed, painted with
    // the brush (FLOODFILLSURFACE). The region is found first, then painted.
    void floodSurface(int x, int y, const Brush& brush);
    // 4-connected region of pixels different from `border`, painted with the brush.
    void floodBorder(int x, int y, Colour border, const Brush& brush);

    // Every pixel equal to `key` takes the pixel of `from` at the same place
    // (where `from` has one).
    void takeWhereKey(Colour key, const Surface& from);

    bool operator==(const Surface& other) const = default;

  private:
    int width_ = 0;
    int height_ = 0;
    Colour background_ = kWhite;
    std::vector<Colour> pixels_;
};

// Copies a w x h block of `src` at (sx,sy) onto `dst` at (dx,dy) with `op`.
// Clipped to the destination; destination pixels whose source lies outside
// `src` stay as they were.
void BitBlt(Surface& dst, int dx, int dy, int w, int h, const Surface& src, int sx, int sy,
            RasterOp op);

// Nearest-neighbour stretch of the sw x sh block of `src` at (sx,sy) onto the
// dw x dh box at (dx,dy). A negative dw mirrors: the box is dx+dw..dx-1, the
// source's left column landing on dx-1. Never smooths, so a mask and its
// picture map the same source pixels.
void StretchBlt(Surface& dst, int dx, int dy, int dw, int dh, const Surface& src, int sx, int sy,
                int sw, int sh, RasterOp op);

}  // namespace tess
