#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/brush.h"

namespace tess {

// Paints horizontal runs of a row with a brush. Built once per fill so the hatch
// bits are looked up once, not per pixel; the pattern phase is the surface's
// (0,0), so a run only needs its own row number.
class SpanPainter {
  public:
    explicit SpanPainter(const Brush& brush) : brush_(brush) {
        if (brush.kind == Brush::Kind::Hatch) bits_ = hatchBits(brush.hatch);
    }

    bool paints() const { return brush_.kind != Brush::Kind::Hollow; }

    // Columns x0..x1-1 of row y, already clipped to the surface.
    void paint(std::uint32_t* row, int y, int x0, int x1) const {
        switch (brush_.kind) {
            case Brush::Kind::Hollow:
                return;
            case Brush::Kind::Solid:
                std::fill(row + x0, row + x1, brush_.colour);
                return;
            case Brush::Kind::Hatch: {
                const unsigned bits = bits_[y & 7];
                if (bits == 0) return;
                if (bits == 0xFF) {
                    std::fill(row + x0, row + x1, brush_.colour);
                    return;
                }
                for (int x = x0; x < x1; ++x)
                    if (bits >> (7 - (x & 7)) & 1u) row[x] = brush_.colour;
                return;
            }
            case Brush::Kind::Pattern: {
                const Colour* cells = brush_.pattern.data() + (y & 7) * 8;
                for (int x = x0; x < x1; ++x) row[x] = cells[x & 7];
                return;
            }
        }
    }

  private:
    const Brush& brush_;
    std::array<std::uint8_t, 8> bits_{};
};

}  // namespace tess
