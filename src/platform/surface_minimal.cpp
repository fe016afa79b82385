// Construction and whole-surface fills; the drawing operations live beside.
#include <algorithm>

#include "platform/surface.h"

namespace tess {

Surface::Surface(int width, int height, Colour background)
    : width_(std::max(0, width)),
      height_(std::max(0, height)),
      background_(background),
      pixels_(std::size_t(width_) * std::size_t(height_), background) {}

void Surface::clear() { fill(background_); }

void Surface::fill(Colour c) { std::fill(pixels_.begin(), pixels_.end(), c); }

}  // namespace tess
