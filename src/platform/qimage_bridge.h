#pragma once

#include <QImage>

#include "platform/surface.h"

namespace tess {

// The display boundary: red and blue swap here and nowhere else.
QImage toQImage(const Surface& surface);
Surface fromQImage(const QImage& image, Colour background = kWhite);

}  // namespace tess
